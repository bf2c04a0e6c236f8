#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "machineformat/DrillMachineFormat.h"
#include "scanner/CharacterClassTable.h"
#include "scanner/CharacterSource.h"
#include "scanner/NCToken.h"

// Reads the number after a coordinate letter and converts its digits by the machine format's
// digit counts and zero suppression, keeping the current X, Y and A positions for incremental
// programs.
class CoordinateReader {
  public:
    // Reads through source and takes digits, zero suppression and step mode from settings, which
    // the owner keeps alive and may change between numbers.
    CoordinateReader(CharacterSource& source, const CharacterClassTable& classes,
                     const CDrillMachineFormat& settings, FILE* messageStream);

    // Reads the number after letter (R, X, Y, A, I or J) into token's type and value and pushes
    // back the character that ended it. Returns true when that character ends the block: a
    // separator or the end of the input.
    bool ReadNumber(int letter, NCToken& token);
    // Reads the number after letter as ReadNumber does when the number lies whole in the
    // source's current buffer, setting endsBlock to whether it ends the block; returns false and
    // reads nothing otherwise.
    bool ReadNumberInBlock(int letter, NCToken& token, bool& endsBlock);

    // Converts a digit text written after letter with the given sign (+1 or -1) and moves the
    // current position of X, Y or A to the result.
    double ConvertCoordinate(std::string_view digits, int letter, int sign);

    // Returns the value of a decimal digit text, saturated at the largest 32-bit signed integer.
    static int SaturatedValue(std::string_view digits);

  private:
    // Tells whether the character after a number ends its block: a separator, or the end of the
    // input, so that a last line without a line feed is still a block.
    bool EndsBlock(int after) const;
    // Checks and converts a number read after letter into token's type and value.
    void FillToken(int letter, const CharacterSource::NumberText& number, NCToken& token);
    // Converts a digit text whose value is already known, as ConvertCoordinate does.
    double ConvertDigits(std::string_view digits, double value, int letter, int sign);
    // Returns how many of the digits lie after the implied decimal point (negative: missing
    // trailing zeros before it).
    long long ImpliedDecimals(std::size_t length) const;
    // Returns the digit text's full value, rounded to the nearest double beyond 2^53.
    static double DigitValue(std::string_view digits);
    // Divides value by 10 raised to exponent.
    static double DivideByPowerOfTen(double value, long long exponent);
    // Makes value absolute in incremental steps and stores it as the new position.
    double MoveTo(double& position, double value) const;
    // Returns m + n, the most digits the format expects.
    long long DigitLimit() const;
    // Warns when the digit text is longer than the format expects.
    void WarnAboutLength(std::string_view digits) const;
    // Warns when trailing zero suppression meets a non-zero text that ends in 0.
    void WarnAboutTrailingZero(std::string_view digits) const;
    // Writes the line feed that follows the warnings of this reader.
    void EndMessageLine() const;
    // Returns the token type of a number letter.
    static NCTokenType TokenTypeOf(int letter);

    CharacterSource& source;
    const CharacterClassTable& classes;
    const CDrillMachineFormat& settings;
    FILE* messageStream;
    // Last X, Y and A positions, to which incremental numbers are added.
    double currentX = 0.0;
    double currentY = 0.0;
    double currentA = 0.0;
};
