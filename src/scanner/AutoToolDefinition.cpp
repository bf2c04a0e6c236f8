#include "scanner/AutoToolDefinition.h"

#include "scanner/AutoDirective.h"
#include "scanner/CoordinateReader.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsNumberCharacter(char c) {
    return IsDigit(c) || c == '.' || c == '+' || c == '-';
}

bool IsParameterLetter(char c) {
    switch (c) {
        case 'C':
        case 'F':
        case 'S':
        case 'B':
        case 'H':
        case 'Z':
            return true;
        default:
            return false;
    }
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Returns the end of the run of characters from begin on that satisfy belongs.
template <typename Predicate>
std::size_t RunEnd(std::string_view text, std::size_t begin, Predicate belongs) {
    while (begin < text.size() && belongs(text[begin])) {
        ++begin;
    }
    return begin;
}

// Splits the next word (a run of characters other than spaces) off text.
std::string_view TakeWord(std::string_view& text) {
    const std::size_t begin = RunEnd(text, 0, IsBlank);
    const std::size_t end = RunEnd(text, begin, [](char c) { return !IsBlank(c); });
    const std::string_view word = text.substr(begin, end - begin);
    text.remove_prefix(end);
    return word;
}

// Returns what follows the hole type word in the line as written, where spaces may separate its
// sizes ("Slot 0.1 0.05 R90"); the sizes without spaces when the word is not found there.
std::string_view SizesAsWritten(std::string_view written, std::string_view word,
                                std::string_view withoutSpaces) {
    const std::size_t at = written.find(word);
    return at == std::string_view::npos ? withoutSpaces : written.substr(at + word.size());
}

}  // namespace

bool AutoToolDefinition::Read(std::string_view text, std::string_view written, std::size_t& cursor,
                              int& tool, std::string& definition) {
    const std::size_t digitsBegin = cursor + 1;
    const std::size_t digitsEnd = RunEnd(text, digitsBegin, IsDigit);
    if (digitsEnd == digitsBegin || digitsEnd == text.size()) {
        return false;
    }
    const std::string_view digits = text.substr(digitsBegin, digitsEnd - digitsBegin);
    const std::size_t wordEnd = RunEnd(text, digitsEnd, IsLetter);
    std::size_t end = digitsEnd;
    std::string_view sizes;
    std::string_view word = "C";
    if (wordEnd - digitsEnd >= 2) {
        // A hole type word: the tool table reads the word and everything after it.
        word = text.substr(digitsEnd, wordEnd - digitsEnd);
        sizes = SizesAsWritten(written, word, text.substr(wordEnd));
        end = text.size();
    } else if (!ReadParameters(text, end, sizes)) {
        return false;
    }
    tool = CoordinateReader::SaturatedValue(digits);
    definition.assign(digits).append(" ").append(word).append(" ").append(sizes);
    cursor = end;
    return true;
}

bool AutoToolDefinition::ReadSizeless(std::string_view line, int& tool) {
    const std::size_t digitsEnd = RunEnd(line, 1, IsDigit);
    if (line.empty() || line.front() != 'T' || digitsEnd == 1) {
        return false;
    }
    std::size_t end = digitsEnd;
    std::string_view diameter;
    if (ReadParameters(line, end, diameter) || end == digitsEnd || end != line.size()) {
        return false;
    }
    tool = CoordinateReader::SaturatedValue(line.substr(1, digitsEnd - 1));
    return true;
}

bool AutoToolDefinition::ReadCommentTable(std::string_view comment, int& tool,
                                          ExactLength& diameter) {
    if (comment.empty() || comment.front() != ';') {
        return false;
    }
    comment.remove_prefix(1);
    comment.remove_prefix(RunEnd(comment, 0, IsBlank));
    // A table that selects no tool writes its entries without a T and number.
    int number = kUnnumbered;
    if (!comment.empty() && comment.front() == 'T') {
        const std::size_t digitsEnd = RunEnd(comment, 1, IsDigit);
        if (digitsEnd == 1) {
            return false;
        }
        number = CoordinateReader::SaturatedValue(comment.substr(1, digitsEnd - 1));
        comment.remove_prefix(digitsEnd);
    }
    if (!AutoDirective::EqualsIgnoringCase(TakeWord(comment), "HOLESIZE")) {
        return false;
    }
    const std::size_t equals = comment.find('=');
    if (equals == std::string_view::npos) {
        return false;
    }
    comment.remove_prefix(equals + 1);
    const std::string_view size = TakeWord(comment);
    if (size.empty() ||
        RunEnd(size, 0, [](char c) { return IsDigit(c) || c == '.'; }) != size.size()) {
        return false;
    }
    ExactLength::Unit unit{};
    bool named = false;
    while (!named && !comment.empty()) {
        named = UnitNamed(TakeWord(comment), unit);
    }
    if (!named) {
        return false;
    }
    tool = number;
    diameter = ExactLength::FromLeadingNumber(size, unit);
    return true;
}

bool AutoToolDefinition::ReadParameters(std::string_view text, std::size_t& cursor,
                                        std::string_view& diameter) {
    bool hasDiameter = false;
    while (cursor + 1 < text.size() && IsParameterLetter(text[cursor]) &&
           IsNumberCharacter(text[cursor + 1])) {
        const std::size_t numberBegin = cursor + 1;
        const std::size_t numberEnd = RunEnd(text, numberBegin, IsNumberCharacter);
        if (text[cursor] == 'C') {
            diameter = text.substr(numberBegin, numberEnd - numberBegin);
            if (diameter.front() == '+') {
                diameter.remove_prefix(1);
            }
            hasDiameter = true;
        }
        cursor = numberEnd;
    }
    return hasDiameter;
}

bool AutoToolDefinition::UnitNamed(std::string_view word, ExactLength::Unit& unit) {
    if (AutoDirective::EqualsIgnoringCase(word, "MILS")) {
        unit = ExactLength::kMil;
    } else if (AutoDirective::EqualsIgnoringCase(word, "MM")) {
        unit = ExactLength::kMillimetre;
    } else if (AutoDirective::EqualsIgnoringCase(word, "INCH")) {
        unit = ExactLength::kInch;
    } else {
        return false;
    }
    return true;
}
