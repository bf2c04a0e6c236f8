#pragma once

#include "detection/DrillFormat.h"

// What a side file beside a drill program states of the program's format; each setting is either
// stated or left to the program and the inference.
class SideFormat {
  public:
    void StateUnit(int unit) { unit_ = unit; }
    void StateDigits(int integerDigits, int decimalDigits);
    void StateZeroTruncation(int zeroTruncation) { zeroTruncation_ = zeroTruncation; }
    void StateStepMode(int stepMode) { stepMode_ = stepMode; }

    bool StatesUnit() const { return unit_ != 0; }
    bool StatesDigits() const { return integerDigits_ >= 0 && decimalDigits_ >= 0; }
    bool StatesZeroTruncation() const { return zeroTruncation_ >= 0; }
    bool StatesStepMode() const { return stepMode_ != 0; }

    // Returns the format with every setting stated here put in.
    DrillFormat ApplyTo(DrillFormat format) const;
    // Returns the statements with the unit, the zero suppression or the digits left out.
    SideFormat Keeping(bool unit, bool zeroTruncation, bool digits) const;
    // Takes over every setting that other states.
    void Overlay(const SideFormat& other);

  private:
    int unit_ = 0;
    int integerDigits_ = -1;
    int decimalDigits_ = -1;
    int zeroTruncation_ = -1;
    int stepMode_ = 0;
};
