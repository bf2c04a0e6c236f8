#include "messages/MessageFormatter.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

struct Formatted {
    std::size_t length;
    std::string text;
};

// Formats through MessageFormatter, or through std::vsnprintf, the reference it must match.
Formatted FormatWith(bool reference, std::size_t capacity, const char* format, ...) {
    char text[64] = "untouched";
    va_list args;
    va_start(args, format);
    const std::size_t length =
        reference ? static_cast<std::size_t>(std::vsnprintf(text, capacity, format, args))
                  : MessageFormatter::Format(text, capacity, format, args);
    va_end(args);
    return {length, text};
}

template <typename... Arguments>
void ExpectAsPrintf(std::size_t capacity, const char* format, Arguments... arguments) {
    const Formatted ours = FormatWith(false, capacity, format, arguments...);
    const Formatted printf = FormatWith(true, capacity, format, arguments...);
    EXPECT_EQ(ours.length, printf.length) << format;
    EXPECT_EQ(ours.text, printf.text) << format;
}

TEST(MessageFormatterTest, FormatsTheTableSConversionsAsPrintfDoes) {
    const std::string longText(40, 'x');
    // Capacities that hold all, that cut inside a literal, a number and a string, and none.
    for (const std::size_t capacity : {64, 31, 20, 12, 1, 0}) {
        SCOPED_TRACE(capacity);
        ExpectAsPrintf(capacity, "Error: Value out of range at line number %d\n", 2000001);
        ExpectAsPrintf(capacity, "lines %d to %d, %d", INT_MIN, INT_MAX, 0);
        ExpectAsPrintf(capacity, "Unknown character %c found at line number %d\n", 'G', -7);
        ExpectAsPrintf(capacity, "  in file \\\"%s\\\"\n", longText.c_str());
        ExpectAsPrintf(capacity, "skipped after a %% at %d%%", 12);
        ExpectAsPrintf(capacity, "%s%c", "", '\t');
    }
}

TEST(MessageFormatterTest, LeavesOtherConversionsToPrintf) {
    for (const char* format : {"%5d", "%g", "%x", "ends in %"}) {
        EXPECT_EQ(FormatWith(false, 64, format, 1).length, MessageFormatter::kUnsupported)
            << format;
    }
}

}  // namespace
