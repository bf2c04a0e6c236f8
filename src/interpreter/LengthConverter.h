#pragma once

// Turns lengths of the drill file (inches or millimetres) into 32-bit nanometres.
class LengthConverter {
  public:
    explicit LengthConverter(double unitLength) : unitLength(unitLength) {}

    // Writes value times the unit length, truncated toward zero, to result; returns false and
    // leaves result alone when the product does not fit in 32 bits.
    bool ToNanometres(double value, int& result) const;
    // Writes value truncated toward zero to result; returns false when it does not fit in 32 bits.
    static bool Truncate(double value, int& result);

    // Returns the nanometres in one drill-file unit.
    double UnitLength() const { return unitLength; }

  private:
    double unitLength;
};
