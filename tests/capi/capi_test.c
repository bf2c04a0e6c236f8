/* Reads programs through the C interface as a C host does. The first argument picks the group:
 *   both-ways               a program read from its path and from memory gives what it holds
 *   bad-inputs              each bad input gets its status and a reason, and nothing crashes
 *   writes                  a writer and a read result write the programs worked out by hand
 *                           and read back as given; each bad input fails with nothing written
 *   many-reads N            N rounds of every kind of read and write, each result and writer
 *                           freed (a leak check under AddressSanitizer)
 *   transcript FILE [FMT]   prints what a read of FILE (FMT a machine format file, or detected)
 *                           delivered, in delivery order
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

#include "perforex/perforex_c.h"

static int failures = 0;

#define CHECK(condition)                                                                      \
    do {                                                                                      \
        if (!(condition)) {                                                                   \
            fprintf(stderr, "%s:%d: %s: failed: %s\n", __FILE__, __LINE__, what, #condition); \
            ++failures;                                                                       \
        }                                                                                     \
    } while (0)

/* Millimetres, three decimal digits, leading zeros left out: X4000 is 4 mm. */
static const char kFormat[] = ".Unit MM\n.DataFormat 3,3\n.ZeroTruncation LEADING\n";
/* Two tools, two holes, a contour of a line and a clockwise half circle of radius 1.5 mm, and a
 * code without an effect on line 15. */
static const char kProgram[] =
    "M48\nT01C1.000\nT02 Slot 2.000x1.000 R90\n%\nT01\nX1000Y2000\nX-500Y250\nT02\n"
    "G00X0Y0\nM15\nG01X4000Y0\nG02X4000Y3000A1500\nM16\nT01\nG70\nM30\n";

/* A program that states its unit, read with the format detected. */
static const char kStatedProgram[] = "M48\nMETRIC\nT1C1.0\n%\nT1\nX1.5Y-2.0\nM30\n";

/* Opens a new temporary file for writing and reading, its path in path (64 bytes). */
static FILE* NewFile(char* path) {
#ifdef _WIN32
    /* Windows has no mkstemp, and its tmpfile() writes to the root of drive C:, where only
     * administrators may: the file is made in the current folder, named after this process. */
    static int count = 0;
    sprintf(path, "perforex_capi_%d_%d.tmp", _getpid(), count++);
    FILE* file = fopen(path, "w+b");
#else
    strcpy(path, "/tmp/perforex_capi_XXXXXX");
    const int descriptor = mkstemp(path);
    FILE* file = descriptor < 0 ? NULL : fdopen(descriptor, "w+b");
#endif
    if (file == NULL) {
        perror("temporary file");
        exit(2);
    }
    return file;
}

/* Writes bytes to a new temporary file and returns its path, which the caller frees. */
static char* TempFile(const char* bytes, size_t size) {
    char* path = malloc(64);
    FILE* file = NewFile(path);
    if (fwrite(bytes, 1, size, file) != size || fclose(file) != 0) {
        perror("temporary file");
        exit(2);
    }
    return path;
}

/* Prints text with line feeds, backslashes and other control characters escaped. */
static void PrintEscaped(FILE* out, const char* text, size_t size) {
    for (size_t index = 0; index < size; ++index) {
        const unsigned char byte = (unsigned char)text[index];
        if (byte == '\n' || byte == '\\') {
            fputs(byte == '\n' ? "\\n" : "\\\\", out);
        } else {
            fprintf(out, byte < 0x20 || byte == 0x7f ? "\\x%02x" : "%c", byte);
        }
    }
}

/* Prints the holes and contours delivered before the counts given, in the order delivered. */
static void PrintDeliveries(FILE* out, const pfx_result* board, size_t holes, size_t contours,
                            size_t* hole, size_t* contour) {
    while (*hole < holes || *contour < contours) {
        const pfx_contour* next = &pfx_contours(board)[*contour];
        if (*contour < contours && next->holes_before <= *hole) {
            fprintf(out, "contour %d %d %d %d:", next->tool, next->kind, next->width, next->flags);
            for (size_t word = 0; word < 3 * next->vertex_count; ++word) {
                fprintf(out, " %d", next->vertices[word]);
            }
            fputc('\n', out);
            ++*contour;
        } else {
            const int32_t* xyt = &pfx_holes(board)[3 * *hole];
            fprintf(out, "hit %d %d %d\n", xyt[0], xyt[1], xyt[2]);
            ++*hole;
        }
    }
}

/* Prints what the read delivered, in delivery order, then its messages and its result. */
static void PrintTranscript(FILE* out, const pfx_result* board) {
    size_t hole = 0;
    size_t contour = 0;
    for (size_t index = 0; index < pfx_tool_count(board); ++index) {
        const pfx_tool* tool = &pfx_tools(board)[index];
        PrintDeliveries(out, board, tool->holes_before, tool->contours_before, &hole, &contour);
        fprintf(out, "tool %d %d %d %d %d %g", tool->number, tool->hole_type, tool->diameter,
                tool->width, tool->height, tool->angle);
        if (tool->plating != PFX_PLATING_UNKNOWN) {
            fprintf(out, " plating %d", tool->plating);
        }
        fputc('\n', out);
    }
    PrintDeliveries(out, board, pfx_hole_count(board), pfx_contour_count(board), &hole, &contour);
    for (size_t index = 0; index < pfx_message_count(board); ++index) {
        const pfx_message* message = &pfx_messages(board)[index];
        fprintf(out, "message %d %d %d ", message->number, message->line, message->kind);
        PrintEscaped(out, message->text, message->text_size);
        fputc('\n', out);
    }
    fprintf(out, "result %d\n", pfx_result_code(board));
}

/* What kProgram delivers, worked out by hand: both tools at the end of the header, the slot
 * turned by 90 degrees routing with its height, the unknown G70 counted as the one error. */
static const char kTranscript[] =
    "tool 1 0 1000000 0 0 0\ntool 2 2 0 2000000 1000000 90\n"
    "hit 1000000 2000000 1\nhit -500000 250000 1\n"
    "contour 2 7 1000000 0: 0 0 0 4000000 0 0 4000000 1500000 1500000 4000000 3000000 0\n"
    "message 17 15 1 Unknown Token found in drill file at line no 15:\\n\n"
    "message 22 0 0 \\n The Total number of Errors: 1 Warnings:0 in parsing\\n\\n  \n"
    "result 0\n";

/* Returns what PrintTranscript prints for board, which the caller frees. */
static char* TranscriptText(const pfx_result* board) {
    char path[64];
    FILE* out = NewFile(path);
    PrintTranscript(out, board);
    const long size = ftell(out);
    char* text = malloc((size_t)size + 1);
    rewind(out);
    text[fread(text, 1, (size_t)size, out)] = 0;
    fclose(out);
    remove(path);
    return text;
}

/* Removes the temporary file and frees its path. */
static void Discard(char* path) {
    remove(path);
    free(path);
}

static void CheckProgramRead(const char* what, int status, const pfx_result* board) {
    CHECK(status == PFX_OK && strcmp(pfx_error_text(board), "") == 0);
    CHECK(strcmp(pfx_machine_format(board), kFormat) == 0 && pfx_evidence_count(board) == 0);
    char* transcript = TranscriptText(board);
    CHECK(strcmp(transcript, kTranscript) == 0);
    free(transcript);
    /* The transcript reads text_size bytes; a C host also reads the text up to its NUL. */
    CHECK(pfx_message_count(board) > 0 &&
          strlen(pfx_messages(board)->text) == pfx_messages(board)->text_size);
}

static void CheckDetectedRead(const char* what, int status, const pfx_result* board) {
    CHECK(status == PFX_OK && pfx_result_code(board) == 1);
    const int32_t hole[] = {1500000, -2000000, 1};
    CHECK(pfx_hole_count(board) == 1 && memcmp(pfx_holes(board), hole, sizeof hole) == 0);
    CHECK(strstr(pfx_machine_format(board), ".Unit MM") != NULL);
    CHECK(pfx_evidence_count(board) > 0);
    if (pfx_evidence_count(board) > 0) {
        const pfx_evidence_item* unit = pfx_evidence_items(board);
        CHECK(strcmp(unit->item, "unit") == 0 && strcmp(unit->value, "millimetre") == 0);
        CHECK(unit->line == 2 && strstr(unit->text, "METRIC") != NULL);
    }
}

static void BothWays(void) {
    char* program = TempFile(kProgram, strlen(kProgram));
    char* format = TempFile(kFormat, strlen(kFormat));
    pfx_result* board = NULL;
    int status = pfx_read_file(program, format, PFX_FORMAT_FILE, &board);
    CheckProgramRead("path, machine format file", status, board);
    pfx_result_free(board);
    status =
        pfx_read_memory(kProgram, strlen(kProgram), "board.drl", kFormat, PFX_FORMAT_TEXT, &board);
    CheckProgramRead("memory, machine format text", status, board);
    pfx_result_free(board);
    Discard(program);

    program = TempFile(kStatedProgram, strlen(kStatedProgram));
    status = pfx_read_file(program, NULL, PFX_FORMAT_DETECT, &board);
    CheckDetectedRead("path, format detected", status, board);
    pfx_result_free(board);
    status = pfx_read_memory(kStatedProgram, strlen(kStatedProgram), NULL, NULL, PFX_FORMAT_DETECT,
                             &board);
    CheckDetectedRead("memory, format detected", status, board);
    pfx_result_free(board);
    const char* what = "version";
    CHECK(pfx_version_number() == PFX_VERSION_NUMBER);
    CHECK(strcmp(pfx_version_string(), PFX_VERSION_STRING) == 0);
    Discard(program);
    Discard(format);
}

/* One bad input: a path or bytes, a machine format, and the status the call must return. */
struct BadInput {
    const char* what;
    const char* path;
    const char* bytes;
    size_t size;
    const char* format;
    int kind;
    int status;
};

static int ReadBadInput(const struct BadInput* bad, pfx_result** board) {
    if (bad->bytes != NULL || bad->size > 0) {
        return pfx_read_memory(bad->bytes, bad->size, "bad.drl", bad->format, bad->kind, board);
    }
    return pfx_read_file(bad->path, bad->format, bad->kind, board);
}

/* Reads each bad input once. An unreadable file's status reaches Python as PermissionError, which
 * its tests check as another user than root. */
static void BadInputs(void) {
    char* program = TempFile(kProgram, strlen(kProgram));
    char* empty = TempFile("", 0);
    const char binary[] = {'\x7f', 'E', 'L', 'F', 0, 1, 2};
    const struct BadInput table[] = {
        {"null path", NULL, NULL, 0, kFormat, PFX_FORMAT_TEXT, PFX_ERROR_ARGUMENT},
        {"null buffer with a size", NULL, NULL, 5, kFormat, PFX_FORMAT_TEXT, PFX_ERROR_ARGUMENT},
        {"missing file", "/nonexistent/board.drl", NULL, 0, kFormat, PFX_FORMAT_TEXT,
         PFX_ERROR_NOT_FOUND},
        {"directory", ".", NULL, 0, kFormat, PFX_FORMAT_TEXT, PFX_ERROR_IS_DIRECTORY},
        /* On Windows bytes that are no UTF-8 name no file either. */
        {"path that is no UTF-8", "bad-\xff.drl", NULL, 0, kFormat, PFX_FORMAT_TEXT,
         PFX_ERROR_NOT_FOUND},
        {"machine format that does not parse", program, NULL, 0, ".Unit FURLONG\n", PFX_FORMAT_TEXT,
         PFX_ERROR_MACHINE_FORMAT},
        {"missing machine format file", program, NULL, 0, "/nonexistent.fmt", PFX_FORMAT_FILE,
         PFX_ERROR_MACHINE_FORMAT},
        {"null machine format", program, NULL, 0, NULL, PFX_FORMAT_FILE, PFX_ERROR_ARGUMENT},
        {"unknown machine format kind", program, NULL, 0, kFormat, 9, PFX_ERROR_ARGUMENT},
        {"bytes that are no program", NULL, binary, sizeof binary, NULL, PFX_FORMAT_DETECT,
         PFX_ERROR_NOT_A_PROGRAM},
        {"empty file", empty, NULL, 0, NULL, PFX_FORMAT_DETECT, PFX_ERROR_NOT_A_PROGRAM},
        /* With a machine format given they are read, and their errors reported. */
        {"bytes that are no program, machine format given", NULL, binary, sizeof binary, kFormat,
         PFX_FORMAT_TEXT, PFX_OK},
    };
    for (size_t index = 0; index < sizeof table / sizeof table[0]; ++index) {
        const struct BadInput* bad = &table[index];
        const char* what = bad->what;
        pfx_result* board = NULL;
        CHECK(ReadBadInput(bad, &board) == bad->status);
        CHECK(board != NULL && pfx_result_code(board) == 0);
        const char* reason = pfx_error_text(board);
        CHECK((bad->status == PFX_OK) == (strlen(reason) == 0) && strchr(reason, '\n') == NULL);
        /* A file that cannot be read is named; the errors of what was read come as messages. */
        CHECK(bad->path == NULL || bad->status == PFX_ERROR_MACHINE_FORMAT ||
              bad->status == PFX_ERROR_ARGUMENT || strstr(reason, bad->path) != NULL);
        CHECK(bad->status != PFX_OK || pfx_messages(board)[0].kind == PFX_MESSAGE_ERROR);
        /* A failed call read nothing: no format, no deliveries, messages only of a bad format. */
        CHECK(bad->status == PFX_OK ||
              (*pfx_machine_format(board) == 0 && pfx_tool_count(board) == 0));
        CHECK(bad->status == PFX_OK || bad->status == PFX_ERROR_MACHINE_FORMAT ||
              pfx_message_count(board) == 0);
        CHECK(bad->status != PFX_ERROR_MACHINE_FORMAT || pfx_message_count(board) > 0 ||
              bad->kind == PFX_FORMAT_FILE);
        pfx_result_free(board);
    }
    const char* what = "null result pointer";
    CHECK(pfx_read_file(program, kFormat, PFX_FORMAT_TEXT, NULL) == PFX_ERROR_ARGUMENT);
    what = "null result";
    CHECK(*pfx_error_text(NULL) == 0 && pfx_result_code(NULL) == 0 &&
          *pfx_machine_format(NULL) == 0);
    CHECK(pfx_tool_count(NULL) == 0 && pfx_hole_count(NULL) == 0 && pfx_contour_count(NULL) == 0);
    CHECK(pfx_message_count(NULL) == 0 && pfx_evidence_count(NULL) == 0);
    CHECK(pfx_tools(NULL) == NULL && pfx_holes(NULL) == NULL && pfx_contours(NULL) == NULL);
    CHECK(pfx_messages(NULL) == NULL && pfx_evidence_items(NULL) == NULL);
    Discard(program);
    Discard(empty);
}

/* Inches, three decimal digits, leading zeros left out: X1250 is 1.25 inch. */
static const char kInchFormat[] = ".Unit IN\n.DataFormat 3,3\n.ZeroTruncation LEADING\n";
/* A tool of 0.035 inch, holes at (1.25, 0.5) and (2.75, 0.5) inch, one at (1000 nm, 12700 nm)
 * that rounds to (0, 0.001 inch) since 12700 nm is half a thousandth, and a route of one inch
 * along x from the origin, written by hand: the modal format leaves out what stays. */
static const char kInchProgram[] =
    "M48\nINCH,TZ\nT01C0.035\n%\nT01\nG05\nX1250Y500\nX2750\nX0Y1\nG00Y0\nM15\nG01X1000\n"
    "M16\nM30\n";

static void WriteByHand(void) {
    const char* what = "writer";
    pfx_writer* writer = pfx_writer_new();
    CHECK(pfx_writer_set_machine_format(writer, kInchFormat, PFX_FORMAT_TEXT) == PFX_OK);
    CHECK(pfx_writer_add_tool(writer, 1, PFX_HOLE_ROUND, 889000, 0, 0, 0.0, PFX_PLATED) == PFX_OK);
    const int32_t holes[] = {31750000, 12700000, 1, 69850000, 12700000, 1};
    CHECK(pfx_writer_add_hits(writer, holes, 2) == PFX_OK);
    CHECK(pfx_writer_add_hit(writer, 1000, 12700, 1) == PFX_OK);
    const int32_t route[] = {0, 0, 0, 25400000, 0, 0};
    CHECK(pfx_writer_add_contour(writer, 1, 889000, route, 2) == PFX_OK);
    const char* program = NULL;
    size_t size = 0;
    CHECK(pfx_writer_write_memory(writer, &program, &size) == PFX_OK);
    CHECK(program != NULL && size == strlen(kInchProgram) && strcmp(program, kInchProgram) == 0);
    const pfx_rounding moved[] = {{PFX_ROUNDED_HOLE_X, 2, -1, 1000, 0},
                                  {PFX_ROUNDED_HOLE_Y, 2, -1, 12700, 25400}};
    CHECK(pfx_writer_rounding_count(writer) == 2 &&
          memcmp(pfx_writer_roundings(writer), moved, sizeof moved) == 0);
    CHECK(*pfx_writer_error_text(writer) == 0);
    pfx_writer_free(writer);
}

/* Tells whether a read delivered the same tools, holes and contours in the same order as
 * another with messages, and then none. */
static int SameDeliveries(const pfx_result* first, const pfx_result* second) {
    char* one = TranscriptText(first);
    char* other = TranscriptText(second);
    const size_t size = (size_t)(strstr(one, "message") - one);
    const int same = strncmp(one, other, size) == 0 && strncmp(other + size, "result", 6) == 0;
    free(one);
    free(other);
    return same;
}

/* Reads kProgram, writes what it delivered in its own format and in the built-in AUTO format,
 * and reads each written program back. */
static void WriteResult(void) {
    const char* what = "write a read's result";
    pfx_result* board = NULL;
    pfx_read_memory(kProgram, strlen(kProgram), NULL, kFormat, PFX_FORMAT_TEXT, &board);
    char* target = TempFile("", 0);
    const int kinds[] = {PFX_FORMAT_TEXT, PFX_FORMAT_DETECT};
    for (size_t index = 0; index < 2; ++index) {
        pfx_writer* writer = NULL;
        CHECK(pfx_write_result(board, kFormat, kinds[index], target, &writer) == PFX_OK);
        CHECK(pfx_writer_rounding_count(writer) == 0 && *pfx_writer_error_text(writer) == 0);
        pfx_result* again = NULL;
        CHECK(pfx_read_file(target, kFormat, kinds[index], &again) == PFX_OK);
        CHECK(pfx_result_code(again) == 1 && SameDeliveries(board, again));
        pfx_result_free(again);
        pfx_writer_free(writer);
    }
    pfx_result_free(board);
    Discard(target);
}

/* Returns the size of the file at path, -1 when there is none. */
static long FileSize(const char* path) {
    FILE* file = fopen(path, "rb");
    const long size = file != NULL && fseek(file, 0, SEEK_END) == 0 ? ftell(file) : -1;
    if (file != NULL) {
        fclose(file);
    }
    return size;
}

/* One bad write of a read's result: the program read, the machine format written in and the
 * target (NULL: an existing file that holds "old"). */
struct BadWrite {
    const char* what;
    const char* program;
    const char* format;
    int kind;
    const char* target;
    int status;
};

static void BadWrites(void) {
    char* old = TempFile("old", 3);
    char partial[80];
    sprintf(partial, "%s.partial", old);
    const struct BadWrite table[] = {
        {"no result", NULL, kFormat, PFX_FORMAT_TEXT, NULL, PFX_ERROR_ARGUMENT},
        {"a failed read", "", kFormat, PFX_FORMAT_TEXT, NULL, PFX_ERROR_ARGUMENT},
        {"an empty read", "M48\n%\nM30\n", kFormat, PFX_FORMAT_TEXT, NULL,
         PFX_ERROR_NOTHING_TO_WRITE},
        {"no path", kProgram, kFormat, PFX_FORMAT_TEXT, "", PFX_ERROR_ARGUMENT},
        {"unknown machine format kind", kProgram, kFormat, 9, NULL, PFX_ERROR_ARGUMENT},
        {"machine format that does not parse", kProgram, ".Unit FURLONG\n", PFX_FORMAT_TEXT, NULL,
         PFX_ERROR_MACHINE_FORMAT},
        /* 1 mm needs an integer digit. */
        {"a value the format cannot hold", kProgram, ".Unit MM\n.DataFormat 0,3\n", PFX_FORMAT_TEXT,
         NULL, PFX_ERROR_FORMAT_CANNOT_HOLD},
        {"an arc in a format without arcs", kProgram, ".Unit MM\n.ArcStyle NONE\n", PFX_FORMAT_TEXT,
         NULL, PFX_ERROR_FORMAT_CANNOT_HOLD},
        {"target in a missing folder", kProgram, kFormat, PFX_FORMAT_TEXT, "/nonexistent/board.drl",
         PFX_ERROR_NOT_FOUND},
        {"target that is a directory", kProgram, kFormat, PFX_FORMAT_TEXT, ".",
         PFX_ERROR_IS_DIRECTORY},
    };
    for (size_t index = 0; index < sizeof table / sizeof table[0]; ++index) {
        const struct BadWrite* bad = &table[index];
        const char* what = bad->what;
        pfx_result* board = NULL;
        if (bad->program != NULL && *bad->program != 0) {
            pfx_read_memory(bad->program, strlen(bad->program), NULL, kFormat, PFX_FORMAT_TEXT,
                            &board);
        } else if (bad->program != NULL) {
            pfx_read_file("/nonexistent/board.drl", kFormat, PFX_FORMAT_TEXT, &board);
        }
        const char* target = bad->target == NULL ? old : *bad->target ? bad->target : NULL;
        pfx_writer* writer = NULL;
        CHECK(pfx_write_result(board, bad->format, bad->kind, target, &writer) == bad->status);
        const char* reason = pfx_writer_error_text(writer);
        CHECK(*reason != 0 && strchr(reason, '\n') == NULL);
        CHECK(bad->target != NULL || (FileSize(old) == 3 && FileSize(partial) == -1));
        pfx_writer_free(writer);
        pfx_result_free(board);
    }
    const char* what = "null arguments";
    CHECK(pfx_write_result(NULL, kFormat, PFX_FORMAT_TEXT, old, NULL) == PFX_ERROR_ARGUMENT);
    pfx_writer* writer = pfx_writer_new();
    CHECK(pfx_writer_add_tool(writer, 1, PFX_HOLE_ROUND, 1000, 0, 0, 0.0, 3) == PFX_ERROR_ARGUMENT);
    CHECK(pfx_writer_add_contour(writer, 1, 0, NULL, 2) == PFX_ERROR_ARGUMENT);
    CHECK(pfx_writer_set_machine_format(writer, NULL, PFX_FORMAT_TEXT) == PFX_ERROR_ARGUMENT);
    CHECK(pfx_writer_add_hit(writer, 0, 0, 1) == PFX_OK);
    /* A failed setting leaves no format to write in. */
    CHECK(pfx_writer_write(writer, old) == PFX_ERROR_MACHINE_FORMAT && FileSize(old) == 3);
    pfx_writer_free(writer);
    CHECK(pfx_writer_write(NULL, old) == PFX_ERROR_ARGUMENT);
    CHECK(*pfx_writer_error_text(NULL) == 0 && pfx_writer_rounding_count(NULL) == 0 &&
          pfx_writer_roundings(NULL) == NULL);
    Discard(old);
}

static void Writes(void) {
    WriteByHand();
    WriteResult();
    BadWrites();
}

static int Transcript(const char* path, const char* format) {
    pfx_result* board = NULL;
    const int status =
        pfx_read_file(path, format, format ? PFX_FORMAT_FILE : PFX_FORMAT_DETECT, &board);
    if (status == PFX_OK) {
        PrintTranscript(stdout, board);
    } else {
        fprintf(stderr, "%s\n", pfx_error_text(board));
    }
    pfx_result_free(board);
    return status == PFX_OK ? 0 : 1;
}

int main(int argc, char** argv) {
    const char* group = argc > 1 ? argv[1] : "";
    if (strcmp(group, "transcript") == 0 && argc > 2) {
        return Transcript(argv[2], argc > 3 ? argv[3] : NULL);
    }
    if (strcmp(group, "both-ways") == 0) {
        BothWays();
    } else if (strcmp(group, "bad-inputs") == 0) {
        BadInputs();
    } else if (strcmp(group, "writes") == 0) {
        Writes();
    } else if (strcmp(group, "many-reads") == 0 && argc > 2) {
        for (int round = atoi(argv[2]); round > 0; --round) {
            BothWays();
            BadInputs();
            Writes();
        }
    } else {
        fprintf(
            stderr,
            "usage: %s both-ways | bad-inputs | writes | many-reads N | transcript FILE [FMT]\n",
            argv[0]);
        return 2;
    }
    printf("%d failed\n", failures);
    return failures == 0 ? 0 : 1;
}
