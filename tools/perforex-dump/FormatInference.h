#pragma once

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "DrillFormat.h"
#include "HoleGeometry.h"
#include "NcParamFile.h"

// Works out how a drill program's numbers are written, for a host that has no machine format for
// it. What the program states (INCH or METRIC with LZ, TZ and a digit pattern before or in its
// header, M71 and M72 anywhere, ;FILE_FORMAT=m:n, ICI) is taken as stated; then what a side file
// says; the rest is inferred from the numbers written without a point, each item on its own, and
// the places of the holes only rule out digits that no real board could have. It also notes what
// in the program only the AUTO reading takes.
class FormatInference {
  public:
    // Reads the whole program; a line ends at a line feed, at CR LF or at a bare CR. Returns
    // whether it has an M48 header.
    bool ReadProgram(FILE* program);

    // Returns the format of the program. The fallback and the side file's settings give what
    // neither the program states nor its numbers show. Adds to evidence one line for each item
    // (unit, zero suppression, digits, steps when stated) saying what decided it, except for
    // the items that the side file decided.
    DrillFormat Infer(const DrillFormat& fallback, const NcParamFile& sideFile,
                      std::vector<std::string>& evidence) const;

    // What the program states: the unit (0 when none), the zero suppression (-1 when none) and
    // the digit pattern of an INCH or METRIC line (-1 when none), as DrillFormat values.
    int StatedUnit() const { return statedUnit_; }
    int StatedZeroTruncation() const { return statedZeros_; }
    int StatedIntegerDigits() const { return patternIntegers_; }
    int StatedDecimalDigits() const { return patternDecimals_; }
    // The command set an FMAT line names (the text after FMAT,), empty when none does.
    const std::string& CommandSet() const { return commandSet_; }
    // What only the AUTO reading takes, each with the line it first shows on.
    const std::vector<std::string>& AutoOnlyReasons() const { return autoOnlyReasons_; }

  private:
    // Takes in one line of the program, without its line end.
    void TakeLine(const std::string& line);
    // The two bases the holes are kept in: the digits as an integer (the scale is a power of
    // ten below it when leading zeros are left out or every zero is written), and as a fraction
    // of a number of whole units (when trailing zeros are left out).
    enum Base { kIntegerBase = 0, kFractionBase = 1 };
    struct Token {
        char letter;
        std::string value;
    };

    void TakeFileFormatComment(const std::string& text);
    void TakeUnitLine(const std::vector<std::string>& fields);
    void TakeZeroWord(const std::string& word);
    void TakeDigitPattern(const std::string& pattern);
    void StateUnit(int unit, const std::string& word);
    void TakeBlock(const std::vector<Token>& tokens);
    void TakeToolDefinition(const std::vector<Token>& tokens, std::size_t tool);
    void TakeCode(char letter, int code);
    void TakeCoordinate(const Token& token);
    void PlaceBlock(double repeats);
    // Splits a block into letters and the number text that follows each.
    static std::vector<Token> Tokenize(const std::string& text);
    static bool IsProgramCommand(const std::vector<Token>& tokens);
    // Notes a kind of text only the AUTO reading takes, once, with the current line.
    void NoteAutoOnly(const std::string& kind, const std::string& example = std::string());
    std::string OnLine(const std::string& what) const;

    int InferZeroTruncation(int fallback, std::vector<std::string>& evidence) const;
    // Sets the digits of the format in its unit; false when no digits fit the holes.
    bool InferDigits(DrillFormat& format, const DrillFormat& base,
                     std::vector<std::string>& evidence) const;

    int lineNumber_ = 0;
    bool inHeader_ = false;
    bool headerSeen_ = false;
    bool inBody_ = false;

    int statedUnit_ = 0;
    std::string unitEvidence_;
    int statedZeros_ = -1;
    std::string zerosEvidence_;
    int patternIntegers_ = -1;
    int patternDecimals_ = -1;
    std::string patternEvidence_;
    int fileFormatIntegers_ = -1;
    int fileFormatDecimals_ = -1;
    std::string fileFormatEvidence_;
    std::string commandSet_;
    int statedStep_ = 0;
    std::string stepEvidence_;

    // The numbers written without a point; the lengths leave out numbers of zeros only.
    long pointless_ = 0;
    long withLeadingZero_ = 0;
    std::string leadingZeroExample_;
    std::size_t longest_ = 0;
    std::size_t shortestNonZero_ = 0;
    std::size_t longestNonZero_ = 0;

    HoleGeometry geometry_[2];
    double position_[2][2] = {{0.0, 0.0}, {0.0, 0.0}};
    // The block's coordinates not yet placed: per base, x and y; which of them the block gave.
    double pending_[2][2] = {{0.0, 0.0}, {0.0, 0.0}};
    bool pendingAxis_[2] = {false, false};
    bool blockHasPoint_ = false;
    bool blockIsSlot_ = false;
    int tool_ = 0;
    bool routing_ = false;
    bool incremental_ = false;

    std::vector<std::string> autoOnlyReasons_;
    std::set<std::string> autoOnlyKinds_;
};
