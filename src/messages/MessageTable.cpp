#include "messages/MessageTable.h"

#include <cstdarg>
#include <vector>

namespace {

// Size of the stack buffer in which a message is formatted.
constexpr std::size_t kShortMessage = 512;

const char* const kMessages[kLastMessageId] = {
    "Error JNParser initialization error <%d>\n",
    "Error reading DrillPreference File \\\"%s\\\"\n",
    "\nError, There were %d machine format errors detected\n",
    "  in file \\\"%s\\\"\n",
    "Error: Can't open the file %s",
    "Error: G-Codes are not followed by two digits\n",
    "Error: Unknown token G%s found at the line %d\n",
    "Error: Unknown keyword M%s found at line number %d\n",
    "Error: Unknown character %c found at line number %d\n",
    "Error: Wrong parameter passed (other than X,Y,I,J) and hence exiting at line number %d\n",
    "Error reading Drill Machine Format File \\\"%s\\\"\n",
    "\nError, There were %d machine format errors detected\\",
    "Error: Unknown hole type '%s' in M48/M71/M72 block\n",
    "Warning: Change of step mode wanted from input gerb file at line number %d and doing the "
    "change\n",
    "Warning: M16/M17 token missing to close contour in Perforex file '%s' before line %d\n",
    "Warning: M15 token missing to start contour in Perforex file '%s' before line %d\n",
    "Unknown Token found in drill file at line no %d:\n",
    "Warning: Aperture number of %d found at line number %d. Allowed range is [10-999]\n",
    "Warning: Tool definition not found for tool number %d at line number %d\n",
    "Error: ArcMode not found to be one of G00/G01/G02/G03 at line no %d",
    "Wrong NCToken Type found in PerforexReader\n",
    "\n The Total number of Errors: %d Warnings:%d in parsing\n\n  ",
    "Warning: data should not end with a zero in trailing zero case at line number %d, which may "
    "result in loss of data",
    "Warning: Length of co-ordinate data %s is found to be greater than M+N length %d at line "
    "number %d Which may cause loss of data",
    "Error: Number expected after %c at line number %d\n",
    "Error: Arc without a start point at line number %d\n",
    "Error: Value out of range at line number %d\n",
    "Warning: Program text skipped after a %% from line number %d to line number %d\n",
    "Warning: Header block from line number %d has no %% before the end of the input\n",
    "Warning: G04 comment from line number %d runs to the end of the input\n",
    "Warning: Byte 0xFF at line number %d ends the program; the rest of the file is not read\n",
};

}  // namespace

const char* MessageText(int id) {
    if (id < 1 || id > kLastMessageId) {
        return nullptr;
    }
    return kMessages[id - 1];
}

void WriteMessage(FILE* stream, int id, ...) {
    const char* format = MessageText(id);
    if (stream == nullptr || format == nullptr) {
        return;
    }
    va_list args;
    va_start(args, id);
    va_list retry;
    va_copy(retry, args);
    // Messages fit this buffer unless an argument is long; only those take the heap.
    char text[kShortMessage];
    const int length = std::vsnprintf(text, sizeof text, format, args);
    if (length > 0 && static_cast<std::size_t>(length) < sizeof text) {
        std::fwrite(text, 1, static_cast<std::size_t>(length), stream);
    } else if (length > 0) {
        std::vector<char> longText(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(longText.data(), longText.size(), format, retry);
        std::fwrite(longText.data(), 1, static_cast<std::size_t>(length), stream);
    }
    va_end(retry);
    va_end(args);
}
