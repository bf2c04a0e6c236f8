#pragma once

#include <cstddef>
#include <string_view>

// Finds where the M48 header of a drill program has surely ended: after the first line that is
// "%" or starts with "M95" and follows a line that starts with "M48" (blanks around a line left
// out). Past that line the format detection reads program blocks, in which no statement but an
// M71 or M72 names a unit, zero suppression or digits; so the check of the statements against a
// machine format needs the lines up to there, not the holes after them.
class HeaderPrefix {
  public:
    // Returns the length of the program up to and including that line, or the whole length when
    // no such line is found.
    static std::size_t Length(std::string_view program);
};
