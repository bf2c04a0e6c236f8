#include <gtest/gtest.h>

#include <sstream>

#include "MessageCapture.h"
#include "RecordingHost.h"
#include "ScanCase.h"
#include "ScanTrace.h"
#include "TempFile.h"
#include "interpreter/DrillInterpreter.h"

namespace {

class ScanCases : public testing::TestWithParam<const char*> {};

TEST_P(ScanCases, GiveTheirTokensMessagesToolLinesAndLineNumber) {
    const std::vector<ScanCase> cases =
        ScanCase::Load(std::string(PERFOREX_SCANNER_DATA "/") + GetParam());
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

// Whole reads in the AUTO dialect, with the case's settings as the fallback format.
TEST(AutoReadCases, GiveTheirCallbacksMessagesAndResult) {
    const std::vector<ScanCase> cases = ScanCase::Load(PERFOREX_SCANNER_DATA "/auto.txt");
    EXPECT_FALSE(cases.empty());
    for (ScanCase c : cases) {
        SCOPED_TRACE(c.name);
        c.format.dataType = CDrillMachineFormat::AUTO;
        TempFile file(c.program, ".drl");
        RecordingHost host;
        MessageCapture capture;
        CDrillInterpreter<CAutoScanner> interpreter(&host, capture.Stream(), c.format, file.Path());
        const int result = interpreter.Run() ? 1 : 0;
        std::istringstream transcript(host.Transcript());
        std::vector<std::string> callbacks;
        for (std::string line; std::getline(transcript, line);) {
            callbacks.push_back(line);
        }
        EXPECT_EQ(callbacks, c.callbacks);
        EXPECT_EQ(capture.Text(), c.messages);
        EXPECT_EQ(result, c.result);
    }
}

}  // namespace
