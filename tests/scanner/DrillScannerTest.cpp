#include "scanner/DrillScanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MessageCapture.h"
#include "ScanTrace.h"
#include "TempFile.h"

namespace {

using Tokens = std::vector<std::string>;
const CDrillMachineFormat kFormat = MakeFormat(2, 4);

TEST(DrillScanner, CutsLongCollectedTextsAndReadsOnPastThem) {
    const std::string program = ";T01" + std::string(300, 'C') + "\nM48\nT" + std::string(50, 'D') +
                                "\n%\nG93" + std::string(70, 'X') + "\n";
    const ScanTrace trace(program, kFormat);
    EXPECT_EQ(trace.toolLines, (Tokens{"01" + std::string(233, 'C'), std::string(43, 'D')}));
    EXPECT_EQ(trace.tokens, (Tokens{"code 40 @4", "code 29 [" + std::string(63, 'X') + "] @6"}));
}

TEST(DrillScanner, KeepsNoToolLinesOnceToldToStopButReadsOnAlike) {
    TempFile file(";T01C0.1\nM48\nT02C0.2\n%\n;T03C0.3\nM48\nT04C0.4\n%\nX1\n");
    CDrillScanner scanner(file.Path(), kFormat, nullptr);
    NCToken token;
    ASSERT_NE(scanner.NextToken(token), nullptr);
    EXPECT_EQ(token.code, CODE_M48);
    EXPECT_EQ(scanner.GetToolLines(), (Tokens{"01C0.1", "02C0.2"}));
    scanner.StopCollectingToolLines();
    ASSERT_NE(scanner.NextToken(token), nullptr);
    EXPECT_EQ(token.code, CODE_M48);
    EXPECT_EQ(scanner.GetLineNumber(), 8);
    ASSERT_NE(scanner.NextToken(token), nullptr);
    EXPECT_EQ(token.type, TOKEN_X);
    EXPECT_EQ(scanner.GetToolLines(), (Tokens{"01C0.1", "02C0.2"}));
}

TEST(DrillScanner, MissingFileIsNotOpenAndGivesNoToken) {
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

std::string WithCarriageReturns(const std::string& program) {
    std::string result;
    for (const char c : program) {
        result += c == '\n' ? "\r\n" : std::string(1, c);
    }
    return result;
}

TEST(DrillScanner, ReadsTheSameWhereverABlockBoundaryFallsAndWithCarriageReturns) {
    ExpectBusyTrace(kBusyProgram);
    const std::string crlf = WithCarriageReturns(kBusyProgram);
    ExpectBusyTrace(crlf);
    for (int pad = 1990; pad <= 2060; ++pad) {
        SCOPED_TRACE("pad " + std::to_string(pad));
        ExpectBusyTrace(std::string(static_cast<std::size_t>(pad), ' ') + kBusyProgram);
        ExpectBusyTrace(std::string(static_cast<std::size_t>(pad) + 2048, ' ') + crlf);
    }
}

TEST(DrillScanner, ReadsNumbersEndingExactlyAtTheEndOfTheFile) {
    for (std::size_t size : {2047, 2048, 2049, 4097}) {
        const std::string program = std::string(size - 3, ' ') + "X12";
        EXPECT_EQ(ScanTrace(program, kFormat).tokens, Tokens{"X 0.0012 end @1"}) << size;
    }
}

}  // namespace
