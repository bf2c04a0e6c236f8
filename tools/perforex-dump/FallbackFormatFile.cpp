#include "FallbackFormatFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <vector>

namespace {

// Returns the words of a keyword line in upper case, split at blanks, commas and parentheses, up
// to the comment.
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

bool FallbackFormatFile::Load(const std::string& path, std::string& error) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = "cannot read machine format file '" + path + "': " + std::strerror(errno);
        return false;
    }
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text_.append(buffer, count);
    }
    std::fclose(file);
    path_ = path;
    std::istringstream lines(text_);
    std::string line;
    while (std::getline(lines, line)) {
        TakeKeywordLine(line);
    }
    return true;
}

void FallbackFormatFile::TakeKeywordLine(const std::string& line) {
    const std::vector<std::string> words = Words(line);
    if (words.size() < 2) {
        return;
    }
    const std::string& keyword = words[0];
    const std::string& value = words[1];
    if (keyword == ".UNIT") {
        fallback_.unit = value == "MM" ? DrillFormat::kMillimetre : DrillFormat::kInch;
    } else if (keyword == ".DATAFORMAT" && words.size() > 2) {
        fallback_.integerDigits = Digits(value, fallback_.integerDigits);
        fallback_.decimalDigits = Digits(words[2], fallback_.decimalDigits);
    } else if (keyword == ".ZEROTRUNCATION") {
        fallback_.zeroTruncation =
            value == "TRAILING" ? DrillFormat::kTrailing
                                : (value == "NONE" ? DrillFormat::kNone : DrillFormat::kLeading);
    } else if (keyword == ".STEPMODE") {
        fallback_.stepMode =
            value == "INCREMENTAL" ? DrillFormat::kIncremental : DrillFormat::kAbsolute;
    }
}

std::string FallbackFormatFile::TextFor(const DrillFormat& format) const {
    std::string text = text_;
    if (!text.empty() && text.back() != '\n') {
        text += '\n';
    }
    return text +
           "! The fallback perforex-dump chose for the drill program.\n.DataType AUTO\n.Unit " +
           format.UnitName() + "\n.DataFormat " + format.DigitsText() + "\n.ZeroTruncation " +
           format.ZeroTruncationName() + "\n.StepMode " + format.StepModeName() + "\n";
}
