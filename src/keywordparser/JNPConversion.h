#pragma once

#include <string>

// Turns argument tokens into values.
class JNPConversion {
  public:
    // What integer conversion made of a token.
    struct Integer {
        bool whole;    // the conversion consumed the whole token
        bool inRange;  // the value fits into 32 bits
        int value;
        char stop;  // the character at which the conversion stopped
    };
    // What double conversion made of a token.
    struct Double {
        bool whole;
        double value;
        char stop;
    };

    // Converts token as a C integer literal: decimal, 0X hexadecimal or 0 octal.
    static Integer ToInteger(const char* token);
    // Converts token as a decimal floating-point number: sign, digits with an optional point and
    // an optional exponent; hexadecimal, infinity and not-a-number spellings are not accepted.
    static Double ToDouble(const char* token);
    // Returns raw with its escape sequences replaced, up to the first zero byte.
    static std::string Unescape(const char* raw);
};
