#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MessageCapture.h"
#include "ScanTrace.h"
#include "TempFile.h"
#include "scanner/DrillScanner.h"

namespace {

using Tokens = std::vector<std::string>;
using Lines = std::vector<std::string>;

const CDrillMachineFormat kFormat = MakeFormat(2, 4);

std::string Message6() {
    return "Error: G-Codes are not followed by two digits\n";
}
std::string Message7(const std::string& text, int line) {
    return "Error: Unknown token G" + text + " found at the line " + std::to_string(line) + "\n";
}
std::string Message8(const std::string& text, int line) {
    return "Error: Unknown keyword M" + text + " found at line number " + std::to_string(line) +
           "\n";
}
std::string Message9(char c, int line) {
    return "Error: Unknown character " + std::string(1, c) + " found at line number " +
           std::to_string(line) + "\n";
}

struct ScanCase {
    const char* name;
    std::string program;
    Tokens tokens;
    std::string messages;
    Lines toolLines;
    int finalLine;
};

void ExpectScan(const ScanCase& c, const CDrillMachineFormat& format = kFormat) {
    SCOPED_TRACE(c.name);
    const ScanTrace trace(c.program, format);
    EXPECT_EQ(trace.tokens, c.tokens);
    EXPECT_EQ(trace.messages, c.messages);
    EXPECT_EQ(trace.toolLines, c.toolLines);
    EXPECT_EQ(trace.finalLine, c.finalLine);
    EXPECT_TRUE(trace.endRepeats);
}

TEST(DrillScanner, ReadsCodesToolsAndNumbers) {
    const ScanCase cases[] = {
        {"code then number", "G01X100\n", {"code 1 @1", "X 0.01 end @2"}, "", {}, 2},
        {"G93 text up to the line feed",
         "G93X5Y7\nX1\n",
         {"code 29 [X5Y7\n] @2", "X 0.0001 end @3"},
         "",
         {},
         3},
        {"G93 text up to I", "G93X5IJ7\n", {"code 29 [X5I] @1", "J 0.0007 end @2"}, "", {}, 2},
        {"G93 text at the end of the input", "G93X5", {"code 29 [X5] @1"}, "", {}, 1},
        {"tools", "T01\nT0102\n", {"T 1 @2", "T 102 @3"}, "", {}, 3},
        {"tool number beyond 32 bits saturates", "T99999999999\n", {"T 2147483647 @2"}, "", {}, 2},
        {"sequence number", "N123X5\n", {"X 0.0005 end @2"}, "", {}, 2},
        {"M followed by non-digits moves on two characters at a time",
         "MXX30\nMABCD16\n",
         {"code 39 @1", "code 37 @2"},
         Message8("XX", 1) + Message8("AB", 2) + Message8("CD", 2),
         {},
         3},
        {"empty lines, spaces and delimiters", "\n   \n###\nX1\n", {"X 0.0001 end @5"}, "", {}, 5},
        {"empty file", "", {}, "", {}, 1},
    };
    for (const ScanCase& c : cases) {
        ExpectScan(c);
    }
}

TEST(DrillScanner, GivesEveryCodeOfTheTablesItsNumber) {
    const std::pair<const char*, int> codes[] = {
        {"G00", 0},  {"G01", 1},  {"G02", 2},  {"G03", 3},  {"G05", 5},  {"G06", 6},  {"G07", 7},
        {"G10", 8},  {"G11", 9},  {"G12", 10}, {"G36", 12}, {"G37", 13}, {"G40", 14}, {"G41", 15},
        {"G42", 16}, {"G54", 17}, {"G70", 18}, {"G71", 19}, {"G74", 20}, {"G75", 21}, {"G82", 22},
        {"G83", 23}, {"G84", 24}, {"G85", 25}, {"G90", 26}, {"G91", 27}, {"G92", 28}, {"M15", 36},
        {"M16", 37}, {"M17", 38}, {"M30", 39}, {"M71", 41}, {"M72", 42}};
    std::string program;
    Tokens expected;
    for (const auto& [text, code] : codes) {
        program += text;
        expected.push_back("code " + std::to_string(code) + " @1");
    }
    EXPECT_EQ(ScanTrace(program, kFormat).tokens, expected);
}

TEST(DrillScanner, SkipsCommentsAndCollectsCommentToolDefinitions) {
    const ScanCase cases[] = {
        {"comment tool definition", ";T01C0.0100\nX1\n", {"X 0.0001 end @3"}, "", {"01C0.0100"}, 3},
        {"comment without tool definition",
         ";no tool here T1x TT01\n;\nX1\n",
         {"X 0.0001 end @4"},
         "",
         {},
         4},
        {"T before the line feed leaves the next line whole",
         ";T\nX1\n;xT\nT02\n",
         {"X 0.0001 end @3", "T 2 @5"},
         "",
         {},
         5},
        {"G04 comment runs to the delimiter, not the line end",
         "G04 some words\nmore#G01\n",
         {"code 1 @2"},
         "",
         {},
         3},
        {"percent skips to the next M",
         "%\nX1\nM48\n%\nG01",
         {"code 40 @4", "code 1 @5"},
         "",
         {},
         5},
        {"end inside a comment line", ";T01C0.1", {}, "", {"01C0.1"}, 1},
        {"end inside a G04 comment", "G04 no delimiter\nX1\n", {}, "", {}, 3},
        {"end after a percent sign", "%X1\n", {}, "", {}, 2},
    };
    for (const ScanCase& c : cases) {
        ExpectScan(c);
    }
}

TEST(DrillScanner, CutsLongCollectedTextsAndReadsOnPastThem) {
    const std::string program = ";T01" + std::string(300, 'C') + "\nM48\nT" + std::string(50, 'D') +
                                "\n%\nG93" + std::string(70, 'X') + "\n";
    const ScanTrace trace(program, kFormat);
    EXPECT_EQ(trace.toolLines, (Lines{"01" + std::string(233, 'C'), std::string(43, 'D')}));
    EXPECT_EQ(trace.tokens, (Tokens{"code 40 @4", "code 29 [" + std::string(63, 'X') + "] @6"}));
}

TEST(DrillScanner, ReportsWhatItCannotRead) {
    const ScanCase cases[] = {
        {"G followed by non-digits",
         "G4X\nX1\n",
         {"X 0.0001 end invalid @3"},
         Message6() + Message7("4X", 1) + Message9('G', 1),
         {},
         3},
        {"unknown G code",
         "G99X1\n",
         {"X 0.0001 end invalid @2"},
         Message7("99", 1) + Message9('G', 1),
         {},
         2},
        {"unknown M code",
         "M95X1\n",
         {"X 0.0001 end invalid @2"},
         Message8("95", 1) + Message9('M', 1),
         {},
         2},
        {"T without two digits, reported after its line feed was looked at",
         "T1\nX1\n",
         {"X 0.0001 end invalid @3"},
         Message9('T', 2),
         {},
         3},
        {"unknown characters, a lone carriage return among them",
         "aF\tZ\rX1\n",
         {"X 0.0001 end invalid @2"},
         Message9('a', 1) + Message9('F', 1) + Message9('\t', 1) + Message9('Z', 1) +
             Message9('\r', 1),
         {},
         2},
        {"decimal point ends a number and is unknown",
         "X1.5Y2\n",
         {"X 0.0001 @1", "Y 0.0002 end invalid @2"},
         Message9('.', 1) + Message9('5', 1),
         {},
         2},
        {"unknown character reported with the line of the line feed after it",
         "X1\nQ\n",
         {"X 0.0001 end @2"},
         Message9('Q', 3),
         {},
         3},
        {"percent sign in the reported text is printed as it is",
         "G%d\n",
         {},
         Message6() + Message7("%d", 1) + Message9('G', 1),
         {},
         2},
        {"G at the end of the input reports the end value as its characters",
         "G",
         {},
         Message6() + Message7("\xFF\xFF", 1) + Message9('G', 1),
         {},
         1},
        {"M at the end of the input ends the scan silently",
         "X1 M4",
         {"X 0.0001 end @1"},
         "",
         {},
         1},
    };
    for (const ScanCase& c : cases) {
        ExpectScan(c);
    }
}

TEST(DrillScanner, ReportsAnErrorOnlyForTheCallThatMetIt) {
    const ScanTrace trace("Q X1 X2", kFormat);
    EXPECT_EQ(trace.tokens, (Tokens{"X 0.0001 end invalid @1", "X 0.0002 @1"}));
    EXPECT_TRUE(trace.validAtEnd);
    EXPECT_FALSE(ScanTrace("X1 Q", kFormat).validAtEnd);
}

TEST(DrillScanner, TakesTheBlockDelimiterFromTheSettings) {
    CDrillMachineFormat format = kFormat;
    format.delimiter = "*";
    ExpectScan(
        {"star delimiter", "X1*Y2#", {"X 0.0001 end @1", "Y 0.0002 @1"}, Message9('#', 1), {}, 1},
        format);
    format.delimiter = "";
    ExpectScan({"empty delimiter",
                std::string("X1\0Y2", 5),
                {"X 0.0001 end @1", "Y 0.0002 @1"},
                "",
                {},
                1},
               format);
}

TEST(DrillScanner, MissingFileIsNotOpen) {
    MessageCapture capture;
    CDrillScanner scanner("/nonexistent/perforex/none.drl", kFormat, capture.Stream());
    EXPECT_FALSE(scanner.IsOpen());
    EXPECT_EQ(scanner.GetFilePath(), "/nonexistent/perforex/none.drl");
    NCToken token;
    EXPECT_EQ(scanner.NextToken(token), nullptr);
    EXPECT_EQ(capture.Text(), "");
}

// A program that exercises every look-ahead and pushback of the scanner.
const char kBusyProgram[] =
    "M48\nINCH,LZ\nT01C0.0200\n%\nG93X5Y7\nT01\nG04 comment#N12X12345Y-500\n;T02C0.5\n"
    "G00X1Y1\nM15\nG01X20000\nG02X3Y4I5J6\nM16\nR05X1\nQ\nM30\n";

const Tokens kBusyTokens = {"code 40 @4",       "code 29 [X5Y7\n] @6", "T 1 @7",
                            "X 1.2345 @7",      "Y -0.05 end @8",      "code 0 @9",
                            "X 0.0001 @9",      "Y 0.0001 end @10",    "code 36 @10",
                            "code 1 @11",       "X 2 end @12",         "code 2 @12",
                            "X 0.0003 @12",     "Y 0.0004 @12",        "I 0.0005 @12",
                            "J 0.0006 end @13", "code 37 @13",         "R 5 @14",
                            "X 0.0001 end @15", "code 39 invalid @16"};

TEST(DrillScanner, ReadsAWholeProgram) {
    const ScanTrace trace(kBusyProgram, kFormat);
    EXPECT_EQ(trace.tokens, kBusyTokens);
    EXPECT_EQ(trace.messages, Message9('Q', 16));
    EXPECT_EQ(trace.toolLines, (Lines{"01C0.0200", "02C0.5"}));
    EXPECT_EQ(trace.finalLine, 17);
}

void ExpectSameTrace(const ScanTrace& actual, const ScanTrace& expected) {
    EXPECT_EQ(actual.tokens, expected.tokens);
    EXPECT_EQ(actual.messages, expected.messages);
    EXPECT_EQ(actual.toolLines, expected.toolLines);
    EXPECT_EQ(actual.finalLine, expected.finalLine);
}

std::string WithCarriageReturns(const std::string& program) {
    std::string result;
    for (const char c : program) {
        if (c == '\n') {
            result += '\r';
        }
        result += c;
    }
    return result;
}

TEST(DrillScanner, ReadsTheSameAcrossEveryBlockBoundaryPosition) {
    const ScanTrace expected(kBusyProgram, kFormat);
    const std::string crlf = WithCarriageReturns(kBusyProgram);
    for (int pad = 1990; pad <= 2060; ++pad) {
        SCOPED_TRACE("pad " + std::to_string(pad));
        ExpectSameTrace(ScanTrace(std::string(pad, ' ') + kBusyProgram, kFormat), expected);
        ExpectSameTrace(ScanTrace(std::string(pad + 2048, ' ') + crlf, kFormat), expected);
    }
}

TEST(DrillScanner, ReadsNumbersEndingExactlyAtTheEndOfABlock) {
    for (int size : {2047, 2048, 2049, 4097}) {
        SCOPED_TRACE("size " + std::to_string(size));
        const std::string program = std::string(static_cast<std::size_t>(size) - 3, ' ') + "X12";
        EXPECT_EQ(ScanTrace(program, kFormat).tokens, Tokens{"X 0.0012 @1"});
    }
}

TEST(DrillScanner, ReadsCarriageReturnLineFeedProgramsLikeLineFeedOnes) {
    ExpectSameTrace(ScanTrace(WithCarriageReturns(kBusyProgram), kFormat),
                    ScanTrace(kBusyProgram, kFormat));
}

TEST(DrillScanner, ReadsEbcdicProgramsWithTheEbcdicCharacterSetOnly) {
    const std::string ascii = "M48\nT01C0.0200\n%\nG93X5Y7\nT01\nX12345Y-500\nM30\n";
    const std::string ebcdic =
        "\xD4\xF4\xF8\x25\xE3\xF0\xF1\xC3\xF0\x4B\xF0\xF2\xF0\xF0\x25\x6C\x25\xC7\xF9\xF3\xE7\xF5"
        "\xE8\xF7\x25\xE3\xF0\xF1\x25\xE7\xF1\xF2\xF3\xF4\xF5\xE8\x60\xF5\xF0\xF0\x25\xD4\xF3\xF0"
        "\x25";
    CDrillMachineFormat format = kFormat;
    format.characterSet = CDrillMachineFormat::EBCDIC;
    const ScanTrace trace(ebcdic, format);
    EXPECT_EQ(trace.tokens, (Tokens{"code 40 @3", "code 29 [X5Y7\n] @5", "T 1 @6", "X 1.2345 @6",
                                    "Y -0.05 end @7", "code 39 @7"}));
    EXPECT_EQ(trace.toolLines, Lines{"01C0.0200"});
    format.characterSet = 3;
    ExpectSameTrace(ScanTrace(ascii, format), trace);
}

TEST(DrillScanner, AsciiByteFFEndsTheProgram) {
    EXPECT_EQ(ScanTrace("X1\xFFX2\n", kFormat).tokens, Tokens{"X 0.0001 @1"});
}

}  // namespace
