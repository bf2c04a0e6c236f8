#pragma once

#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "machineformat/DrillMachineFormat.h"
#include "platform/Compiler.h"

// A length of the drill program kept exactly, as a whole number of attometres (10^-18 m). An inch
// is 254 * 10^14 of them and a millimetre 10^15, so a number written with up to 14 decimals of an
// inch or 15 of a millimetre is held exactly and sums of such numbers stay exact; finer digits are
// cut at the attometre, which never moves the nanometre a single number rounds to. Lengths beyond
// kLimit are held as kLimit with their sign, so that no sum overflows.
class ExactLength {
  public:
    using Attometres = Compiler::Signed128;

    // A unit of the drill program: mantissa * 10^exponent attometres.
    struct Unit {
        std::int64_t mantissa;
        int exponent;
    };
    static constexpr Unit kInch{254, 14};
    static constexpr Unit kMillimetre{1, 15};
    static constexpr Unit kMil{254, 11};
    // Returns the unit a machine format's unit code names (CDrillMachineFormat::IN or MM).
    static constexpr Unit UnitOf(int machineFormatUnit) {
        return machineFormatUnit == CDrillMachineFormat::MM ? kMillimetre : kInch;
    }
    // Most significant digits of a number that are read; the rest changes a length in range by
    // less than an attometre.
    static constexpr std::size_t kSignificantDigits = 19;

    constexpr ExactLength() = default;

    // Returns the length of digits * 10^-decimals units, negative when sign is negative.
    static ExactLength FromDecimal(std::uint64_t digits, long long decimals, int sign, Unit unit) {
        if (decimals >= 0 && decimals <= unit.exponent) {
            // The common case: one product of 64 bits by 64, at most 1.9 * 10^19 * 2.54 * 10^16.
            const std::uint64_t factor = static_cast<std::uint64_t>(
                unit.mantissa * kPowersOfTen[unit.exponent - static_cast<int>(decimals)]);
            const Attometres value = Compiler::Product128(digits, factor);
            return ExactLength(sign < 0 ? -value : value);
        }
        return FromScaledDecimal(digits, decimals, sign, unit);
    }
    // Returns the length of a digit text of any length with decimals of its digits after the
    // decimal point; reads its first kSignificantDigits significant digits.
    static ExactLength FromDigitText(std::string_view digits, long long decimals, int sign,
                                     Unit unit);
    // Returns the length of the number at the start of text, read as atof reads a text of digits
    // and points: digits, a point and digits, up to the first other character or second point.
    static ExactLength FromLeadingNumber(std::string_view text, Unit unit);
    // Returns the length of a whole number of units.
    static ExactLength FromWhole(long long units, Unit unit);

    ExactLength operator+(ExactLength other) const {
        return ExactLength(Clamped(attometres + other.attometres));
    }
    ExactLength& operator+=(ExactLength other) { return *this = *this + other; }
    // Returns the length count times over (count from 0 to 65535).
    ExactLength Times(int count) const;
    bool IsZero() const { return attometres == 0; }
    bool IsNegative() const { return attometres < 0; }
    bool IsPositive() const { return attometres > 0; }

    // Writes the length rounded to the nearest nanometre, halves away from zero, to result;
    // returns false and leaves result alone when that does not fit in 32 bits.
    bool ToNanometres(int& result) const {
        // Lengths in range fit 64 bits many times over, where the division by a constant is cheap.
        // Compilers fold the two comparisons into one.
        if (attometres < -kWithin64Bits || attometres >= kWithin64Bits) {
            return false;
        }
        const std::int64_t value = static_cast<std::int64_t>(attometres);
        const std::int64_t half = value < 0 ? -kPerNanometre / 2 : kPerNanometre / 2;
        const std::int64_t nanometres = (value + half) / kPerNanometre;
        // One unsigned test for INT_MIN <= nanometres <= INT_MAX.
        if (static_cast<std::uint64_t>(nanometres) - static_cast<std::uint64_t>(INT_MIN) >
            UINT_MAX) {
            return false;
        }
        result = static_cast<int>(nanometres);
        return true;
    }
    // Returns the length in nanometres as the nearest double.
    double Nanometres() const { return static_cast<double>(attometres) / kPerNanometre; }

  private:
    static constexpr std::int64_t kPerNanometre = 1000000000;
    // Beyond any length a program means (10^18 m), and far from overflowing when two are added.
    static constexpr Attometres kLimit =
        Compiler::Product128(1000000000000000000, 1000000000000000000);
    static constexpr Attometres kWithin64Bits = std::int64_t{1} << 62;
    // Powers of ten 10^0 to 10^18.
    static constexpr std::array<std::int64_t, 19> kPowersOfTen = [] {
        std::array<std::int64_t, 19> powers{};
        powers[0] = 1;
        for (std::size_t i = 1; i < powers.size(); ++i) {
            powers[i] = powers[i - 1] * 10;
        }
        return powers;
    }();

    explicit constexpr ExactLength(Attometres attometres) : attometres(attometres) {}

    // FromDecimal where the unit is to be scaled up by more than its exponent (a negative
    // decimals count) or down (more decimals than the exponent).
    static ExactLength FromScaledDecimal(std::uint64_t digits, long long decimals, int sign,
                                         Unit unit);
    static Attometres Clamped(Attometres value) {
        return value > kLimit ? kLimit : value < -kLimit ? -kLimit : value;
    }

    Attometres attometres = 0;
};
