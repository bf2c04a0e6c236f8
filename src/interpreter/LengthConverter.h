#pragma once

// Turns lengths of the drill file (inches or millimetres) into 32-bit nanometres.
class LengthConverter {
  public:
    explicit LengthConverter(double unitLength) : unitLength(unitLength) {}

    // Writes value times the unit length, truncated toward zero, to result; returns false and
    // leaves result alone when the product does not fit in 32 bits.
    bool ToNanometres(double value, int& result) const {
        return Truncate(value * unitLength, result);
    }
    // Writes value truncated toward zero to result; returns false when it does not fit in 32 bits.
    static bool Truncate(double value, int& result) {
        // Written so that NaN fails the test as well.
        if (!(value > kBelowInt && value < kAboveInt)) {
            return false;
        }
        result = static_cast<int>(value);
        return true;
    }

    // Returns the nanometres in one drill-file unit.
    double UnitLength() const { return unitLength; }

  private:
    // Bounds of the values a 32-bit signed integer holds once truncated toward zero.
    static constexpr double kBelowInt = -2147483649.0;
    static constexpr double kAboveInt = 2147483648.0;

    double unitLength;
};
