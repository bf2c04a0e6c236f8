#pragma once

#include <cstdint>
#include <cstring>

#include "platform/Compiler.h"

// Reads up to eight decimal digits at once from eight bytes loaded as one little-endian word,
// the first byte in the lowest position.
class EightDigits {
  public:
    // Tells whether words load little-endian here, which the other operations need.
    static constexpr bool kAvailable = Compiler::kLittleEndian;

    // Loads the eight bytes at bytes as one word.
    static std::uint64_t Load(const unsigned char* bytes) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes, sizeof word);
        return word;
    }

    // Returns how many of the word's bytes, from the first, are the digits "0" to "9".
    static int LeadingDigits(std::uint64_t word) {
        // A digit byte (0x30 to 0x39) has 3 in its high nibble, and so has the digit plus 6. A
        // carry out of a byte only comes from a byte that is no digit, so it never hides the
        // first one.
        const std::uint64_t nibbles =
            (word & kHighNibbles) | (((word + kSixes) & kHighNibbles) >> 4);
        const std::uint64_t mismatch = nibbles ^ kThrees;
        return mismatch == 0 ? 8 : Compiler::CountTrailingZeros(mismatch) / 8;
    }

    // Returns the value of the first count bytes of the word, which are digits (1 to 8 of them).
    static std::uint64_t Value(std::uint64_t word, int count) {
        // Turns every byte into its digit value and moves the digits to the end, shifting in
        // zero bytes. A borrow from a byte after the digits only runs on into later bytes, which
        // the shift drops.
        const int missing = 8 - count;
        std::uint64_t digits = (word - kZeros) << (8 * missing);
        digits = digits * 10 + (digits >> 8);
        return (((digits & kEvenPairs) * (100 + (1000000ULL << 32))) +
                (((digits >> 16) & kEvenPairs) * (1 + (10000ULL << 32)))) >>
               32;
    }

  private:
    static constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0ULL;
    static constexpr std::uint64_t kSixes = 0x0606060606060606ULL;
    static constexpr std::uint64_t kThrees = 0x3333333333333333ULL;
    static constexpr std::uint64_t kZeros = 0x3030303030303030ULL;
    static constexpr std::uint64_t kEvenPairs = 0x000000FF000000FFULL;
};
