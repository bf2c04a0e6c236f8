#include "HeaderPrefix.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PrefixCase {
    const char* program;
    // Length of the part up to the end of the header; -1 for the whole program.
    int length;
};

TEST(HeaderPrefixTest, EndsAfterTheLineThatEndsTheHeader) {
    const PrefixCase cases[] = {
        {"M48\nINCH,LZ\nT01C0.011\n%\nT01\nX1Y1\n", 24},
        {"M48\r\nMETRIC\r\n  %  \r\nT01\r\n", 20},
        {";FILE_FORMAT=2:4\nM48\nT1C0.5\nM95\nX1\n", 32},
        // A % before the header ends nothing; one that follows it does.
        {"%\nM48\nINCH\n%\nX1\n", 13},
        {"M48\nINCH\nT01C0.1\nX1Y1\n", -1},
        {"T01\nX1Y1\n%\n", -1},
        {"M48\rINCH\r%\rX1\r", -1},
    };
    for (const PrefixCase& test : cases) {
        const std::string program = test.program;
        const std::size_t expected =
            test.length < 0 ? program.size() : static_cast<std::size_t>(test.length);
        EXPECT_EQ(HeaderPrefix::Length(program), expected) << program;
    }
}

}  // namespace
