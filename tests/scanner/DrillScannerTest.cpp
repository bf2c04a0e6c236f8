#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScanTrace.h"

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

// A program that exercises every look-ahead and pushback of the scanner.
const char kBusyProgram[] =
    "M48\nINCH,LZ\nT01C0.0200\n%\nG93X5Y7\nT01\nG04 comment#N12X12345Y-500\n;T02C0.5\n"
    "G00X1Y1\nM15\nG01X20000\nG02X3Y4I5J6\nM16\nR05X1\nQ\nM30\n";

// clang-format off
const Tokens kBusyTokens = {
    "code 40 @4", "code 29 [X5Y7\n] @6", "T 1 @7", "X 1.2345 @7", "Y -0.05 end @8", "code 0 @9",
    "X 0.0001 @9", "Y 0.0001 end @10", "code 36 @10", "code 1 @11", "X 2 end @12", "code 2 @12",
    "X 0.0003 @12", "Y 0.0004 @12", "I 0.0005 @12", "J 0.0006 end @13", "code 37 @13", "R 5 @14",
    "X 0.0001 end @15", "code 39 invalid @16"};
// clang-format on

void ExpectBusyTrace(const std::string& program) {
    const ScanTrace trace(program, kFormat);
    EXPECT_EQ(trace.tokens, kBusyTokens);
    EXPECT_EQ(trace.messages, "Error: Unknown character Q found at line number 16\n");
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
