#pragma once

#include <string>

// How the numbers of a drill program are written: the settings of a machine format that the
// detection chooses for a program, with the values of the machine format file's constants.
struct DrillFormat {
    static constexpr int kInch = 1;
    static constexpr int kMillimetre = 2;
    static constexpr int kNone = 0;
    static constexpr int kLeading = 1;
    static constexpr int kTrailing = 2;
    static constexpr int kAbsolute = 1;
    static constexpr int kIncremental = 2;
    // Bits of the settings, as the machine format's OVERRULE_ bits.
    static constexpr int kUnitSetting = 1;
    static constexpr int kZerosSetting = 2;
    static constexpr int kDigitsSetting = 4;

    int unit = kInch;
    int integerDigits = 2;
    int decimalDigits = 4;
    int zeroTruncation = kLeading;
    int stepMode = kAbsolute;
    // The settings in which the program's own statements are overruled: the machine format's
    // OVERRULE_ bits.
    int overruled = 0;

    // The digits a program in the unit is usually written with: 2,4 for inch, 3,3 for millimetre.
    static DrillFormat UsualFor(int unit) {
        DrillFormat format;
        format.unit = unit;
        format.integerDigits = unit == kInch ? 2 : 3;
        format.decimalDigits = unit == kInch ? 4 : 3;
        return format;
    }
    // Millimetres in one unit of the program.
    double MillimetresPerUnit() const { return unit == kMillimetre ? 1.0 : 25.4; }
    // The machine format constants of the settings, as written in a machine format file.
    const char* UnitName() const { return unit == kMillimetre ? "MM" : "IN"; }
    const char* ZeroTruncationName() const {
        return zeroTruncation == kTrailing ? "TRAILING"
                                           : (zeroTruncation == kNone ? "NONE" : "LEADING");
    }
    const char* StepModeName() const {
        return stepMode == kIncremental ? "INCREMENTAL" : "ABSOLUTE";
    }
    std::string DigitsText() const {
        return std::to_string(integerDigits) + "," + std::to_string(decimalDigits);
    }
    // The machine format lines that overrule the program's statements, e.g.
    // ".Overrule PROGRAM_UNIT\n".
    std::string OverruleLines() const {
        std::string lines;
        const char* const names[] = {"PROGRAM_UNIT", "PROGRAM_ZEROTRUNCATION",
                                     "PROGRAM_DATAFORMAT"};
        for (int bit = 0; bit < 3; ++bit) {
            if ((overruled & (1 << bit)) != 0) {
                lines += std::string(".Overrule ") + names[bit] + "\n";
            }
        }
        return lines;
    }
    // The four settings in one line, e.g. "IN 2,4 LEADING ABSOLUTE".
    std::string Summary() const {
        return std::string(UnitName()) + " " + DigitsText() + " " + ZeroTruncationName() + " " +
               StepModeName();
    }
};
