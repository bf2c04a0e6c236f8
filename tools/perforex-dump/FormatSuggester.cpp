#include "FormatSuggester.h"

#include <cctype>

namespace {

// Returns text without surrounding white space (carriage returns included), in upper case.
std::string Normalised(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])) != 0) {
        ++begin;
    }
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])) != 0) {
        --end;
    }
    std::string normalised = text.substr(begin, end - begin);
    for (char& character : normalised) {
        character = static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
    }
    return normalised;
}

std::vector<std::string> SplitAtCommas(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(Normalised(line.substr(start, comma - start)));
        if (comma == std::string::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// Returns text with control characters replaced, so that it cannot end a comment line early.
std::string Printable(const std::string& text) {
    std::string printable = text;
    for (char& character : printable) {
        if (static_cast<unsigned char>(character) < 0x20 || character == 0x7F) {
            character = '?';
        }
    }
    return printable;
}

}  // namespace

bool FormatSuggester::ReadHeader(FILE* drillFile) {
    std::string line;
    int character = 0;
    while ((character = std::fgetc(drillFile)) != EOF) {
        if (character != '\n') {
            line += static_cast<char>(character);
            continue;
        }
        if (!TakeLine(line)) {
            return foundHeader_;
        }
        line.clear();
    }
    TakeLine(line);
    return foundHeader_;
}

bool FormatSuggester::TakeLine(const std::string& rawLine) {
    const std::string line = Normalised(rawLine);
    if (!inHeader_) {
        if (foundHeader_) {
            return false;
        }
        inHeader_ = StartsWith(line, "M48");
        foundHeader_ = inHeader_;
        return true;
    }
    if (line == "%" || StartsWith(line, "M95")) {
        inHeader_ = false;
        return false;
    }
    const std::vector<std::string> fields = SplitAtCommas(line);
    const std::string second = fields.size() > 1 ? fields[1] : std::string();
    if (fields[0] == "INCH" || fields[0] == "METRIC") {
        TakeUnitLine(fields);
    } else if (fields[0] == "FMAT") {
        fmat_ = second;
    } else if (fields[0] == "ICI") {
        incremental_ = second;
    }
    return true;
}

void FormatSuggester::TakeUnitLine(const std::vector<std::string>& fields) {
    unit_ = fields[0] == "INCH" ? 1 : 2;
    for (std::size_t index = 1; index < fields.size(); ++index) {
        if (fields[index] == "LZ" || fields[index] == "TZ") {
            zeros_ = fields[index];
        } else {
            TakeDigitPattern(fields[index]);
        }
    }
}

void FormatSuggester::TakeDigitPattern(const std::string& pattern) {
    const std::size_t point = pattern.find('.');
    if (point == std::string::npos || point == 0 || point + 1 == pattern.size() ||
        pattern.find_first_not_of("0.") != std::string::npos ||
        pattern.find('.', point + 1) != std::string::npos) {
        return;
    }
    integerDigits_ = static_cast<int>(point);
    decimalDigits_ = static_cast<int>(pattern.size() - point - 1);
}

std::string FormatSuggester::UnitNote() const {
    switch (unit_) {
        case 1:
            return "! INCH: the program's numbers are inches.\n";
        case 2:
            return "! METRIC: the program's numbers are millimetres.\n";
        default:
            return "! No INCH or METRIC line: inches, as in the defaults.\n";
    }
}

std::string FormatSuggester::FormatFile(const std::string& drillFileName) const {
    std::string notes;
    if (!foundHeader_) {
        notes += "! No M48 header found: every value is the default.\n";
    }
    notes += UnitNote();

    std::string zeroTruncation = "LEADING";
    if (zeros_ == "LZ") {
        zeroTruncation = "TRAILING";
        notes += "! LZ: leading zeros are written and trailing zeros left out.\n";
    } else if (zeros_ == "TZ") {
        notes += "! TZ: trailing zeros are written and leading zeros left out.\n";
    } else {
        notes += "! No LZ or TZ: leading zeros left out, as in the defaults.\n";
    }

    int integerDigits = integerDigits_;
    int decimalDigits = decimalDigits_;
    if (integerDigits < 0 && unit_ == 0) {
        integerDigits = 3;
        decimalDigits = 3;
        notes += "! No digit pattern: 3,3, as in the defaults.\n";
    } else if (integerDigits < 0) {
        // Inch programs are usually written with 2,4 digits, millimetre ones with 3,3.
        integerDigits = unit_ == 1 ? 2 : 3;
        decimalDigits = unit_ == 1 ? 4 : 3;
        notes += "! No digit pattern: the usual " + std::to_string(integerDigits) + "," +
                 std::to_string(decimalDigits) + "; check it against the coordinates.\n";
    } else {
        notes += "! Digit pattern: " + std::to_string(integerDigits) + " before and " +
                 std::to_string(decimalDigits) + " after the implied decimal point.\n";
    }

    const bool incremental = incremental_ == "ON";
    if (!incremental_.empty()) {
        notes += "! ICI," + Printable(incremental_) + ": " +
                 (incremental ? "incremental" : "absolute") + " coordinates.\n";
    }
    if (!fmat_.empty()) {
        notes += "! FMAT," + Printable(fmat_) +
                 ": the command set; a machine format file has no setting for it.\n";
    }

    return ".FILETYPE DRILL_MACHINE_FILE\n"
           "! Suggested by perforex-dump from the M48 header of " +
           Printable(drillFileName) +
           ".\n"
           "! Check it against the drilling machine before relying on it.\n" +
           notes +
           ".VERSION \"QK2002.1\"\n"
           ".CREATOR \"perforex-dump --suggest-format\"\n"
           "\n"
           ".DataType EXCELLON\n"
           ".CharacterSet ASCII\n"
           ".Unit " +
           (unit_ == 2 ? "MM" : "IN") + "\n.DataFormat " + std::to_string(integerDigits) + "," +
           std::to_string(decimalDigits) + "\n.StepMode " +
           (incremental ? "INCREMENTAL" : "ABSOLUTE") +
           "\n"
           ".DataMode MODAL\n"
           ".ZeroTruncation " +
           zeroTruncation +
           "\n"
           ".SequenceNumbering OFF\n"
           ".Delimiter \"#\"\n"
           ".Comments ON\n"
           ".CommentStr \"; \"\n"
           ".ArcStyle RADIUS\n"
           ".RecordLength 0\n";
}
