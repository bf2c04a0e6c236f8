#pragma once

#include <cmath>

#include "machineformat/DrillMachineFormat.h"
#include "scanner/CoordinateReader.h"
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
    // false when no count of 64 bits is that near. Inline, as every written number needs it.
    bool NearestSteps(double nanometres, long long& steps) const {
        const double count = nanometres * stepsPerNanometre;
        // Away from a half, adding a half and truncating rounds as std::round does; a conversion
        // to 64 bits truncates in one instruction, where std::trunc takes a dozen without SSE4.1.
        const double shifted = count + (count < 0.0 ? -0.5 : 0.5);
        if (!(std::fabs(shifted) < 9e18)) {
            return false;
        }
        steps = static_cast<long long>(shifted);
        const double whole = static_cast<double>(static_cast<long long>(count));
        if (std::fabs(std::fabs(count - whole) - 0.5) < kNearHalf) {
            RoundNearHalf(nanometres, steps);
        }
        return true;
    }
    // Writes the value in the unit that the strict reading takes the text of a count of steps
    // for to value. Returns false when the format cannot write the count: in the strict reading,
    // when it has more than m + n digits.
    bool Measure(long long steps, double& value) const {
        if (autoReading) {
            return true;
        }
        const unsigned long long magnitude = Magnitude(steps);
        if (magnitude >= digitLimit) {
            return false;
        }
        const double read =
            zeroTruncation == CDrillMachineFormat::TRAILING
                ? TrailingValue(magnitude)
                : CoordinateReader::DivideByPowerOfTen(static_cast<double>(magnitude), decimals);
        value = steps < 0 ? 0.0 - read : read;
        return true;
    }
    // Writes the text of a count of steps that the format can write to text.
    void Compose(long long steps, Text& text) const {
        text.length += ComposeAt(steps, text.characters + text.length);
    }
    // Writes letter and the text of a count of steps that the format can write from cursor on,
    // and moves cursor past them.
    void Write(char*& cursor, char letter, long long steps) const {
        *cursor++ = letter;
        cursor += ComposeAt(steps, cursor);
    }
    // Returns the length that the AUTO reading takes the text of steps for.
    ExactLength AutoLength(long long steps) const;

    bool IsAuto() const { return autoReading; }
    double UnitLength() const { return unitLength; }
    ExactLength::Unit ExactUnit() const { return unit; }

    static unsigned long long Magnitude(long long steps) {
        return steps < 0 ? 0ULL - static_cast<unsigned long long>(steps)
                         : static_cast<unsigned long long>(steps);
    }

  private:
    // How near a half of a step a count worked out in double arithmetic is worked out again
    // exactly.
    static constexpr double kNearHalf = 1e-6;

    // Works out again the count of steps nearest to nanometres, which lies near a half of a
    // step, where it can be done exactly, and writes it to steps.
    void RoundNearHalf(double nanometres, long long& steps) const;
    // Returns the value that the strict reading takes the text of a magnitude for under
    // trailing zero suppression.
    double TrailingValue(unsigned long long magnitude) const;
    // Writes the text of a count of steps that the format can write from at on; returns its
    // length.
    int ComposeAt(long long steps, char* at) const;
    // Writes the digits of the strict reading's text of a magnitude from digits on; returns
    // their number.
    int ComposeStrict(unsigned long long magnitude, char* digits) const;
    // Writes the AUTO reading's text of a magnitude from digits on; returns its length.
    int ComposeAuto(unsigned long long magnitude, char* digits) const;

    bool autoReading;
    int zeroTruncation;
    int integerDigits;
    int decimals;
    // The first count that the strict reading's m + n digits cannot write.
    unsigned long long digitLimit;
    double unitLength;
    double stepsPerNanometre;
    ExactLength::Unit unit;
};
