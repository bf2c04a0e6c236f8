#pragma once

#include <string_view>

// The whole-line directives an AUTO program states about itself: its unit with zero suppression
// and digits (INCH, METRIC, and the fields after M71 and M72), its step mode (ICI), the digits of
// a ;FILE_FORMAT=m:n comment, and directives that change nothing here (FMAT, VER, DETECT, ATC).
// Lines are given without spaces; words are compared ignoring case.
class AutoDirective {
  public:
    // Value of a setting a statement leaves open.
    static constexpr int kNotStated = -1;

    // What a unit line states.
    struct UnitStatement {
        int unit = kNotStated;
        int zeroTruncation = kNotStated;
        int integerDigits = kNotStated;
        int decimalDigits = kNotStated;
    };

    // Tells whether a line that begins with c can be one of the directives below, so that the
    // lines of a program body are passed on at one test.
    static bool MayStartDirective(char c) {
        switch (c & ~0x20) {
            case 'I':
            case 'M':
            case 'F':
            case 'V':
            case 'D':
            case 'A':
                return true;
            default:
                return false;
        }
    }
    // Reads a line INCH or METRIC with its fields; returns false for any other line.
    static bool ReadUnitLine(std::string_view line, UnitStatement& statement);
    // Reads the comma-separated fields that follow a unit word or M71 or M72: LZ (leading zeros
    // written: TRAILING), TZ (trailing zeros written: LEADING) and a digit pattern such as 000.000.
    // Other fields are passed over.
    static void ReadUnitFields(std::string_view fields, UnitStatement& statement);
    // Reads ICI, ICI,ON or ICI,OFF into stepMode; returns false for any other line.
    static bool ReadIncrementalLine(std::string_view line, int& stepMode);
    // Tells whether the line is a directive that changes nothing read: FMAT, VER, DETECT, ATC.
    static bool IsIgnoredDirective(std::string_view line);
    // Reads the digits of a comment line ;FILE_FORMAT=m:n; returns false when the line is no
    // such comment or is malformed.
    static bool ReadFileFormat(std::string_view comment, int& integerDigits, int& decimalDigits);

    // Tells whether text is word (written in capitals), ignoring the case of text.
    static bool EqualsIgnoringCase(std::string_view text, std::string_view word);

  private:
    // Tells whether line is word, alone or followed by a comma, and gives what follows the word.
    static bool StartsWithWord(std::string_view line, std::string_view word,
                               std::string_view& rest);
    // Reads a digit pattern such as 00.0000 into the statement's digits; other fields change
    // nothing.
    static void ReadDigitPattern(std::string_view field, UnitStatement& statement);
};
