#pragma once

#include "machineformat/DrillMachineFormat.h"
#include "scanner/ExactLength.h"

// The numbers of a machine format: a length as a whole count of the format's step, the text of
// such a count, and the value the format's reading takes that text for. The strict reading's step
// is 10^-n of the unit (format m,n), written without a point as the zero suppression says; AUTO
// writes numbers with a point and decimals enough to hold every nanometre.
class CoordinateText {
  public:
    // The text of one number, without its letter.
    struct Text {
        // A letter, a sign, 18 digits of the strict reading or 20 of AUTO, and a point.
        static constexpr int kCapacity = 24;
        char characters[kCapacity];
        int length = 0;
    };

    explicit CoordinateText(const CDrillMachineFormat& format);

    // Writes the count of steps nearest to nanometres, halves away from zero, to steps; returns
    // false when no count of 64 bits is that near.
    bool NearestSteps(double nanometres, long long& steps) const;
    // Writes the value in the unit that the strict reading takes the text of a count of steps
    // for to value. Returns false when the format cannot write the count: in the strict reading,
    // when it has more than m + n digits.
    bool Measure(long long steps, double& value) const;
    // Writes the text of a count of steps that the format can write to text.
    void Compose(long long steps, Text& text) const;
    // Writes letter and the text of a count of steps that the format can write from cursor on,
    // and moves cursor past them.
    void Write(char*& cursor, char letter, long long steps) const {
        Text text;
        text.characters[0] = letter;
        text.length = 1;
        Compose(steps, text);
        for (int index = 0; index < text.length; ++index) {
            *cursor++ = text.characters[index];
        }
    }
    // Returns the length that the AUTO reading takes the text of steps for.
    ExactLength AutoLength(long long steps) const;

    bool IsAuto() const { return autoReading; }
    double UnitLength() const { return unitLength; }
    ExactLength::Unit ExactUnit() const { return unit; }

  private:
    // Writes the digits of the strict reading's text of a magnitude from digits on; returns
    // their number.
    int ComposeStrict(unsigned long long magnitude, char* digits) const;
    // Writes the AUTO reading's text of a magnitude from digits on; returns its length.
    int ComposeAuto(unsigned long long magnitude, char* digits) const;

    bool autoReading;
    int zeroTruncation;
    int integerDigits;
    int decimals;
    double unitLength;
    double stepsPerNanometre;
    ExactLength::Unit unit;
};
