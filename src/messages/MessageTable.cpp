#include "messages/MessageTable.h"

namespace {

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
    "Warning: Pattern begun by M25 at line number %d is not closed by M01; it ends at line number "
    "%d\n",
    "Warning: M02 at line number %d has no pattern from M25 to M01 to repeat; nothing is "
    "delivered for it\n",
    "Warning: Step and repeat at line number %d delivers %d of its %d copies; more would exceed "
    "%d copied holes and vertices per line of the program\n",
    "Warning: Pattern begun by M25 at line number %d holds more than %d holes and vertices; its "
    "copies leave out what it delivers from line number %d on\n",
    "Warning: Arc without A, I or J at line number %d is routed as a straight line\n",
    "Warning: Tool %d at line number %d has no size; the header line defines nothing\n",
    "Warning: M%s in the header at line number %d is read as a program command\n",
    "Warning: Tool %d is defined again at line number %d with another size: %s mm replaces %s "
    "mm\n",
};

}  // namespace

const char* MessageText(int id) {
    if (id < 1 || id > kLastMessageId) {
        return nullptr;
    }
    return kMessages[id - 1];
}
