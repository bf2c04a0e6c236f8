#include "ScanCase.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ScanTrace.h"

namespace {

std::string Unescape(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes += text[i];
            continue;
        }
        const char escape = text[++i];
        if (escape == 'x') {
            bytes += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            bytes += escape == 'n' ? '\n' : escape == 'r' ? '\r' : escape == 't' ? '\t' : escape;
        }
    }
    return bytes;
}

void Apply(ScanCase& c, const std::string& key, const std::string& text) {
    if (key == "format") {
        std::istringstream fields(text);
        fields >> c.format.integerDigits >> c.format.decimalDigits >> c.format.zeroTruncation;
    } else if (key == "delimiter") {
        c.format.delimiter = text;
    } else if (key == "charset") {
        c.format.characterSet = std::stoi(text);
    } else if (key == "step") {
        c.format.stepMode = std::stoi(text);
    } else if (key == "program") {
        c.program += text;
    } else if (key == "token") {
        c.tokens.push_back(text);
    } else if (key == "message") {
        c.messages += text;
    } else if (key == "tool") {
        c.toolLines.push_back(text);
    } else if (key == "line") {
        c.finalLine = std::stoi(text);
    } else if (key == "unit") {
        c.format.unit = std::stoi(text);
        c.format.unitLength = c.format.unit == CDrillMachineFormat::MM
                                  ? CDrillMachineFormat::NANOMETRES_PER_MM
                                  : CDrillMachineFormat::NANOMETRES_PER_INCH;
    } else if (key == "callback") {
        c.callbacks.push_back(text);
    } else if (key == "result") {
        c.result = std::stoi(text);
    } else {
        ADD_FAILURE() << "unknown key " << key << " in case " << c.name;
    }
}

}  // namespace

std::vector<ScanCase> ScanCase::Load(const std::string& path) {
    std::ifstream file(path);
    EXPECT_TRUE(file.is_open()) << path;
    std::vector<ScanCase> cases;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::size_t space = line.find(' ');
        const std::string key = line.substr(0, space);
        const std::string text = space == std::string::npos ? "" : Unescape(line.substr(space + 1));
        if (key == "case") {
            cases.emplace_back();
            cases.back().name = text;
            cases.back().format = MakeFormat(2, 4);
        } else if (cases.empty()) {
            ADD_FAILURE() << "line before the first case: " << line;
        } else {
            Apply(cases.back(), key, text);
        }
    }
    return cases;
}
