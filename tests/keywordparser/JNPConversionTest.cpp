#include <gtest/gtest.h>

#include <string>

#include "keywordparser/JNPConversion.h"

namespace {

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
