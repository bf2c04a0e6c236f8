#include <gtest/gtest.h>

#include <string>

#include "keywordparser/JNPConversion.h"

namespace {

TEST(JNPConversion, ConvertsIntegersWithTheirBaseAndRange) {
    const struct {
        const char* token;
        bool whole, inRange;
        int value;
        char stop;
    } cases[] = {
        {"42", true, true, 42, '\0'},
        {"-7", true, true, -7, '\0'},
        {"0X1F", true, true, 31, '\0'},
        {"010", true, true, 8, '\0'},
        {"2147483647", true, true, 2147483647, '\0'},
        {"-2147483648", true, true, -2147483647 - 1, '\0'},
        {"2147483648", true, false, 0, '\0'},
        {"0XFFFFFFFF", true, false, 0, '\0'},
        {"99999999999999999999", true, false, 0, '\0'},
        {"12X", false, true, 12, 'X'},
        {"ABC", false, true, 0, 'A'},
        {"08", false, true, 0, '8'},
        {"1.5", false, true, 1, '.'},
        {"-", false, true, 0, '-'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.token);
        const JNPConversion::Integer integer = JNPConversion::ToInteger(c.token);
        EXPECT_EQ(integer.whole, c.whole);
        EXPECT_EQ(integer.inRange, c.inRange);
        EXPECT_EQ(integer.stop, c.stop);
        if (c.inRange) {
            EXPECT_EQ(integer.value, c.value);
        }
    }
}

TEST(JNPConversion, AcceptsOnlyDecimalDoubles) {
    const struct {
        const char* token;
        bool whole;
        double value;
        char stop;
    } cases[] = {
        {"1.5", true, 1.5, '\0'},    {"-.25", true, -0.25, '\0'},  {"5.", true, 5.0, '\0'},
        {"1E3", true, 1000.0, '\0'}, {"2.5E-1", true, 0.25, '\0'}, {"08", true, 8.0, '\0'},
        {"1E", false, 0, 'E'},       {"1.5Q", false, 0, 'Q'},      {"0X10", false, 0, 'X'},
        {"INF", false, 0, 'I'},      {"NAN", false, 0, 'N'},       {".", false, 0, '.'},
        {"+", false, 0, '+'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.token);
        const JNPConversion::Double real = JNPConversion::ToDouble(c.token);
        EXPECT_EQ(real.whole, c.whole);
        EXPECT_EQ(real.stop, c.stop);
        if (c.whole) {
            EXPECT_EQ(real.value, c.value);
        }
    }
}

TEST(JNPConversion, ReplacesEscapeSequences) {
    const struct {
        const char* raw;
        std::string text;
    } cases[] = {
        {"A\\\"B", "A\"B"},    {"\\'\\\\\\b\\f\\n\\r\\t\\v", "'\\\b\f\n\r\t\v"},
        {"a\\\n  \t b", "ab"}, {"\\101BC", "ABC"},
        {"\\1017", "\x0F"},    {"\\4018", std::string("\x01") + "8"},
        {"x\\q", "x"},         {"\\x41", "41"},
        {"\\N", ""},           {"a\\0b", "a"},
        {"\\ 7", "\x07 7"},    {"end\\", "end"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JNPConversion::Unescape(c.raw), c.text) << c.raw;
    }
}

}  // namespace
