#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "detection/ContentCheck.h"
#include "detection/DrillFormat.h"
#include "detection/HoleGeometry.h"
#include "detection/SideFormat.h"
#include "perforex/FormatDetector.h"
#include "scanner/AutoDirective.h"
#include "scanner/AutoScanner.h"
#include "scanner/AutoWordListener.h"
#include "scanner/DrillInput.h"

// Works out how a drill program's numbers are written, for a host that has no machine format for
// it. What the program states (INCH or METRIC with LZ, TZ and a digit pattern before or in its
// header, M71 and M72 anywhere, ;FILE_FORMAT=m:n, ICI) is taken as stated; then what a side file
// says; the rest is inferred from the numbers written without a point, each item on its own: the
// places of the holes rule out digits that no real board could have, and favour digits that put
// many holes on the pitches boards are laid out on. A statement is overruled only when the
// numbers refute it: a number longer than its digits, a board over 1 m, holes overlapping
// wholesale. It also notes what in the program only the AUTO reading takes, and whether it looks
// like a drill program at all. It reads the program's words as the AUTO reading does, with the
// numbers as written.
class FormatInference : private AutoWordListener {
  public:
    // Reads the program.
    void Read(const DrillInput& input);
    // Returns whether the program has an M48 header.
    bool HasHeader() const { return headerSeen_; }

    // Returns the format of the program. The fallback and the side files' settings give what
    // neither the program states nor its numbers show. Adds to evidence one item for each
    // setting (unit, zero suppression, digits, steps when stated) saying what decided it, except
    // for the settings that a side file decided.
    DrillFormat Infer(const DrillFormat& fallback, const SideFormat& sideFormat,
                      std::vector<CFormatEvidence>& evidence) const;

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
    // What the bytes of the program look like.
    const ContentCheck& Content() const { return content_; }

  private:
    // Kinds of text only the AUTO reading takes, each noted once.
    enum AutoOnly {
        kBareCarriageReturn,
        kHeaderCommentWithToolOrPercent,
        kSpacesInsideBlock,
        kHeaderWithoutEnd,
        kNoHeader,
        kOneDigitTool,
        kFeedOrSpeedBeforeSize,
        kToolDefinitionInBody,
        kSizeWithoutLeadingDigit,
        kUnitCodes,
        kStopOrToolChange,
        kSlots,
        kDecimalPoints,
        kPanelCodes,
        kRoutedCircles,
        kAutoOnlyKinds
    };
    // The two bases the holes are kept in: the digits as an integer (the scale is a power of
    // ten below it when leading zeros are left out or every zero is written), and as a fraction
    // of a number of whole units (when trailing zeros are left out).
    enum Base { kIntegerBase = 0, kFractionBase = 1 };
    // Where the evidence of a statement was seen: its text and line.
    struct Source {
        std::string text;
        int line = 0;
    };

    void TakeLine(const Line& line) override;
    void TakeCutText(std::string_view text, int line) override;
    // Notes a line ended by a bare CR once a later line comes.
    void NoteBareCarriageReturn(int line);
    void TakePassedWord(char letter, int value) override;
    // Tells whether an M48 header is open.
    bool InHeader() const;
    void TakeComment(std::string_view comment);
    // Takes a whole-line directive (ICI, FMAT and the like, and unit lines, whose statement
    // comes as a token); returns false for any other line.
    bool TakeDirective(std::string_view text);
    void TakeToken(const NCToken& token);
    void BeginBody();
    void TakeUnitStatement(const AutoDirective::UnitStatement& statement);
    void TakeZeroWord(const AutoDirective::UnitStatement& statement);
    void TakeDigitPattern(const AutoDirective::UnitStatement& statement);
    void StateUnit(int unit, std::string_view word);
    void TakeToolDefinition(const NCToken& token);
    void TakeCode(int code);
    // Takes a coordinate as written, whether it has a point, and the value of its digits as one
    // integer.
    void TakeCoordinate(char letter, std::string_view value, bool point, double digitsValue);
    // Places the block read so far and begins the next.
    void EndBlock();
    void PlaceBlock(double repeats);
    // Notes a kind of text only the AUTO reading takes, once, with the current line, or with the
    // letter and value that show it.
    void NoteAutoOnly(AutoOnly kind);
    void NoteAutoOnly(AutoOnly kind, char letter, std::string_view value);
    Source OnLine(std::string_view what) const;

    // The settings a statement of the program or of a side file decides, as bits.
    static constexpr int kUnitStated = DrillFormat::kUnitSetting;
    static constexpr int kZerosStated = DrillFormat::kZerosSetting;
    static constexpr int kDigitsStated = DrillFormat::kDigitsSetting;
    int Statements(const SideFormat& sideFormat) const;
    // Returns the format from the statements of the given bits, the rest inferred; a stated
    // setting left out takes another value than the stated one.
    DrillFormat InferKeeping(const DrillFormat& fallback, const SideFormat& sideFormat, int kept,
                             std::vector<CFormatEvidence>& lines) const;
    // Returns why the numbers cannot be written in the format, or an empty text.
    std::string Refutation(const DrillFormat& format) const;
    // Says in the lines of the overruled settings which statement each overrules, and why.
    void NoteOverruled(const SideFormat& sideFormat, int overruled, const std::string& refutation,
                       std::vector<CFormatEvidence>& lines) const;
    // The zero suppression stated by the program or a side file, and the one the numbers show
    // (-1 when they show none).
    int StatedZeros(const SideFormat& sideFormat) const;
    int ZerosShown() const;
    // The base the holes are kept in for the format's zero suppression, and its scale.
    static int HoleBase(const DrillFormat& format);
    static double MillimetresPerBase(const DrillFormat& format);

    CFormatEvidence Decision(const char* item, const std::string& value, const char* separator,
                             const std::string& reason, int line) const;
    int InferZeroTruncation(int fallback, std::vector<CFormatEvidence>& evidence) const;
    // Sets the digits of the format in its unit; false when no digits fit the holes.
    bool InferDigits(DrillFormat& format, const DrillFormat& base,
                     std::vector<CFormatEvidence>& evidence) const;

    // The scanner while Read runs.
    const CAutoScanner* scanner_ = nullptr;
    // The line that a bare CR ended, until a later line comes; 0 when none.
    int carriageReturnLine_ = 0;
    int lineNumber_ = 0;
    bool headerSeen_ = false;
    // A "%" or M95 ended the M48 header.
    bool headerClosed_ = false;
    bool inBody_ = false;

    int statedUnit_ = 0;
    Source unitSource_;
    int statedZeros_ = -1;
    Source zerosSource_;
    int patternIntegers_ = -1;
    int patternDecimals_ = -1;
    Source patternSource_;
    int fileFormatIntegers_ = -1;
    int fileFormatDecimals_ = -1;
    Source fileFormatSource_;
    std::string commandSet_;
    int statedStep_ = 0;
    Source stepSource_;

    // The numbers written without a point; the lengths leave out numbers of zeros only.
    long pointless_ = 0;
    long withLeadingZero_ = 0;
    Source leadingZeroExample_;
    std::size_t longest_ = 0;
    Source longestExample_;
    std::size_t shortestNonZero_ = 0;
    std::size_t longestNonZero_ = 0;

    HoleGeometry geometry_;
    HoleGeometry::Place position_ = {{0.0, 0.0}, {0.0, 0.0}};
    // The block's coordinates not yet placed: per base, x and y; which of them the block gave.
    double pending_[2][2] = {{0.0, 0.0}, {0.0, 0.0}};
    bool pendingAxis_[2] = {false, false};
    bool blockHasPoint_ = false;
    // The block is a slot or a routed circle, whose places are no holes.
    bool blockIsContour_ = false;
    // The block gives the offset of a copy of a pattern.
    bool blockIsOffset_ = false;
    double repeats_ = 0.0;
    int tool_ = 0;
    bool routing_ = false;
    bool incremental_ = false;

    std::vector<std::string> autoOnlyReasons_;
    bool autoOnlyNoted_[kAutoOnlyKinds] = {};
    ContentCheck content_;
};
