#pragma once

#include <cstdint>

// Classes of the characters the scanner tests in its inner loops, one table lookup each. The end
// value falls on entry 255, which has no class because no character ever reaches it.
class CharacterClassTable {
  public:
    // Builds the table for a program whose block delimiter is the given character.
    explicit CharacterClassTable(char delimiter);

    bool IsDigit(int c) const { return Has(c, kDigit); }
    // Tells the delimiter, the line feed and the space, which end a block.
    bool IsSeparator(int c) const { return Has(c, kSeparator); }
    // Tells the separators that the scanner passes over between tokens: all but a delimiter ";",
    // which starts a comment line.
    bool IsPassedOver(int c) const { return Has(c, kPassedOver); }
    // Tells the letters R, X, Y, A, I and J, which a number follows, except one chosen as the
    // delimiter, which separates instead.
    bool IsNumberLetter(int c) const { return Has(c, kNumberLetter); }
    // Tells the characters after which the text of a G93 code stops.
    bool EndsG93Text(int c) const { return Has(c, kG93TextEnd); }

  private:
    static constexpr std::uint8_t kDigit = 1;
    static constexpr std::uint8_t kSeparator = 2;
    static constexpr std::uint8_t kG93TextEnd = 4;
    static constexpr std::uint8_t kNumberLetter = 8;
    static constexpr std::uint8_t kPassedOver = 16;

    // Gives character c the class flag; the end value's entry is left alone.
    void Add(char c, std::uint8_t flag);
    // Tells whether character c (or the end value) has the class flag.
    bool Has(int c, std::uint8_t flag) const {
        return (classes[static_cast<unsigned char>(c)] & flag) != 0;
    }

    std::uint8_t classes[256] = {};
};
