// Runs the case files of data/: each case is a block of lines "<key> <text>", where the text
// takes the escapes \n, \r, \t, \\ and \xHH:
//   case <name>                  starts a case
//   format <m> <n> <z>           digits and zero suppression 1, 2 or 0 (default 2 4 1)
//   delimiter <c>, charset <n>, step <n>   other settings (default #, 1, 1)
//   program <bytes>              the drill file, appended line by line
//   token <text>                 one expected token, as ScanTrace writes it
//   message <bytes>              expected message bytes, appended in order
//   tool <text>                  one expected tool line
//   line <n>                     expected line number at the end
// Lines starting with "#" and empty lines are ignored.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ScanTrace.h"

namespace {

struct ScanCase {
    std::string name;
    CDrillMachineFormat format = MakeFormat(2, 4);
    std::string program;
    std::vector<std::string> tokens;
    std::string messages;
    std::vector<std::string> toolLines;
    int finalLine = 0;
};

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
    } else {
        ADD_FAILURE() << "unknown key " << key << " in case " << c.name;
    }
}

std::vector<ScanCase> Load(const std::string& path) {
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
        } else if (cases.empty()) {
            ADD_FAILURE() << "line before the first case: " << line;
        } else {
            Apply(cases.back(), key, text);
        }
    }
    return cases;
}

class ScanCases : public testing::TestWithParam<const char*> {};

TEST_P(ScanCases, GiveTheirTokensMessagesToolLinesAndLineNumber) {
    const std::vector<ScanCase> cases = Load(std::string(PERFOREX_SCANNER_DATA "/") + GetParam());
    EXPECT_FALSE(cases.empty());
    for (const ScanCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ScanTrace trace(c.program, c.format);
        EXPECT_EQ(trace.tokens, c.tokens);
        EXPECT_EQ(trace.messages, c.messages);
        EXPECT_EQ(trace.toolLines, c.toolLines);
        EXPECT_EQ(trace.finalLine, c.finalLine);
        EXPECT_TRUE(trace.endRepeats);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ScanCases,
                         testing::Values("tokens.txt", "messages.txt", "header.txt",
                                         "numbers.txt"));

}  // namespace
