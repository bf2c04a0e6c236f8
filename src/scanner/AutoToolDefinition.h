#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "scanner/ExactLength.h"

// Tool definitions as AUTO programs write them: T and the tool number, then either parameters
// in any order (C the diameter as written; F, S, B, H and Z read and passed over) or a hole type
// word of the tool table with its sizes; and comment table entries such as
// ";T01 Holesize 1. = 12.000000 Tolerance = +0.000000/-0.000000 PLATED MILS Quantity = 241".
class AutoToolDefinition {
  public:
    // Reads the definition whose T stands at text[cursor] (text without spaces; written is the
    // same line as written, whose spaces still separate the sizes after a hole type word). On
    // success gives the tool number, the definition as the tool table reads it (the digits, a
    // space, the hole type word, a space and the sizes), moves cursor past it and returns true. A T
    // whose digits are followed by neither a diameter nor a hole type word is no definition:
    // returns false and leaves cursor as it was.
    static bool Read(std::string_view text, std::string_view written, std::size_t& cursor,
                     int& tool, std::string& definition);
    // Tells whether line is a tool's parameters without a diameter ("T9F200S65": a T, its digits
    // and at least one parameter letter other than C, to the end of the line); gives its number.
    static bool ReadSizeless(std::string_view line, int& tool);
    // Tool number of an entry of a comment table that writes none.
    static constexpr int kUnnumbered = -1;

    // Reads a comment table entry; gives its tool number (kUnnumbered for an entry such as
    // ";   Holesize 1. = 0.203000 Tolerance = +0.076000/-0.203000 PLATED MM Quantity = 541")
    // and its diameter. Returns false for any comment that is no such entry or names no unit
    // (MILS, MM or INCH).
    static bool ReadCommentTable(std::string_view comment, int& tool, ExactLength& diameter);

  private:
    // Reads the parameter letters after the tool digits from text[cursor] on; gives the
    // diameter's text and returns true when a C was among them.
    static bool ReadParameters(std::string_view text, std::size_t& cursor,
                               std::string_view& diameter);
    // Gives the unit named by word (MILS, MM or INCH); returns false for any other word.
    static bool UnitNamed(std::string_view word, ExactLength::Unit& unit);
};
