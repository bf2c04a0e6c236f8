#pragma once

#include <cstdint>

// A signed 128-bit integer in standard C++, for compilers without one of their own: two 64-bit
// halves in two's complement, so that sums and products wrap as the built-in ones do. It has
// just what exact lengths need.
class Int128 {
  public:
    constexpr Int128() = default;
    constexpr Int128(std::int64_t value)
        : low(static_cast<std::uint64_t>(value)), high(value < 0 ? ~std::uint64_t{0} : 0) {}
    // Builds the number from the two halves of its two's complement.
    constexpr Int128(std::uint64_t high, std::uint64_t low) : low(low), high(high) {}

    // Returns the full product of two 64-bit words, from four products of 32-bit halves.
    static constexpr Int128 Product(std::uint64_t first, std::uint64_t second) {
        const std::uint64_t firstLow = first & kLow32;
        const std::uint64_t firstHigh = first >> 32;
        const std::uint64_t secondLow = second & kLow32;
        const std::uint64_t secondHigh = second >> 32;
        const std::uint64_t lowLow = firstLow * secondLow;
        const std::uint64_t lowHigh = firstLow * secondHigh;
        const std::uint64_t highLow = firstHigh * secondLow;
        const std::uint64_t middle = (lowLow >> 32) + (lowHigh & kLow32) + (highLow & kLow32);
        return Int128(firstHigh * secondHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
                      (middle << 32) | (lowLow & kLow32));
    }

    // The low 64 bits, as the built-in conversion keeps them.
    explicit constexpr operator std::int64_t() const { return static_cast<std::int64_t>(low); }
    // The nearest double, ties to even.
    explicit operator double() const;

    constexpr Int128 operator-() const { return Int128(~high + (low == 0 ? 1 : 0), ~low + 1); }
    friend constexpr Int128 operator+(Int128 first, Int128 second) {
        const std::uint64_t low = first.low + second.low;
        return Int128(first.high + second.high + (low < first.low ? 1 : 0), low);
    }
    friend constexpr Int128 operator*(Int128 first, Int128 second) {
        const Int128 lowProduct = Product(first.low, second.low);
        return Int128(lowProduct.high + first.high * second.low + first.low * second.high,
                      lowProduct.low);
    }
    // Divides, truncating toward zero, by a divisor from 1 to 2^32 - 1.
    friend constexpr Int128 operator/(Int128 dividend, std::uint32_t divisor) {
        return dividend.IsNegative() ? -(-dividend).DivideMagnitude(divisor)
                                     : dividend.DivideMagnitude(divisor);
    }

    friend constexpr bool operator==(Int128 first, Int128 second) {
        return first.low == second.low && first.high == second.high;
    }
    friend constexpr bool operator!=(Int128 first, Int128 second) { return !(first == second); }
    friend constexpr bool operator<(Int128 first, Int128 second) {
        // Flipping the sign bits orders the signed high halves as unsigned ones.
        return first.high != second.high ? (first.high ^ kSignBit) < (second.high ^ kSignBit)
                                         : first.low < second.low;
    }
    friend constexpr bool operator>(Int128 first, Int128 second) { return second < first; }
    friend constexpr bool operator<=(Int128 first, Int128 second) { return !(second < first); }
    friend constexpr bool operator>=(Int128 first, Int128 second) { return !(first < second); }

  private:
    static constexpr std::uint64_t kLow32 = 0xFFFFFFFFULL;
    static constexpr std::uint64_t kSignBit = 0x8000000000000000ULL;

    constexpr bool IsNegative() const { return (high & kSignBit) != 0; }
    // Divides the halves read as one unsigned number, 32 bits at a time below the high half so
    // that each partial dividend fits 64 bits.
    constexpr Int128 DivideMagnitude(std::uint32_t divisor) const {
        const std::uint64_t upper = ((high % divisor) << 32) | (low >> 32);
        const std::uint64_t lower = ((upper % divisor) << 32) | (low & kLow32);
        return Int128(high / divisor, ((upper / divisor) << 32) | (lower / divisor));
    }

    std::uint64_t low = 0;
    std::uint64_t high = 0;
};
