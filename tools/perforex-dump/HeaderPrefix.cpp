#include "HeaderPrefix.h"

namespace {

// Returns line without the blanks and line ends around it.
std::string_view Trimmed(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return std::string_view();
    }
    return line.substr(first, line.find_last_not_of(" \t\r\n") - first + 1);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::size_t HeaderPrefix::Length(std::string_view program) {
    bool headerSeen = false;
    std::size_t start = 0;
    while (start < program.size()) {
        const std::size_t lineFeed = program.find('\n', start);
        const std::size_t end = lineFeed == std::string_view::npos ? program.size() : lineFeed + 1;
        const std::string_view line = Trimmed(program.substr(start, end - start));
        if (headerSeen && (line == "%" || StartsWith(line, "M95"))) {
            return end;
        }
        headerSeen = headerSeen || StartsWith(line, "M48");
        start = end;
    }
    return program.size();
}
