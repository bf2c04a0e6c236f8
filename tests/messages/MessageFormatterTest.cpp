#include "messages/MessageFormatter.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

// Formats through MessageFormatter, or through std::vsnprintf, the reference it must match;
// returns the length, then the text.
std::string FormatWith(bool reference, std::size_t capacity, const char* format, ...) {
    char text[64] = "untouched";
    va_list args;
    va_start(args, format);
    const std::size_t length =
        reference ? static_cast<std::size_t>(std::vsnprintf(text, capacity, format, args))
                  : MessageFormatter::Format(text, capacity, format, args);
    va_end(args);
    return std::to_string(length) + " " + text;
}

template <typename... Arguments>
void ExpectAsPrintf(std::size_t capacity, const char* format, Arguments... arguments) {
    EXPECT_EQ(FormatWith(false, capacity, format, arguments...),
              FormatWith(true, capacity, format, arguments...));
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
        ExpectAsPrintf(capacity, "%d%d%d%d%d%d%d%d", 1, 22, 333, 4444, 5, 6, 7, 8);
    }
}

TEST(MessageFormatterTest, LeavesOtherConversionsToPrintf) {
    // Nine conversions are one more than a split format holds.
    for (const char* format : {"%5d", "%g", "%x", "ends in %", "%d%d%d%d%d%d%d%d%d"}) {
        // The text is then undefined: only the length is told.
        const std::string unsupported = std::to_string(MessageFormatter::kUnsupported) + " ";
        EXPECT_EQ(FormatWith(false, 64, format, 1).substr(0, unsupported.size()), unsupported);
    }
}

}  // namespace
