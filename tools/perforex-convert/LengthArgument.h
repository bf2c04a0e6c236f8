#pragma once

#include <string>

// A length on the command line: a decimal number of millimetres, or of inches with the suffix
// "in" ("mm" may be written too), taken exactly to the nearest nanometre.
class LengthArgument {
  public:
    // Reads text into nanometres; returns false with a one-line reason when it is no length or
    // beyond the 32-bit nanometre range.
    static bool Parse(const std::string& text, int& nanometres, std::string& error);
    // Returns nanometres as millimetres, with no trailing zeros: "0.8 mm".
    static std::string Millimetres(long long nanometres);
};
