#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "machineformat/DrillMachineFormat.h"
#include "messages/MessageOutput.h"
#include "scanner/CharacterClassTable.h"
#include "scanner/CharacterSource.h"
#include "scanner/NCToken.h"

// Reads the number after a coordinate letter and converts its digits by the machine format's
// digit counts and zero suppression, keeping the current X, Y and A positions for incremental
// programs.
class CoordinateReader {
  public:
    // Reads through source. Takes the digit counts and zero suppression of settings once, and
    // its step mode, which the owner keeps alive and may change between numbers, for each number.
    CoordinateReader(CharacterSource& source, const CharacterClassTable& classes,
                     const CDrillMachineFormat& settings, MessageOutput messages);

    // Reads the number after letter (R, X, Y, A, I or J) into token's type and value and pushes
    // back the character that ended it; its messages name token's line, the letter's. Returns
    // true when that character ends the block: a separator or the end of the input.
    bool ReadNumber(int letter, NCToken& token);
    // Reads the number of a word that the source found in its current buffer, as ReadNumber does
    // after the word's letter, when the number ends in that buffer; sets endsBlock to whether it
    // ends the block. Returns false and reads nothing otherwise.
    bool ReadNumberOfWord(const CharacterSource::WordStart& word, NCToken& token, bool& endsBlock) {
        CharacterSource::NumberText number;
        if (!source.ReadNumberOfWord(word, number)) {
            return false;
        }
        FillToken(word.letter, number, token);
        endsBlock = EndsBlock(number.after);
        return true;
    }

    // Reads a block of an X word, a Y word or both in that order, ended by a line feed, that
    // starts right after the line feed pushed back last and lies in the source's current buffer,
    // as ReadNumberOfWord would word by word, when none of its numbers needs a warning or more
    // than its run's value: sets x and y to the values of its words and line to its line.
    // Returns false and reads nothing otherwise.
    bool ReadCoordinateBlock(double& x, double& y, int& line) {
        const unsigned char* next = source.CoordinateBlockStart();
        if (next == nullptr || !coordinateLetters) {
            return false;
        }
        const bool incremental = settings.stepMode == CDrillMachineFormat::INCREMENTAL;
        double newX = positions[0];
        double newY = positions[1];
        const bool hasX = *next == 'X';
        if (hasX && !ReadBlockCoordinate(next, newX, incremental)) {
            return false;
        }
        const bool hasY = *next == 'Y';
        if ((hasY && !ReadBlockCoordinate(next, newY, incremental)) || *next != '\n' ||
            !(hasX || hasY)) {
            return false;
        }
        line = source.LineNumber();
        source.TakeCoordinateBlock(next);
        if (hasX) {
            x = positions[0] = newX;
        }
        if (hasY) {
            y = positions[1] = newY;
        }
        return true;
    }

    // Returns how many of the digits of a run of the given length, written without a point, lie
    // after the implied decimal point (negative: missing trailing zeros before it).
    long long ImpliedDecimals(std::size_t length) const {
        const long long count = static_cast<long long>(length);
        if (trailing && count < digitLimit) {
            return count - integerDigits;
        }
        return decimalDigits;
    }
    // Warns about a digit run written without a point on line as the AUTO reading does: about
    // its length beyond m + n, and about a last digit 0 under trailing zero suppression only
    // where that zero can be lost, in a run shorter than m + n.
    void WarnAboutRunWithoutPoint(std::string_view digits, int line) const {
        const long long length = static_cast<long long>(digits.size());
        if (length > digitLimit) {
            WarnAboutLength(digits, line);
        } else if (trailing && length < digitLimit && EndsInZero(digits)) {
            WarnAboutTrailingZero(digits, line);
        }
    }
    // Takes the digit counts and zero suppression of the settings again, after the owner has
    // changed them.
    void TakeFormat();

    // Returns the digit text's full value, rounded to the nearest double beyond 2^53.
    static double DigitValue(std::string_view digits);
    // Divides value, a digit text's value and so never -0.0, by 10 raised to exponent.
    static double DivideByPowerOfTen(double value, long long exponent) {
        if (exponent >= 0 && exponent <= kTabledExponents) {
            return value / kPowersOfTen[exponent];
        }
        if (exponent < 0 && exponent >= -kTabledExponents) {
            return value / kNegativePowersOfTen[-exponent];
        }
        return DivideByUntabledPowerOfTen(value, exponent);
    }
    // Returns the value of a decimal digit text, saturated at the largest 32-bit signed integer.
    static int SaturatedValue(std::string_view digits);

    // Returns the token type of a number letter.
    static NCTokenType TokenTypeOf(int letter) {
        switch (letter) {
            case 'X':
                return TOKEN_X;
            case 'Y':
                return TOKEN_Y;
            case 'A':
                return TOKEN_A;
            case 'I':
                return TOKEN_I;
            case 'J':
                return TOKEN_J;
            default:
                return TOKEN_R;
        }
    }

  private:
    // Tells whether the character after a number ends its block: a separator, or the end of the
    // input, so that a last line without a line feed is still a block.
    bool EndsBlock(int after) const {
        return classes.IsSeparator(after) || after == CharacterSource::kEndOfInput;
    }
    // Largest exponent whose power of ten the tables hold.
    static constexpr long long kTabledExponents = 22;
    // Powers of ten 10^0 to 10^22, all exact in a double.
    static constexpr double kPowersOfTen[kTabledExponents + 1] = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    // Nearest doubles to 10^0 to 10^-22.
    static constexpr double kNegativePowersOfTen[kTabledExponents + 1] = {
        1e0,   1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,  1e-8,  1e-9,  1e-10, 1e-11,
        1e-12, 1e-13, 1e-14, 1e-15, 1e-16, 1e-17, 1e-18, 1e-19, 1e-20, 1e-21, 1e-22};

    // Checks and converts a number read after letter into token's type and value; only a
    // repeat count or a digit run too long for the format or for its value leaves the common
    // path.
    void FillToken(int letter, const CharacterSource::NumberText& number, NCToken& token) {
        const CharacterSource::DigitRun& run = number.digits;
        const NCTokenType type = TokenTypeOf(letter);
        token.type = type;
        if (type == TOKEN_R || !IsPlainRun(run.text)) {
            token.value = CheckedValue(type, run, number.sign, token.line);
            return;
        }
        token.value = ConvertDigits(run.text, static_cast<double>(run.value), type, number.sign);
    }
    // Reads the number of a coordinate block's word whose letter is at next and moves position
    // to it as ConvertDigits and MoveTo would, when it converts as IsPlainRun tells and by a
    // divisor of the table; returns false otherwise.
    bool ReadBlockCoordinate(const unsigned char*& next, double& position, bool incremental) const {
        CharacterSource::CoordinateNumber number;
        if (!CharacterSource::ScanCoordinateNumber(next, number)) {
            return false;
        }
        // The divisor is 0 for a run longer than plainDigitLimit.
        const double divisor = divisorOfLength[number.digitCount];
        if (divisor == 0.0 || (trailing && number.digits[number.digitCount - 1] == '0')) {
            return false;
        }
        double value = static_cast<double>(number.value) / divisor;
        if (number.sign < 0) {
            value = 0.0 - value;
        }
        position = incremental ? position + value : value;
        return true;
    }
    // Tells whether a coordinate's digit run converts without a message and from its run's value:
    // it is no longer than the format's digits and, under trailing zero suppression, does not end
    // in 0.
    bool IsPlainRun(std::string_view digits) const {
        return static_cast<long long>(digits.size()) <= plainDigitLimit &&
               !(trailing && EndsInZero(digits));
    }
    // Converts a repeat count or a digit run too long for the format, warning about its length
    // and trailing zero with the line of its letter.
    double CheckedValue(NCTokenType type, CharacterSource::DigitRun run, int sign, int line);
    // Converts a digit text whose value is already known for a token of the given type, and
    // moves the current position of X, Y or A to the result.
    double ConvertDigits(std::string_view digits, double value, NCTokenType type, int sign) {
        if (type == TOKEN_R) {
            return SaturatedValue(digits);
        }
        double result = DivideByPowerOfTen(value, ImpliedDecimals(digits.size()));
        if (sign < 0) {
            result = 0.0 - result;
        }
        return type <= TOKEN_A ? MoveTo(positions[type - TOKEN_X], result) : result;
    }
    // Divides value by 10 raised to an exponent beyond the tables, keeping zero a zero.
    static double DivideByUntabledPowerOfTen(double value, long long exponent);
    // Makes value absolute in incremental steps and stores it as the new position.
    double MoveTo(double& position, double value) const {
        if (settings.stepMode == CDrillMachineFormat::INCREMENTAL) {
            value += position;
        }
        position = value;
        return value;
    }
    // Tells whether a digit text ends in the digit 0.
    static bool EndsInZero(std::string_view digits) {
        return !digits.empty() && digits.back() == '0';
    }
    // Warns when the digit text, written on line, is longer than the format expects.
    void WarnAboutLength(std::string_view digits, int line) const;
    // Warns about a text that ends in 0 under trailing zero suppression unless it is all zeros.
    void WarnAboutTrailingZero(std::string_view digits, int line) const;

    CharacterSource& source;
    const CharacterClassTable& classes;
    const CDrillMachineFormat& settings;
    MessageOutput messages;
    // The format's digit counts m and n, their sum m + n, and the longest digit run that needs
    // neither a length warning nor more than the run's own value.
    long long integerDigits;
    long long decimalDigits;
    long long digitLimit;
    long long plainDigitLimit;
    // True under trailing zero suppression.
    bool trailing;
    // True when X and Y are both number letters, neither being the delimiter.
    bool coordinateLetters;
    // For each length of a digit run up to plainDigitLimit, the power of ten by which
    // ConvertDigits divides the run's value, or 0 where that power lies beyond the tables: a
    // coordinate block then converts with one division per number.
    double divisorOfLength[CharacterSource::kDigitsInValue + 1];
    // Last X, Y and A positions, to which incremental numbers are added, in the order of their
    // token types.
    static_assert(TOKEN_X + 1 == TOKEN_Y && TOKEN_Y + 1 == TOKEN_A && TOKEN_A + 1 == TOKEN_I);
    double positions[3] = {0.0, 0.0, 0.0};
};
