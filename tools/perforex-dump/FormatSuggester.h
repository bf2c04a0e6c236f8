#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Reads the M48 header of a drill program (INCH or METRIC with LZ or TZ and an optional digit
// pattern such as 00.0000, FMAT, ICI) and writes a drill machine format file that matches it, as a
// starting point for a user who does not know the machine's settings.
class FormatSuggester {
  public:
    // Reads lines up to the end of the first M48 header; returns whether a header was found.
    bool ReadHeader(FILE* drillFile);
    // Takes in one line of the drill program; returns false once the header has ended.
    bool TakeLine(const std::string& line);
    bool FoundHeader() const { return foundHeader_; }
    // What the header states: the unit (0 none, 1 inch, 2 millimetre), the zero mode word (LZ,
    // TZ or empty) and the digit pattern (-1 when absent).
    int StatedUnit() const { return unit_; }
    const std::string& StatedZeros() const { return zeros_; }
    int StatedIntegerDigits() const { return integerDigits_; }
    int StatedDecimalDigits() const { return decimalDigits_; }
    // Returns the complete machine format file, naming the drill file it was made from.
    std::string FormatFile(const std::string& drillFileName) const;

  private:
    void TakeUnitLine(const std::vector<std::string>& fields);
    void TakeDigitPattern(const std::string& pattern);
    std::string UnitNote() const;

    bool inHeader_ = false;
    bool foundHeader_ = false;
    // 0 while the header names no unit; then 1 inch, 2 millimetre.
    int unit_ = 0;
    // The zero mode word as written (LZ or TZ), empty when absent.
    std::string zeros_;
    int integerDigits_ = -1;
    int decimalDigits_ = -1;
    // The FMAT and ICI words as written, empty when absent.
    std::string fmat_;
    std::string incremental_;
};
