#include "MachineFormatSettings.h"

#include <cctype>
#include <sstream>
#include <vector>

#include "TextFile.h"

namespace {

// Splits a keyword line at blanks, commas and parentheses, in upper case, up to a comment.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    for (const char character : line.substr(0, line.find('!')) + " ") {
        if (std::isspace(static_cast<unsigned char>(character)) != 0 || character == ',' ||
            character == '(' || character == ')') {
            if (!word.empty()) {
                words.push_back(word);
            }
            word.clear();
        } else {
            word += static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
        }
    }
    return words;
}

int Digits(const std::string& word, int otherwise) {
    return !word.empty() && word.size() < 3 &&
                   word.find_first_not_of("0123456789") == std::string::npos
               ? std::stoi(word)
               : otherwise;
}

}  // namespace

MachineFormatSettings::MachineFormatSettings() {
    format.integerDigits = 3;
    format.decimalDigits = 3;
}

bool MachineFormatSettings::Read(const std::string& path) {
    std::string text;
    if (!TextFile::Read(path, text)) {
        return false;
    }
    ReadText(text);
    return true;
}

void MachineFormatSettings::ReadText(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        TakeLine(line);
    }
}

void MachineFormatSettings::TakeLine(const std::string& line) {
    const std::vector<std::string> words = Words(line);
    if (words.size() < 2) {
        return;
    }
    const std::string& keyword = words[0];
    const std::string& value = words[1];
    if (keyword == ".DATATYPE") {
        dataType = value;
    } else if (keyword == ".UNIT") {
        format.unit = value == "MM" ? DrillFormat::kMillimetre : DrillFormat::kInch;
    } else if (keyword == ".DATAFORMAT" && words.size() > 2) {
        format.integerDigits = Digits(value, format.integerDigits);
        format.decimalDigits = Digits(words[2], format.decimalDigits);
    } else if (keyword == ".ZEROTRUNCATION") {
        format.zeroTruncation =
            value == "TRAILING" ? DrillFormat::kTrailing
                                : (value == "NONE" ? DrillFormat::kNone : DrillFormat::kLeading);
    } else if (keyword == ".STEPMODE") {
        format.stepMode =
            value == "INCREMENTAL" ? DrillFormat::kIncremental : DrillFormat::kAbsolute;
    }
}
