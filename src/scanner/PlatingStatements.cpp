#include "scanner/PlatingStatements.h"

#include <algorithm>

#include "scanner/AutoDirective.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Splits word (in capitals) off the front of text when text starts with it in any case.
bool TakeWord(std::string_view& text, std::string_view word) {
    if (!AutoDirective::EqualsIgnoringCase(text.substr(0, word.size()), word)) {
        return false;
    }
    text.remove_prefix(word.size());
    return true;
}

// Gives the value of a line TYPE=value, blanks allowed around the "="; returns false for any
// other line.
bool ReadType(std::string_view text, std::string_view& type) {
    if (!TakeWord(text, "TYPE")) {
        return false;
    }
    text = Trimmed(text);
    if (!TakeWord(text, "=")) {
        return false;
    }
    type = Trimmed(text);
    return true;
}

// The field of an attribute line up to the next comma.
std::string_view FirstField(std::string_view text) {
    return Trimmed(text.substr(0, text.find(',')));
}

// The plating an attribute field names (Plated or NonPlated), or otherwise.
int AttributePlating(std::string_view field, int otherwise) {
    if (AutoDirective::EqualsIgnoringCase(field, "PLATED")) {
        return PlatingStatements::kPlated;
    }
    if (AutoDirective::EqualsIgnoringCase(field, "NONPLATED")) {
        return PlatingStatements::kNonPlated;
    }
    return otherwise;
}

// Tells whether the name ends with the word, in any case, after a "-" or "_".
bool EndsWithWord(std::string_view name, std::string_view word) {
    if (name.size() <= word.size()) {
        return false;
    }
    const char separator = name[name.size() - word.size() - 1];
    return (separator == '-' || separator == '_') &&
           AutoDirective::EqualsIgnoringCase(name.substr(name.size() - word.size()), word);
}

}  // namespace

PlatingStatements::PlatingStatements(std::string_view fileName) : byName(OfFileName(fileName)) {}

void PlatingStatements::TakeComment(std::string_view comment) {
    if (!comment.empty()) {
        comment.remove_prefix(1);
    }
    std::string_view text = Trimmed(comment);
    std::string_view type;
    if (ReadType(text, type)) {
        // Any other type ends the group: its tools are not said to be plated or not.
        byGroup = AutoDirective::EqualsIgnoringCase(type, "PLATED")       ? kPlated
                  : AutoDirective::EqualsIgnoringCase(type, "NON_PLATED") ? kNonPlated
                                                                          : kNotStated;
        return;
    }
    if (TakeWord(text, "#@!")) {
        text = Trimmed(text);
    }
    if (TakeWord(text, "TF.FILEFUNCTION,")) {
        // A file of mixed plating states that the file as a whole is neither.
        byFile = AttributePlating(FirstField(text), kUnknown);
    } else if (TakeWord(text, "TA.APERFUNCTION,")) {
        byGroup = AttributePlating(FirstField(text), kNotStated);
    }
}

int PlatingStatements::Current() const {
    if (byGroup != kNotStated) {
        return byGroup;
    }
    return byFile != kNotStated ? byFile : byName;
}

int PlatingStatements::OfTableEntry(std::string_view entry) const {
    std::size_t begin = entry.find_first_not_of(" \t");
    while (begin != std::string_view::npos) {
        const std::size_t end = std::min(entry.find_first_of(" \t", begin), entry.size());
        const std::string_view word = entry.substr(begin, end - begin);
        if (AutoDirective::EqualsIgnoringCase(word, "PLATED")) {
            return kPlated;
        }
        if (AutoDirective::EqualsIgnoringCase(word, "NON_PLATED")) {
            return kNonPlated;
        }
        begin = entry.find_first_not_of(" \t", end);
    }
    return Current();
}

void PlatingStatements::KeepToolLines(std::size_t count) {
    if (count < toolLinePlatings.size()) {
        toolLinePlatings.resize(count);
    }
}

int PlatingStatements::OfToolLine(std::size_t index) const {
    return index < toolLinePlatings.size() ? toolLinePlatings[index] : kUnknown;
}

int PlatingStatements::OfFileName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::string_view stem = name.substr(0, name.rfind('.'));
    if (EndsWithWord(stem, "NPTH")) {
        return kNonPlated;
    }
    return EndsWithWord(stem, "PTH") ? kPlated : kUnknown;
}
