#include "FileVerdict.h"

namespace {

std::string Counted(int count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

std::string FileVerdict::Text() const {
    return "result: " + std::to_string(result) + " (" + Counted(errors, "error") + ", " +
           Counted(warnings, "warning") + " in " + Counted(messages, "message") + ")";
}
