#pragma once

#include <string>

#include "machineformat/DrillMachineFormat.h"
#include "scanner/ExactLength.h"

// The numbers of a machine format: a length as a whole count of the format's step, the text of
// such a count, and the value the format's reading takes that text for. The strict reading's step
// is 10^-n of the unit (format m,n), written without a point as the zero suppression says; AUTO
// writes numbers with a point and decimals enough to hold every nanometre.
class CoordinateText {
  public:
    explicit CoordinateText(const CDrillMachineFormat& format);

    // Writes the count of steps nearest to nanometres, halves away from zero, to steps; returns
    // false when no count of 64 bits is that near.
    bool NearestSteps(double nanometres, long long& steps) const;
    // Tells whether the format can write a count of steps: in the strict reading, whether it has
    // at most m + n digits.
    bool Fits(long long steps) const;
    // Appends the text of a count of steps that fits, without its letter.
    void Append(std::string& out, long long steps) const;
    // Returns the value, in the unit, that the strict reading takes the text of steps for.
    double StrictValue(long long steps) const;
    // Returns the length that the AUTO reading takes the text of steps for.
    ExactLength AutoLength(long long steps) const;

    bool IsAuto() const { return autoReading; }
    double UnitLength() const { return unitLength; }
    ExactLength::Unit ExactUnit() const { return unit; }

  private:
    // Longest text of a count: a sign and more digits than 64 bits hold.
    static constexpr int kTextCapacity = 24;
    // Writes the digits of the strict reading's text of the magnitude of steps to text; returns
    // their number.
    int StrictDigits(unsigned long long magnitude, char* text) const;

    bool autoReading;
    int zeroTruncation;
    int integerDigits;
    int decimals;
    double unitLength;
    double stepsPerNanometre;
    ExactLength::Unit unit;
};
