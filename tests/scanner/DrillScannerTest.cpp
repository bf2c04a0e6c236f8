#include "scanner/DrillScanner.h"

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "MessageCapture.h"
#include "RecordingHost.h"
#include "TempFile.h"
#include "interpreter/DrillInterpreter.h"

namespace {

// Scans a whole program held in memory, with the AUTO scanner when the settings ask
// for it, and records what the scanner delivered: one text per token ("code 1", "T 102",
// "X 1.2345", "define 3", "unit 2", "error", flags " end" for a block end and " invalid", then
// "@" and the line number right after the token), the line each token begins on, the
// message bytes, the tool lines, the line number once the scan has ended and whether a further
// call after the end gave no token.
struct ScanTrace {
    ScanTrace(const std::string& bytes, const CDrillMachineFormat& settings);
    template <class Scanner>
    void Scan(const DrillInput& input, const CDrillMachineFormat& settings, FILE* stream);

    std::vector<std::string> tokens;
    std::vector<int> tokenLines;
    std::string messages;
    std::vector<std::string> toolLines;
    int finalLine = 0;
    bool endRepeats = false;
};

constexpr std::size_t kTokenLimit = 1 << 16;

// Writes a number token as its letter and its value in the shortest fixed-point form; a length
// of the AUTO reading in whole nanometres ("X 25400000 nm").
std::string DescribeValue(const NCToken& token, bool exact) {
    static const char kLetters[] = "??XYAIJR";
    const std::string letter(1, kLetters[token.type]);
    int nanometres = 0;
    if (exact && token.type != TOKEN_R) {
        return letter + " " +
               (token.length.ToNanometres(nanometres) ? std::to_string(nanometres) : "beyond") +
               " nm";
    }
    char text[400];
    const auto end = std::to_chars(text, text + sizeof text, token.value, std::chars_format::fixed);
    return letter + " " + std::string(text, end.ptr);
}

template <class Scanner>
std::string Describe(const NCToken& token, const Scanner& scanner) {
    std::string text;
    if (token.type == TOKEN_TOOL_DEFINITION) {
        text = "define " + std::to_string(token.toolNumber);
    } else if (token.type == TOKEN_UNIT) {
        text = "unit " + std::to_string(token.code);
    } else if (token.type == TOKEN_COUNTED_ERROR) {
        text = "error";
    } else if (token.type == TOKEN_CODE) {
        text = "code " + std::to_string(token.code);
        if (token.code == CODE_G93) {
            text += " [" + token.text + "]";
        }
    } else if (token.type == TOKEN_TOOL) {
        text = "T " + std::to_string(token.toolNumber);
    } else {
        text = DescribeValue(token, std::is_same_v<Scanner, CAutoScanner>);
    }
    if (scanner.GetBlockEnd()) {
        text += " end";
    }
    if (!scanner.IsTokenValid()) {
        text += " invalid";
    }
    return text + " @" + std::to_string(scanner.GetLineNumber());
}

ScanTrace::ScanTrace(const std::string& bytes, const CDrillMachineFormat& settings) {
    const DrillInput input(bytes.data(), bytes.size(), "program.drl");
    MessageCapture capture;
    if (settings.dataType == CDrillMachineFormat::AUTO) {
        Scan<CAutoScanner>(input, settings, capture.Stream());
    } else {
        Scan<CDrillScanner>(input, settings, capture.Stream());
    }
    messages = capture.Text();
}

template <class Scanner>
void ScanTrace::Scan(const DrillInput& input, const CDrillMachineFormat& settings, FILE* stream) {
    Scanner scanner(input, settings, stream);
    NCToken token;
    // Bounded, so that a scanner that never ends fails its test instead of hanging it.
    while (tokens.size() < kTokenLimit && scanner.NextToken(token) != nullptr) {
        tokens.push_back(Describe(token, scanner));
        tokenLines.push_back(token.line);
        scanner.ResetBlockEnd();
        token.text.clear();
    }
    finalLine = scanner.GetLineNumber();
    endRepeats = scanner.NextToken(token) == nullptr;
    toolLines = scanner.GetToolLines();
}

// Returns the default machine format with the coordinate format m,n.
CDrillMachineFormat MakeFormat(int integerDigits, int decimalDigits) {
    CDrillMachineFormat format;
    format.integerDigits = integerDigits;
    format.decimalDigits = decimalDigits;
    return format;
}

// The case files of data/: each case is a block of lines "<key> <text>", where the text
// takes the escapes \n, \r, \t, \\ and \xHH:
//   case <name>                  starts a case
//   format <m> <n> <z>           digits and zero suppression 1, 2 or 0 (default 2 4 1)
//   delimiter <c>, charset <n>, step <n>, type <n>   other settings (default #, 1, 1, 1)
//   unit mm                      millimetres (default inches)
//   program <bytes>              the drill file, appended line by line
//   token <text>                 one expected token, as ScanTrace writes it
//   message <bytes>              expected message bytes, appended in order
//   tool <text>                  one expected tool line
//   line <n>                     expected line number at the end
//   callback <text>              one expected callback of a whole read, as RecordingHost writes it
//   result <n>                   expected result of a whole read (1 or 0)
// Lines starting with "#" and empty lines are ignored.
struct ScanCase {
    std::string name;
    CDrillMachineFormat format = MakeFormat(2, 4);
    std::string program;
    std::vector<std::string> tokens;
    std::string messages;
    std::vector<std::string> toolLines;
    int finalLine = 0;
    std::string callbacks;
    int result = 1;
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
    } else if (key == "type") {
        c.format.dataType = std::stoi(text);
    } else if (key == "step") {
        c.format.stepMode = std::stoi(text);
    } else if (key == "unit" && text == "mm") {
        c.format.unit = CDrillMachineFormat::MM;
        c.format.unitLength = CDrillMachineFormat::NANOMETRES_PER_MM;
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
    } else if (key == "callback") {
        c.callbacks += text + "\n";
    } else if (key == "result") {
        c.result = std::stoi(text);
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

// Words read in one pass over a block read as those read character by character across two.
TEST_P(ScanCases, ReadTheSameWhereverABlockBoundaryFalls) {
    for (const ScanCase& c : Load(std::string(PERFOREX_SCANNER_DATA "/") + GetParam())) {
        SCOPED_TRACE(c.name);
        const char space = c.format.characterSet == CDrillMachineFormat::EBCDIC ? '\x40' : ' ';
        for (std::size_t cut = 0; cut <= c.program.size(); ++cut) {
            const std::string padded =
                std::string(CharacterSource::kBlockSize - cut, space) + c.program;
            const ScanTrace trace(padded, c.format);
            ASSERT_EQ(trace.tokens, c.tokens) << "boundary before byte " << cut;
            EXPECT_EQ(trace.messages, c.messages);
            EXPECT_EQ(trace.finalLine, c.finalLine);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ScanCases,
                         testing::Values("tokens.txt", "messages.txt", "header.txt", "numbers.txt"),
                         [](const auto& info) {
                             const std::string file = info.param;
                             return file.substr(0, file.find('.'));
                         });

// Whole reads in the AUTO dialect, with the case's settings as the fallback format.
class AutoReadCases : public testing::TestWithParam<const char*> {};

TEST_P(AutoReadCases, GiveTheirCallbacksMessagesAndResult) {
    const std::vector<ScanCase> cases = Load(std::string(PERFOREX_SCANNER_DATA "/") + GetParam());
    EXPECT_FALSE(cases.empty());
    for (ScanCase c : cases) {
        SCOPED_TRACE(c.name);
        c.format.dataType = CDrillMachineFormat::AUTO;
        TempFile file(c.program, ".drl");
        RecordingHost host;
        MessageCapture capture;
        ToolPlatings platings;
        CDrillInterpreter<CAutoScanner> interpreter(&host, capture.Stream(), c.format, file.Path(),
                                                    platings);
        EXPECT_EQ(interpreter.Run() ? 1 : 0, c.result);
        EXPECT_EQ(host.transcript, c.callbacks);
        EXPECT_EQ(capture.Text(), c.messages);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, AutoReadCases, testing::Values("auto.txt", "panels.txt"),
                         [](const auto& info) {
                             const std::string file = info.param;
                             return file.substr(0, file.find('.'));
                         });

using Tokens = std::vector<std::string>;
const CDrillMachineFormat kFormat = MakeFormat(2, 4);
constexpr std::size_t kBlock = CharacterSource::kBlockSize;

TEST(DrillScanner, CutsLongCollectedTextsAndReadsOnPastThem) {
    const std::string program = ";T01" + std::string(300, 'C') + "\nM48\nT" + std::string(50, 'D') +
                                "\n%\nG93" + std::string(70, 'X') + "\n";
    const ScanTrace trace(program, kFormat);
    EXPECT_EQ(trace.toolLines, (Tokens{"01" + std::string(233, 'C'), std::string(43, 'D')}));
    EXPECT_EQ(trace.tokens, (Tokens{"code 40 @4", "code 29 [" + std::string(63, 'X') + "] @6"}));
}

// A program that exercises every look-ahead and pushback of the scanner.
const char kBusyProgram[] =
    "M48\nINCH,LZ\nT01C0.0200\n%\nG93X5Y7\nT01\nG04 comment#N12X12345Y-500\n;T02C0.5\n"
    "G00X1Y1\nM15\nG01X20000\nG02X3Y4I5J6\nM16\nR05X1\nQQ\nM30\n";

// clang-format off
const Tokens kBusyTokens = {
    "code 40 @4", "code 29 [X5Y7\n] @6", "T 1 @7", "X 1.2345 @7", "Y -0.05 end @8", "code 0 @9",
    "X 0.0001 @9", "Y 0.0001 end @10", "code 36 @10", "code 1 @11", "X 2 end @12", "code 2 @12",
    "X 0.0003 @12", "Y 0.0004 @12", "I 0.0005 @12", "J 0.0006 end @13", "code 37 @13", "R 5 @14",
    "X 0.0001 end @15", "code 39 invalid @16"};
// clang-format on
const std::vector<int> kBusyLines = {1,  5,  6,  7,  7,  9,  9,  9,  10, 11,
                                     11, 12, 12, 12, 12, 12, 13, 14, 14, 16};

void ExpectBusyTrace(const std::string& program) {
    const ScanTrace trace(program, kFormat);
    EXPECT_EQ(trace.tokens, kBusyTokens);
    EXPECT_EQ(trace.tokenLines, kBusyLines);
    EXPECT_EQ(trace.messages,
              "Error: Unknown character Q found at line number 15\n"
              "Error: Unknown character Q found at line number 15\n");
    EXPECT_EQ(trace.toolLines, (Tokens{"01C0.0200", "02C0.5"}));
    EXPECT_EQ(trace.finalLine, 17);
}

std::string WithCarriageReturns(std::string program) {
    for (auto at = program.find('\n'); at != std::string::npos; at = program.find('\n', at + 2)) {
        program.insert(at, 1, '\r');
    }
    return program;
}

TEST(DrillScanner, ReadsTheSameWhereverABlockBoundaryFallsAndWithCarriageReturns) {
    ExpectBusyTrace(kBusyProgram);
    const std::string crlf = WithCarriageReturns(kBusyProgram);
    ExpectBusyTrace(crlf);
    for (std::size_t pad = kBlock - 58; pad <= kBlock + 12; ++pad) {
        SCOPED_TRACE("pad " + std::to_string(pad));
        ExpectBusyTrace(std::string(pad, ' ') + kBusyProgram);
        ExpectBusyTrace(std::string(pad + kBlock, ' ') + crlf);
    }
}

TEST(DrillScanner, ReadsNumbersEndingExactlyAtTheEndOfTheFile) {
    for (std::size_t size : {kBlock - 1, kBlock, kBlock + 1, 2 * kBlock + 1}) {
        const std::string program = std::string(size - 3, ' ') + "X12";
        EXPECT_EQ(ScanTrace(program, kFormat).tokens, Tokens{"X 0.0012 end @1"}) << size;
    }
}

// A carriage return that ends a block of the file, not followed by a line feed, is read.
TEST(DrillScanner, ReportsALoneCarriageReturnWhereverABlockBoundaryFalls) {
    for (std::size_t pad : {kBlock - 4, kBlock - 3, kBlock - 2}) {
        const ScanTrace trace(std::string(pad, ' ') + "X1\rY2", kFormat);
        EXPECT_EQ(trace.tokens, (Tokens{"X 0.0001 @1", "Y 0.0002 end invalid @1"})) << pad;
        EXPECT_EQ(trace.messages, "Error: Unknown character \r found at line number 1\n") << pad;
    }
}

}  // namespace
