#include <gtest/gtest.h>

#include "ScanCase.h"
#include "ScanTrace.h"

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

}  // namespace
