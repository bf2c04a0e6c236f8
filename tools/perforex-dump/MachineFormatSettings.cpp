#include "MachineFormatSettings.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Splits a keyword line at blanks, commas and parentheses, in upper case, up to a comment.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words(1);
    for (const char character : line.substr(0, line.find('!'))) {
        if (std::isspace(static_cast<unsigned char>(character)) != 0 || character == ',' ||
            character == '(' || character == ')') {
            if (!words.back().empty()) {
                words.emplace_back();
            }
        } else {
            words.back() += static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
        }
    }
    if (words.back().empty()) {
        words.pop_back();
    }
    return words;
}

}  // namespace

bool MachineFormatSettings::Read(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        return false;
    }
    std::string line;
    int character = 0;
    while ((character = std::fgetc(file)) != EOF) {
        if (character == '\n') {
            TakeLine(line);
            line.clear();
        } else {
            line += static_cast<char>(character);
        }
    }
    TakeLine(line);
    std::fclose(file);
    return true;
}

void MachineFormatSettings::TakeLine(const std::string& line) {
    const std::vector<std::string> words = Words(line);
    if (words.size() < 2) {
        return;
    }
    if (words[0] == ".UNIT") {
        unit = words[1];
    } else if (words[0] == ".ZEROTRUNCATION") {
        zeroTruncation = words[1];
    } else if (words[0] == ".DATAFORMAT" && words.size() >= 3) {
        integerDigits = std::atoi(words[1].c_str());
        decimalDigits = std::atoi(words[2].c_str());
    }
}
