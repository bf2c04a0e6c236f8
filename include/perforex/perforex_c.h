/* The C interface of PerforexReader, for C programs and for every language that binds C.
 *
 * One call reads a drill program and returns an opaque result that holds everything the read
 * delivered, as plain arrays; pfx_result_free frees it. Every name starts with pfx_ or PFX_. No
 * C++ type and no exception crosses this interface. Results are independent of each other, so
 * reads may run on several threads at once.
 *
 *     pfx_result* board = NULL;
 *     if (pfx_read_file("board.drl", NULL, PFX_FORMAT_DETECT, &board) != PFX_OK) {
 *         fprintf(stderr, "%s\n", pfx_error_text(board));
 *     } else {
 *         const int32_t* holes = pfx_holes(board);            // x, y, tool, x, y, tool, ...
 *         for (size_t i = 0; i < pfx_hole_count(board); ++i) { ... holes[3 * i] ... }
 *     }
 *     pfx_result_free(board);
 */
#ifndef PERFOREX_PERFOREX_C_H
#define PERFOREX_PERFOREX_C_H

#include <stddef.h>
#include <stdint.h>

#include "perforex/Export.h"
#include "perforex/Version.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The version of the headers a host was built with; pfx_version_number and pfx_version_string
 * tell the version of the library it loaded. */
#define PFX_VERSION_NUMBER \
    (PERFOREX_VERSION_MAJOR * 10000 + PERFOREX_VERSION_MINOR * 100 + PERFOREX_VERSION_PATCH)
#define PFX_VERSION_STRING PERFOREX_VERSION_STRING

/* Returns the loaded library's version as MAJOR * 10000 + MINOR * 100 + PATCH. */
PERFOREX_API unsigned pfx_version_number(void);
/* Returns the loaded library's version as text, e.g. "0.1.0"; a static string, never freed. */
PERFOREX_API const char* pfx_version_string(void);

/* What a read or write call returns. Anything but PFX_OK means that no program was read (the
 * result then holds pfx_error_text, and the messages for PFX_ERROR_MACHINE_FORMAT), or that no
 * file was written or replaced (pfx_writer_error_text says why). A program with errors is no
 * failure of a read: it returns PFX_OK and pfx_result_code 0, with the errors among the messages.
 * For a write, NOT_FOUND, IS_DIRECTORY and PERMISSION tell why the target file cannot be written.
 */
enum {
    PFX_OK = 0,
    /* A null path, a null buffer with a size, a null result pointer or an unknown format kind. */
    PFX_ERROR_ARGUMENT = 1,
    /* The program file does not exist. */
    PFX_ERROR_NOT_FOUND = 2,
    /* The program path names a directory. */
    PFX_ERROR_IS_DIRECTORY = 3,
    /* The program file may not be read. */
    PFX_ERROR_PERMISSION = 4,
    /* The program file cannot be read for another reason, told by pfx_error_text. */
    PFX_ERROR_UNREADABLE = 5,
    /* The machine format given cannot be read or has errors; its diagnostics are among the
     * messages. */
    PFX_ERROR_MACHINE_FORMAT = 6,
    /* Memory ran out, or the library failed in a way it did not foresee. */
    PFX_ERROR_INTERNAL = 7,
    /* The format was to be detected, and the program is none: empty, binary or a Gerber file,
     * as pfx_error_text says. With a machine format given the bytes are read, and their errors
     * reported as messages. */
    PFX_ERROR_NOT_A_PROGRAM = 8,
    /* The target file cannot be written for another reason, told by pfx_writer_error_text. */
    PFX_ERROR_UNWRITABLE = 9,
    /* The machine format cannot hold what is to be written (a value with more integer digits
     * than it has, an arc in a format without arcs, a contour its steps would change ...);
     * pfx_writer_error_text names the value and says why. */
    PFX_ERROR_FORMAT_CANNOT_HOLD = 10,
    /* No hole and no contour to write, as after an empty read. */
    PFX_ERROR_NOTHING_TO_WRITE = 11
};

/* How the machine format argument of a read or write call is to be taken. */
enum {
    /* No machine format: a read detects the program's format, as perforex-dump does; a write
     * takes the AUTO format built into the library (inch, with decimal points). */
    PFX_FORMAT_DETECT = 0,
    /* The path of a drill machine format file. */
    PFX_FORMAT_FILE = 1,
    /* The text of a drill machine format file. */
    PFX_FORMAT_TEXT = 2
};

/* Everything one read delivered. Created by pfx_read_file or pfx_read_memory, freed by
 * pfx_result_free; every pointer it hands out lives until then. The functions below also take a
 * null result, as if it held nothing: counts 0, texts "", arrays null. */
typedef struct pfx_result pfx_result;

/* Reads the drill program at path; every path this interface takes is UTF-8, on Windows too.
 * machine_format is read as format_kind says (and ignored for PFX_FORMAT_DETECT); with
 * detection, side files beside the program are used, as perforex-dump uses them. Returns one
 * of PFX_OK and PFX_ERROR_*. Sets *result to a new result whenever result is not null (null only
 * when not even that could be allocated); the caller frees it with pfx_result_free, also after
 * an error. */
PERFOREX_API int pfx_read_file(const char* path, const char* machine_format, int format_kind,
                               pfx_result** result);
/* Reads the size bytes at data as a drill program, straight from the caller's buffer, which
 * must stay unchanged during the call and is not kept after it. name (may be null) stands for
 * the file in messages; with detection no side file is looked for. Returns and sets *result as
 * pfx_read_file does; for the same bytes both give the same result, side files aside. */
PERFOREX_API int pfx_read_memory(const void* data, size_t size, const char* name,
                                 const char* machine_format, int format_kind, pfx_result** result);
/* Frees a result and everything it handed out; does nothing for null. */
PERFOREX_API void pfx_result_free(pfx_result* result);

/* Returns why the read call failed, in one line that names the file where there is one; ""
 * after PFX_OK. Owned by the result. */
PERFOREX_API const char* pfx_error_text(const pfx_result* result);
/* Returns the reader's result: 1 for a read without error or warning, 0 otherwise (also after a
 * failed call). */
PERFOREX_API int pfx_result_code(const pfx_result* result);

/* Hole type codes of pfx_tool. */
enum { PFX_HOLE_ROUND = 0, PFX_HOLE_SQUARE = 1, PFX_HOLE_SLOT = 2, PFX_HOLE_RECTANGLE = 3 };

/* Plating codes of pfx_tool and pfx_writer_add_tool. */
enum { PFX_PLATING_UNKNOWN = 0, PFX_PLATED = 1, PFX_NON_PLATED = 2 };

/* One tool definition, sizes in nanometres and angle in degrees. holes_before and
 * contours_before count the holes and contours delivered before it, so that a host can tell
 * which definition of a tool number was in force for each hole and contour. plating is a
 * PFX_PLATING code: what the program states before the definition, or its file name. */
typedef struct pfx_tool {
    int32_t number;
    int32_t hole_type;
    int32_t diameter;
    int32_t width;
    int32_t height;
    double angle;
    size_t holes_before;
    size_t contours_before;
    int32_t plating;
} pfx_tool;

/* Returns how many tools the read delivered. */
PERFOREX_API size_t pfx_tool_count(const pfx_result* result);
/* Returns the tools in the order delivered, pfx_tool_count of them; owned by the result. */
PERFOREX_API const pfx_tool* pfx_tools(const pfx_result* result);

/* Returns how many holes the read delivered. */
PERFOREX_API size_t pfx_hole_count(const pfx_result* result);
/* Returns the holes in the order delivered as one array of 3 * pfx_hole_count values: x and y in
 * nanometres and the tool (-1 before any tool is selected) of each hole. Owned by the result;
 * may be null when there are none. */
PERFOREX_API const int32_t* pfx_holes(const pfx_result* result);

/* Flags of pfx_contour, from the header word of the contour's geometry record. */
enum {
    /* The path runs on from its last vertex back to its first. */
    PFX_CONTOUR_CLOSED = 1,
    /* Some vertices are break markers (every value INT32_MIN): the pen lifts there. */
    PFX_CONTOUR_BREAKS = 2,
    PFX_CONTOUR_COUNTER_CLOCKWISE = 4
};

/* One routed contour. kind is the geometry kind code of the library (7 for the polyarc path in
 * which contours arrive); width is the route width in nanometres; flags are PFX_CONTOUR_*. The
 * vertices are vertex_count triples (x, y, r) in nanometres: r = 0 is a point the path runs
 * through, r != 0 the centre of an arc from the vertex before to the vertex after, of radius |r|,
 * clockwise for r > 0. holes_before counts the holes delivered before the contour. */
typedef struct pfx_contour {
    int32_t tool;
    int32_t kind;
    int32_t width;
    int32_t flags;
    size_t vertex_count;
    const int32_t* vertices;
    size_t holes_before;
} pfx_contour;

/* Returns how many contours the read delivered. */
PERFOREX_API size_t pfx_contour_count(const pfx_result* result);
/* Returns the contours in the order delivered, pfx_contour_count of them; owned by the result,
 * vertices included. */
PERFOREX_API const pfx_contour* pfx_contours(const pfx_result* result);

/* How a read counted a message. */
enum { PFX_MESSAGE_NEITHER = 0, PFX_MESSAGE_ERROR = 1, PFX_MESSAGE_WARNING = 2 };

/* One message of the read: its number in the reader's message table (0 for a diagnostic of the
 * machine format parser), the line it names (0 for none), its kind (PFX_MESSAGE_*) and its text
 * exactly as the reader writes it, text_size bytes (a program's bytes it echoes may hold a 0)
 * followed by a 0. */
typedef struct pfx_message {
    int32_t number;
    int32_t line;
    int32_t kind;
    const char* text;
    size_t text_size;
} pfx_message;

/* Returns how many messages the read wrote. */
PERFOREX_API size_t pfx_message_count(const pfx_result* result);
/* Returns the messages in the order written, pfx_message_count of them; owned by the result. */
PERFOREX_API const pfx_message* pfx_messages(const pfx_result* result);

/* Returns the text of the machine format the program was read with: the file given, the text
 * given or the one detected. Owned by the result; "" after a failed call. */
PERFOREX_API const char* pfx_machine_format(const pfx_result* result);

/* One decision of a format detection: what was decided ("unit", "digits" ...), its value, why in
 * one sentence, the line of the program it comes from (0 for none), and all of it in one line. */
typedef struct pfx_evidence_item {
    const char* item;
    const char* value;
    const char* reason;
    int32_t line;
    const char* text;
} pfx_evidence_item;

/* Returns how many decisions the detection made; 0 when a machine format was given. */
PERFOREX_API size_t pfx_evidence_count(const pfx_result* result);
/* Returns the decisions of the detection in the order made, pfx_evidence_count of them; owned by
 * the result, texts included. */
PERFOREX_API const pfx_evidence_item* pfx_evidence_items(const pfx_result* result);

/* Writing. A writer takes tools, holes and contours in nanometres, as a read delivers them, and
 * writes one program in a machine format such that reading it with that format delivers them
 * again: exactly where the format holds a value, otherwise rounded to the format's step (half
 * away from zero), each moved value reported as a pfx_rounding. A target file is replaced only
 * once the new program is complete; after any failure it is as it was.
 *
 *     pfx_writer* writer = NULL;
 *     if (pfx_write_result(board, "machine.fmt", PFX_FORMAT_FILE, "out.drl", &writer) != PFX_OK) {
 *         fprintf(stderr, "%s\n", pfx_writer_error_text(writer));
 *     }
 *     pfx_writer_free(writer);
 */
typedef struct pfx_writer pfx_writer;

/* Returns a new writer without tools, holes or contours, set to the AUTO format built into the
 * library; null when memory ran out. The caller frees it with pfx_writer_free. */
PERFOREX_API pfx_writer* pfx_writer_new(void);
/* Frees a writer and everything it handed out; does nothing for null. */
PERFOREX_API void pfx_writer_free(pfx_writer* writer);

/* Sets the machine format to write in, taken as format_kind says (PFX_FORMAT_DETECT: the AUTO
 * format built into the library). Returns PFX_OK, PFX_ERROR_ARGUMENT or PFX_ERROR_MACHINE_FORMAT;
 * after a failure the writer keeps no format and writes nothing until one is set. */
PERFOREX_API int pfx_writer_set_machine_format(pfx_writer* writer, const char* machine_format,
                                               int format_kind);

/* Add what is to be written, in the order a read delivers it: sizes and places in nanometres,
 * the angle in degrees, hole_type a PFX_HOLE_* code and plating a PFX_PLATING_* code. A contour
 * is vertex_count triples (x, y, r) as pfx_contour holds them. Each returns PFX_OK, or
 * PFX_ERROR_ARGUMENT for a null writer, null vertices or an unknown plating code; the values
 * themselves are checked by the write. */
PERFOREX_API int pfx_writer_add_tool(pfx_writer* writer, int32_t number, int32_t hole_type,
                                     int32_t diameter, int32_t width, int32_t height, double angle,
                                     int32_t plating);
PERFOREX_API int pfx_writer_add_hit(pfx_writer* writer, int32_t x, int32_t y, int32_t tool);
/* Adds count holes at once from an array of 3 * count values: x, y, tool, x, y, tool, ... */
PERFOREX_API int pfx_writer_add_hits(pfx_writer* writer, const int32_t* holes, size_t count);
PERFOREX_API int pfx_writer_add_contour(pfx_writer* writer, int32_t tool, int32_t width,
                                        const int32_t* vertices, size_t vertex_count);

/* Writes the program to the file at path (UTF-8) through a new file beside it, renamed over the
 * target once complete. Returns PFX_OK or a PFX_ERROR_* code, with pfx_writer_error_text. */
PERFOREX_API int pfx_writer_write(pfx_writer* writer, const char* path);
/* Writes the program into memory: sets *program to its bytes (followed by a 0) and *size to their
 * number, owned by the writer until its next write or pfx_writer_free. Returns as
 * pfx_writer_write. */
PERFOREX_API int pfx_writer_write_memory(pfx_writer* writer, const char** program, size_t* size);

/* Writes what a read delivered, its tools, holes and contours in their order, to the file at path
 * in the machine format taken as format_kind says. Returns as pfx_writer_write, and
 * PFX_ERROR_ARGUMENT for a null or failed result. Sets *writer, whenever writer is not null, to a
 * new writer that holds the error text and the roundings; the caller frees it. */
PERFOREX_API int pfx_write_result(const pfx_result* result, const char* machine_format,
                                  int format_kind, const char* path, pfx_writer** writer);

/* Returns why the last write or setting failed, in one line; "" after success and for null.
 * Owned by the writer. */
PERFOREX_API const char* pfx_writer_error_text(const pfx_writer* writer);

/* Which value of a pfx_rounding moved. */
enum {
    PFX_ROUNDED_TOOL_DIAMETER = 0,
    PFX_ROUNDED_TOOL_WIDTH = 1,
    PFX_ROUNDED_TOOL_HEIGHT = 2,
    PFX_ROUNDED_HOLE_X = 3,
    PFX_ROUNDED_HOLE_Y = 4,
    PFX_ROUNDED_VERTEX_X = 5,
    PFX_ROUNDED_VERTEX_Y = 6,
    PFX_ROUNDED_VERTEX_RADIUS = 7,
    PFX_ROUNDED_CONTOUR_WIDTH = 8
};

/* One value that the format could not hold exactly: which one (PFX_ROUNDED_*), the index of its
 * tool, hole or contour among those given (each counted from 0 in its own order), the index of
 * the vertex in its contour (-1 for a tool or a hole), and the value given and the value the
 * program reads back as, in nanometres. */
typedef struct pfx_rounding {
    int32_t value;
    int32_t item;
    int32_t vertex;
    int32_t given;
    int32_t written;
} pfx_rounding;

/* Returns how many values the last successful write moved; 0 for null. */
PERFOREX_API size_t pfx_writer_rounding_count(const pfx_writer* writer);
/* Returns the values the last successful write moved, in the order written; owned by the writer
 * until its next write. */
PERFOREX_API const pfx_rounding* pfx_writer_roundings(const pfx_writer* writer);

#ifdef __cplusplus
}
#endif

#endif
