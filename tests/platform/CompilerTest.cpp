#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <random>
#include <vector>

#include "platform/Compiler.h"
#include "platform/Int128.h"

// The standard C++ fallbacks are tested in every build, whichever the library uses. The expected
// numbers were worked out with Python's exact integers and float.hex().
namespace {

constexpr Int128 kTenTo36{0xC097CE7BC90715, 0xB34B9F1000000000};
constexpr Int128 kMax{0x7FFFFFFFFFFFFFFF, 0xFFFFFFFFFFFFFFFF};

TEST(Int128Test, MultipliesWordsToTheFullProduct) {
    const struct {
        std::uint64_t first;
        std::uint64_t second;
        Int128 product;
    } products[] = {
        {0xFFFFFFFFFFFFFFFF, 0xFFFFFFFFFFFFFFFF, {0xFFFFFFFFFFFFFFFE, 0x1}},
        {0x100000000, 0x100000000, {0x1, 0x0}},
        {1000000000000000000, 1000000000000000000, kTenTo36},
        {9999999999999999999ULL, 25400000000000000, {0x30EB2AB8047812, 0x4F7E16C1A6B48000}},
        {0x1FFFFFFFF, 0xFFFFFFFF00000001, {0x1FFFFFFFD, 0x2FFFFFFFF}},
        {0x0, 0xFFFFFFFFFFFFFFFF, {0x0, 0x0}},
    };
    for (const auto& c : products) {
        EXPECT_EQ(Int128::Product(c.first, c.second), c.product) << c.first << " * " << c.second;
        EXPECT_EQ(Int128::Product(c.second, c.first), c.product) << c.second << " * " << c.first;
    }
}

// Ascending values, each with its product by a factor, its remainder of a division by 10 and its
// nearest double; each holds for the negated value with the results negated.
struct ValueCase {
    Int128 value;
    int factor;
    Int128 product;
    int remainder;
    double nearest;
};
constexpr ValueCase kValues[] = {
    {{0x0, 0x0}, 65535, {0x0, 0x0}, 0, 0.0},
    // 2^63 - 1 and 2^63.
    {{0x0, 0x7FFFFFFFFFFFFFFF}, 10, {0x4, 0xFFFFFFFFFFFFFFF6}, 7, 0x1p63},
    {{0x0, 0x8000000000000000}, 254, {0x7F, 0x0}, 8, 0x1p63},
    // 2^64 - 1, 2^64, then 2^64 + 2048 (a tie to the even 2^64), just above it, and 2^64 + 6144
    // (a tie to the even 2^64 + 8192).
    {{0x0, 0xFFFFFFFFFFFFFFFF}, 65535, {0xFFFE, 0xFFFFFFFFFFFF0001}, 5, 0x1p64},
    {{0x1, 0x0}, 10, {0xA, 0x0}, 6, 0x1p64},
    {{0x1, 0x800}, 10, {0xA, 0x5000}, 4, 0x1p64},
    {{0x1, 0x801}, 254, {0xFE, 0x7F0FE}, 5, 0x1.0000000000001p64},
    {{0x1, 0x1800}, 10, {0xA, 0xF000}, 0, 0x1.0000000000002p64},
    // 2^100 + 2^47 (a tie) and just above it, where the deciding bit lies below the top 64.
    {{0x1000000000, 0x800000000000}, 10, {0xA000000000, 0x5000000000000}, 4, 0x1p100},
    {{0x1000000000, 0x800000000001}, 10, {0xA000000000, 0x500000000000A}, 5, 0x1.0000000000001p100},
    // 10^36 and 2^127 - 1.
    {kTenTo36, 10, {0x785EE10D5DA46D9, 0xF436A000000000}, 0, 0x1.812f9cf7920e3p119},
    {kMax, 1, kMax, 7, 0x1p127},
};

TEST(Int128Test, AddsMultipliesDividesAndConvertsEitherSign) {
    for (const ValueCase& c : kValues) {
        SCOPED_TRACE(c.nearest);
        EXPECT_EQ(c.value + -c.value, Int128(0));
        EXPECT_EQ(c.value * c.factor, c.product);
        EXPECT_EQ(-c.value * c.factor, -c.product);
        EXPECT_EQ(c.product + c.value, c.value * (c.factor + 1));
        EXPECT_EQ(-c.product + -c.value, c.value * -(c.factor + 1));
        // Truncation leaves the remainder with the sign of the value.
        EXPECT_EQ(c.value / 10 * 10 + c.remainder, c.value);
        EXPECT_EQ(-c.value / 10 * 10 + -c.remainder, -c.value);
        EXPECT_EQ(static_cast<double>(c.value), c.nearest);
        EXPECT_EQ(static_cast<double>(-c.value), -c.nearest);
    }
}

TEST(Int128Test, OrdersByTheSignedValue) {
    // -2^127, then the values of the table negated and as they are, which ascend.
    std::vector<Int128> ascending{{0x8000000000000000, 0x0}};
    for (std::size_t i = std::size(kValues) - 1; i > 0; --i) {
        ascending.push_back(-kValues[i].value);
    }
    for (const ValueCase& c : kValues) {
        ascending.push_back(c.value);
    }
    for (std::size_t i = 0; i < ascending.size(); ++i) {
        for (std::size_t j = 0; j < ascending.size(); ++j) {
            EXPECT_EQ(ascending[i] < ascending[j], i < j) << i << " " << j;
            EXPECT_EQ(ascending[i] > ascending[j], i > j) << i << " " << j;
            EXPECT_EQ(ascending[i] >= ascending[j], i >= j) << i << " " << j;
            EXPECT_EQ(ascending[i] != ascending[j], i != j) << i << " " << j;
        }
    }
    EXPECT_EQ(static_cast<std::int64_t>(Int128(~0ULL, 0x8000000000000000)), INT64_MIN);
}

#if defined(__SIZEOF_INT128__)
__extension__ typedef __int128 Builtin;
__extension__ typedef unsigned __int128 BuiltinUnsigned;

std::uint64_t Low(BuiltinUnsigned value) {
    return static_cast<std::uint64_t>(value);
}
Int128 FromBuiltin(BuiltinUnsigned value) {
    return Int128(Low(value >> 64), Low(value));
}

// Shifted right by up to 127 bits, to reach every magnitude of either sign.
Builtin RandomOperand(std::mt19937_64& random) {
    const BuiltinUnsigned bits = (static_cast<BuiltinUnsigned>(random()) << 64) | random();
    return static_cast<Builtin>(bits) >> (random() % 128);
}

TEST(Int128Test, AgreesWithTheCompilersInt128) {
    std::mt19937_64 random(20261207);
    for (int round = 0; round < 4000; ++round) {
        const Builtin x = RandomOperand(random), y = RandomOperand(random);
        const std::uint64_t factor = random() % 65536, xLow = Low(x), yLow = Low(y);
        const Int128 a = FromBuiltin(x), b = FromBuiltin(y);
        ASSERT_EQ(Int128::Product(xLow, yLow), FromBuiltin(BuiltinUnsigned{xLow} * yLow));
        ASSERT_EQ(a + b, FromBuiltin(BuiltinUnsigned(x) + BuiltinUnsigned(y)));
        ASSERT_EQ(a * static_cast<std::int64_t>(factor), FromBuiltin(BuiltinUnsigned(x) * factor));
        ASSERT_EQ(-a, FromBuiltin(-BuiltinUnsigned(x)));
        ASSERT_EQ(a / 10, FromBuiltin(x / 10));
        ASSERT_EQ(a < b, x < y);
        ASSERT_EQ(a == b, x == y);
        ASSERT_EQ(static_cast<double>(a), static_cast<double>(x));
    }
}
#endif

TEST(CompilerTest, CountsTrailingZerosWithAndWithoutTheBuiltIn) {
    for (int position = 0; position < 64; ++position) {
        const std::uint64_t bit = std::uint64_t{1} << position;
        // The bit alone, with every bit above it, and with the top bit.
        for (const std::uint64_t word : {bit, 0 - bit, bit | std::uint64_t{1} << 63}) {
            EXPECT_EQ(Compiler::PortableCountTrailingZeros(word), position) << word;
            EXPECT_EQ(Compiler::CountTrailingZeros(word), position) << word;
        }
    }
}

}  // namespace
