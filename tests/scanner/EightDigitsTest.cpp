#include "scanner/EightDigits.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Returns the word of the first eight bytes of text.
std::uint64_t Word(const std::string& text) {
    return EightDigits::Load(reinterpret_cast<const unsigned char*>(text.data()));
}

TEST(EightDigits, FindsTheFirstByteThatIsNoDigit) {
    // The bytes just outside "0" to "9", and bytes whose carry could reach the next byte.
    const std::string stoppers[] = {"/",    ":",  "\xFF", "\xFA",
                                    "\xF9", "\n", "@",    std::string(1, '\0')};
    for (std::size_t digits = 0; digits < 8; ++digits) {
        for (const std::string& stopper : stoppers) {
            const std::string text =
                (std::string("90817263").substr(0, digits) + stopper + std::string("55555555"))
                    .substr(0, 8);
            EXPECT_EQ(EightDigits::LeadingDigits(Word(text)), static_cast<int>(digits))
                << digits << " digits before byte " << static_cast<int>(stopper[0] & 0xFF);
        }
    }
    EXPECT_EQ(EightDigits::LeadingDigits(Word("09876543")), 8);
}

TEST(EightDigits, GivesTheValueOfTheLeadingDigits) {
    const std::string text = "98765432";
    for (int count = 1; count <= 8; ++count) {
        const std::string digits = text.substr(0, static_cast<std::size_t>(count));
        EXPECT_EQ(EightDigits::Value(Word(digits + "X-\n#####"), count), std::stoull(digits))
            << digits;
    }
    // Bytes below "0" right after the digits borrow when the digits are turned into values.
    const std::string lowStoppers[] = {"\n", std::string(1, '\0'), "/", "-\n"};
    for (int count = 1; count < 8; ++count) {
        const std::string digits = text.substr(0, static_cast<std::size_t>(count));
        for (const std::string& stopper : lowStoppers) {
            const std::string word = (digits + stopper + std::string(8, '\0')).substr(0, 8);
            EXPECT_EQ(EightDigits::Value(Word(word), count), std::stoull(digits))
                << digits << " before byte " << static_cast<int>(stopper[0] & 0xFF);
        }
    }
    EXPECT_EQ(EightDigits::Value(Word("00000000"), 8), 0u);
    EXPECT_EQ(EightDigits::Value(Word("00000107"), 8), 107u);
    EXPECT_EQ(EightDigits::Value(Word("99999999"), 8), 99999999u);
}

}  // namespace
