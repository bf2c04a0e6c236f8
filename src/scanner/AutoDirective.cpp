#include "scanner/AutoDirective.h"

#include "machineformat/DrillMachineFormat.h"

namespace {

char UpperCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Splits the next comma-separated field off text.
std::string_view TakeField(std::string_view& text) {
    const std::size_t comma = text.find(',');
    const std::string_view field = text.substr(0, comma);
    text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
    return field;
}

// Splits a run of one or two digits off text into value; returns false when none is there.
bool TakeSmallNumber(std::string_view& text, int& value) {
    std::size_t length = 0;
    value = 0;
    while (length < text.size() && length < 3 && IsDigit(text[length])) {
        value = value * 10 + (text[length] - '0');
        ++length;
    }
    text.remove_prefix(length);
    return length >= 1 && length <= 2;
}

void SkipBlanks(std::string_view& text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
}

}  // namespace

bool AutoDirective::ReadUnitLine(std::string_view line, UnitStatement& statement) {
    std::string_view fields;
    if (StartsWithWord(line, "INCH", fields)) {
        statement.unit = CDrillMachineFormat::IN;
    } else if (StartsWithWord(line, "METRIC", fields)) {
        statement.unit = CDrillMachineFormat::MM;
    } else {
        return false;
    }
    ReadUnitFields(fields, statement);
    return true;
}

void AutoDirective::ReadUnitFields(std::string_view fields, UnitStatement& statement) {
    while (!fields.empty()) {
        const std::string_view field = TakeField(fields);
        if (EqualsIgnoringCase(field, "LZ")) {
            statement.zeroTruncation = CDrillMachineFormat::TRAILING;
        } else if (EqualsIgnoringCase(field, "TZ")) {
            statement.zeroTruncation = CDrillMachineFormat::LEADING;
        } else {
            ReadDigitPattern(field, statement);
        }
    }
}

bool AutoDirective::ReadIncrementalLine(std::string_view line, int& stepMode) {
    std::string_view rest;
    if (!StartsWithWord(line, "ICI", rest)) {
        return false;
    }
    stepMode = EqualsIgnoringCase(TakeField(rest), "OFF") ? CDrillMachineFormat::ABSOLUTE
                                                          : CDrillMachineFormat::INCREMENTAL;
    return true;
}

bool AutoDirective::IsIgnoredDirective(std::string_view line) {
    std::string_view rest;
    for (const std::string_view word : {"FMAT", "VER", "DETECT", "ATC"}) {
        if (StartsWithWord(line, word, rest)) {
            return true;
        }
    }
    return false;
}

bool AutoDirective::ReadFileFormat(std::string_view comment, int& integerDigits,
                                   int& decimalDigits) {
    constexpr std::string_view kKey = "FILE_FORMAT";
    if (comment.empty() || comment.front() != ';') {
        return false;
    }
    comment.remove_prefix(1);
    SkipBlanks(comment);
    if (comment.substr(0, kKey.size()) != kKey) {
        return false;
    }
    comment.remove_prefix(kKey.size());
    SkipBlanks(comment);
    if (comment.empty() || comment.front() != '=') {
        return false;
    }
    comment.remove_prefix(1);
    SkipBlanks(comment);
    int m = 0;
    int n = 0;
    if (!TakeSmallNumber(comment, m) || comment.empty() || comment.front() != ':') {
        return false;
    }
    comment.remove_prefix(1);
    if (!TakeSmallNumber(comment, n)) {
        return false;
    }
    SkipBlanks(comment);
    if (!comment.empty() || m + n == 0) {
        return false;
    }
    integerDigits = m;
    decimalDigits = n;
    return true;
}

bool AutoDirective::EqualsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (UpperCase(text[i]) != word[i]) {
            return false;
        }
    }
    return true;
}

bool AutoDirective::StartsWithWord(std::string_view line, std::string_view word,
                                   std::string_view& rest) {
    if (line.size() < word.size() || !EqualsIgnoringCase(line.substr(0, word.size()), word)) {
        return false;
    }
    rest = line.substr(word.size());
    if (rest.empty()) {
        return true;
    }
    if (rest.front() != ',') {
        return false;
    }
    rest.remove_prefix(1);
    return true;
}

void AutoDirective::ReadDigitPattern(std::string_view field, UnitStatement& statement) {
    const std::size_t point = field.find('.');
    if (point == std::string_view::npos || field.size() < 2 ||
        field.find_first_not_of("0.") != std::string_view::npos ||
        field.find('.', point + 1) != std::string_view::npos) {
        return;
    }
    statement.integerDigits = static_cast<int>(point);
    statement.decimalDigits = static_cast<int>(field.size() - point - 1);
}
