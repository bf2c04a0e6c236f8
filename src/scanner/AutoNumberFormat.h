#pragma once

#include "machineformat/DrillMachineFormat.h"

// The unit, digit counts and zero suppression of an AUTO program: what the program states, and
// for the rest the machine format as fallback. Digits the program does not state are the
// fallback's while the program's unit is the fallback's unit, otherwise the unit's usual ones
// (2,4 for inches, 3,3 for millimetres). A setting the machine format overrules keeps its value
// whatever the program states.
class AutoNumberFormat {
  public:
    explicit AutoNumberFormat(const CDrillMachineFormat& fallback);

    // The program states its unit (CDrillMachineFormat::IN or MM).
    void StateUnit(int unit);
    // The program states its digits before and after the implied decimal point.
    void StateDigits(int integerDigits, int decimalDigits);
    // The program states its zero suppression (LEADING or TRAILING).
    void StateZeroTruncation(int zeroTruncation);
    // Writes the unit, unit length, digits and zero suppression in force into settings.
    void ApplyTo(CDrillMachineFormat& settings) const;

  private:
    // Value of a setting the program has not stated.
    static constexpr int kNotStated = -1;

    CDrillMachineFormat fallback;
    int unit;
    int zeroTruncation;
    int statedIntegerDigits = kNotStated;
    int statedDecimalDigits = kNotStated;
};
