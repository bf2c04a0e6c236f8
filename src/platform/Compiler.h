#pragma once

#include <array>
#include <cstdint>

#include "platform/Int128.h"

// What only some compilers offer, each beside a standard C++ fallback. Defining PERFOREX_PORTABLE
// takes every fallback, so that the code a compiler without the extensions builds is tested too.
#if defined(__GNUC__) && !defined(PERFOREX_PORTABLE)
#define PERFOREX_GNU_EXTENSIONS 1
#else
#define PERFOREX_GNU_EXTENSIONS 0
#endif

// Lets the compiler check the arguments of a printf-style function against its format; the
// indices count from 1, with the object of a member function as the first.
#if PERFOREX_GNU_EXTENSIONS
#define PERFOREX_PRINTF_FORMAT(formatIndex, firstArgument) \
    __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define PERFOREX_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

// Keeps a rarely taken call out of the hot function that makes it, so that the hot path stays
// small.
#if PERFOREX_GNU_EXTENSIONS
#define PERFOREX_NOINLINE __attribute__((noinline))
#else
#define PERFOREX_NOINLINE
#endif

class Compiler {
  public:
    // Tells whether words load little-endian here. Without the compiler's byte order, the
    // targets known to be little-endian: every Windows one, and x86.
    static constexpr bool kLittleEndian =
#if PERFOREX_GNU_EXTENSIONS && defined(__BYTE_ORDER__)
        __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;
#elif defined(_WIN32) || defined(__x86_64__) || defined(__i386__)
        true;
#else
        false;
#endif

    // A signed 128-bit integer: the compiler's own where it has one.
#if PERFOREX_GNU_EXTENSIONS && defined(__SIZEOF_INT128__)
    __extension__ typedef __int128 Signed128;
    // Returns the full product of two 64-bit words.
    static constexpr Signed128 Product128(std::uint64_t first, std::uint64_t second) {
        __extension__ typedef unsigned __int128 Unsigned128;
        return static_cast<Signed128>(static_cast<Unsigned128>(first) * second);
    }
#else
    using Signed128 = Int128;
    static constexpr Signed128 Product128(std::uint64_t first, std::uint64_t second) {
        return Int128::Product(first, second);
    }
#endif

    // Returns the number of zero bits below the lowest one bit of word, which is not 0.
    static int CountTrailingZeros(std::uint64_t word) {
#if PERFOREX_GNU_EXTENSIONS
        return __builtin_ctzll(word);
#else
        return PortableCountTrailingZeros(word);
#endif
    }
    // The standard C++ CountTrailingZeros: the lowest one bit alone, times a de Bruijn sequence,
    // leaves a distinct pattern in the top six bits for each position.
    static constexpr int PortableCountTrailingZeros(std::uint64_t word) {
        return kDeBruijnPositions[((word & (0 - word)) * kDeBruijn) >> 58];
    }

  private:
    static constexpr std::uint64_t kDeBruijn = 0x03F79D71B4CB0A89ULL;
    static constexpr std::array<std::uint8_t, 64> kDeBruijnPositions = [] {
        std::array<std::uint8_t, 64> positions{};
        for (std::uint8_t position = 0; position < 64; ++position) {
            positions[(kDeBruijn << position) >> 58] = position;
        }
        return positions;
    }();
};
