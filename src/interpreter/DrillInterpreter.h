#pragma once

#include <climits>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <type_traits>

#include "interpreter/ArcCentre.h"
#include "interpreter/ContourBuilder.h"
#include "interpreter/LengthConverter.h"
#include "interpreter/PanelPattern.h"
#include "interpreter/ToolTable.h"
#include "machineformat/DrillMachineFormat.h"
#include "messages/MessageOutput.h"
#include "messages/MessageTable.h"
#include "scanner/AutoScanner.h"
#include "scanner/DrillScanner.h"
#include "scanner/ExactLength.h"
#include "scanner/NCToken.h"

class CPerforexReader;

// The context of one read: pulls the tokens of a drill program from its scanner, keeps the
// program's modal state, delivers tools, holes and contours to the owner and counts the errors
// and warnings it finds. Scanner is CDrillScanner for the strict reading of the machine format's
// dialect and CAutoScanner for the AUTO reading, which adds tool definitions where they stand,
// unit changes, G85 and G87 slots, G32 and G33 circles, panel patterns (M25 to M01, repeated by
// M02), tool offsets and tools without T codes, and reads as the machine drills: exact lengths,
// repeats that move the position, A as a radius and I, J as signed offsets.
template <class Scanner>
class CDrillInterpreter {
  public:
    // Opens the drill program through the scanner; IsFileOpened() tells whether that worked. The
    // plating of each tool goes into platings as the tool is delivered.
    CDrillInterpreter(CPerforexReader* owner, MessageOutput messages,
                      const CDrillMachineFormat& settings, const DrillInput& input,
                      ToolPlatings& platings);
    CDrillInterpreter(const CDrillInterpreter&) = delete;
    CDrillInterpreter& operator=(const CDrillInterpreter&) = delete;

    // Tells whether the scanner could open the drill file.
    bool IsFileOpened() const { return fileOpened; }
    // Reads the whole program; returns true when no error and no warning was counted.
    bool Run();

  private:
    // True for the AUTO reading.
    static constexpr bool kAuto = std::is_same_v<Scanner, CAutoScanner>;
    // Motion codes kept in arcMode.
    static constexpr int kLine = 0;
    static constexpr int kClockwiseArc = 1;
    static constexpr int kCounterClockwiseArc = 2;
    static constexpr int kRapidMove = 3;
    // Largest repeat count: no machine repeats a hole more often.
    static constexpr double kMostRepeats = 65535.0;
    // Most holes and vertices the copies of panel patterns deliver per line of the program read,
    // so that the copies stay within a fixed multiple of the program, as repeats do.
    static constexpr long long kCopiedPerLine = 65535;
    // Lengths of the drill file as the reading keeps them: the strict reading in doubles of the
    // program's unit, converted to nanometres truncated toward zero; the AUTO reading exactly,
    // rounded to the nearest nanometre when delivered.
    using Length = std::conditional_t<kAuto, ExactLength, double>;

    // Acts on one token; returns false when the token ends the program.
    bool Dispatch(const NCToken& token);
    // Tells whether the next block of X and Y words drills one hole at its position: no repeat
    // waits, no block is left unprocessed, and the motion state makes it a hole.
    bool DrillsHoles() const;
    // Reads the X and Y words that follow in the scanner's buffer and drills a hole at the end of
    // each block, as Dispatch would; stops before any other token. Only the strict reading, while
    // DrillsHoles: most of a program is such blocks, and a loop that checks the motion state once
    // for all of them keeps its few variables in registers.
    void DrillHoleBlocks(NCToken& token);
    // Ends a hole block of the strict reading at x, y: the hole's position becomes the last one,
    // and the hole is delivered when it fits.
    void DrillHoleAt(const Length& x, const Length& y);
    // Acts on a G or M code; returns false at the end of the program.
    bool ActOnCode(const NCToken& token);
    // Acts on the tokens only the AUTO reading delivers.
    void DispatchAutoToken(const NCToken& token);
    // Defines a tool where its definition stands; holds a comment table entry back until the
    // program starts.
    void DefineTool(const NCToken& token);
    // Delivers the comment table entries that no real definition has replaced.
    void DeliverCommentTools();
    // Makes unit (CDrillMachineFormat::IN or MM) the unit of everything read after it.
    void ChangeUnit(int unit);
    // Moves on to the next tool of a comment table without tool numbers (M00), until a T is read.
    void NextTableTool();
    // Delivers the slot of a G85 block from its first point to the block position.
    void DeliverSlot();
    // Delivers the circle of a G32 or G33 block around the block position with radius A.
    void DeliverCircle();
    // Delivers the route open before a canned cycle; returns true when one was open.
    bool EndRouteBeforeCycle();
    // Opens the route again at the block position, with tool, after a canned cycle.
    void ResumeRouteAfterCycle(int tool);
    // Acts on M25, M01, M02, M08, M70, M80 and M90.
    void ActOnPanelCode(int code);
    // Delivers the copies of an M02 block.
    void DeliverCopies();
    // Returns how many of copies the bound on copied holes and vertices lets through, warning
    // when it cuts some.
    int CopiesWithinBound(int copies);
    // Delivers one copy of the pattern; returns false when a hole or contour of it fell beyond
    // the range and was left out.
    bool DeliverCopy(const PanelPattern::Placement& placement);
    // Delivers a hole with the current tool, recording it in an open pattern.
    void DeliverHit(int x, int y);
    // Delivers the contour in builder with width, recording it in an open pattern.
    void DeliverContour(ContourBuilder& builder, int width);
    // Keeps the value of an X, Y, A, I or J token as the block's word.
    void TakeBlockWord(const NCToken& token);
    // Selects the tool of a T token, warning about numbers above 999 and tools the table does not
    // hold.
    void SelectTool(const NCToken& token);
    // Keeps the count of an R word for the repeat block it opens; a count out of range is
    // reported and leaves the block without holes.
    void TakeRepeatCount(double value);
    // Switches the scanner to absolute or incremental steps, warning when that is a change.
    void ChangeStepMode(int stepMode);
    // Builds the tool table from the lines collected so far, the first time only.
    void BuildToolTableOnce();
    // Opens the routed part of a contour (M15) with the current tool.
    void StartContourBody();
    // Closes the routed part of a contour (M16, M17) and delivers it.
    void EndContourBody();
    // Ends the program (M30), noting a contour left open.
    void EndProgram();
    // Processes the block when the scanner marked the last number as its end.
    void ProcessBlockIfEnded();

    // Acts on a finished coordinate block: holes, repeats, contour starts and cuts.
    void ProcessBlock();
    // Drills the holes of a repeat block, stepping from the last position; holes beyond the
    // range are reported once, and the block ends where no further hole can fit.
    void DrillRepeatedHoles();
    // Drills a hole or starts a contour at the block position.
    void ProcessPositionBlock();
    // Appends the end point of a straight cut.
    void AppendLine();
    // Appends a point of the drill file as a contour vertex; reports a point beyond the range.
    void AppendContourPoint(const Length& x, const Length& y);
    // Appends an arc cut and clears the arc words of its block.
    void AppendArc();
    // Appends the centre and end vertices of an arc, or reports why it cannot.
    void AppendArcVertices();
    // Places the centre vertex of the arc block from start to end; returns false when it does not
    // fit in 32 bits.
    bool PlaceArcCentre(ArcCentre::Point start, ArcCentre::Point end, ArcCentre::Vertex& centre);
    // Appends the point written after G93 as raw drill-file units.
    void AppendG93Point(const std::string& text);
    // Delivers the contour being built with its tool's route width.
    void FlushContour();

    // Converts a point of the drill file to nanometres; reports a point that does not fit.
    bool PointToNanometres(const Length& x, const Length& y, int& nx, int& ny);
    // Converts a length of the drill file to nanometres; returns false when it does not fit.
    bool ToNanometres(const Length& value, int& result) const {
        if constexpr (kAuto) {
            return value.ToNanometres(result);
        } else {
            return lengths.ToNanometres(value, result);
        }
    }
    // Writes an error message and counts it.
    template <typename... Arguments>
    void ReportError(MessageId messageId, Arguments... arguments) {
        CountErrors(1);
        messages.Write(messageId, MessageKind::Error, tokenLine, arguments...);
    }
    // Writes a warning message and counts it.
    template <typename... Arguments>
    void ReportWarning(MessageId messageId, Arguments... arguments) {
        warningCount = SaturatingSum(warningCount, 1);
        messages.Write(messageId, MessageKind::Warning, tokenLine, arguments...);
    }
    // Adds errors to the count.
    void CountErrors(int errors) { errorCount = SaturatingSum(errorCount, errors); }
    // Adds a non-negative count, stopping at the largest 32-bit value.
    static int SaturatingSum(int count, int added) {
        return count > INT_MAX - added ? INT_MAX : count + added;
    }

    CPerforexReader* owner;
    MessageOutput messages;
    LengthConverter lengths;
    Scanner scanner;
    ToolTable toolTable;
    ContourBuilder contour;
    bool fileOpened;
    // Line of the token being acted on, which every message names: a block is processed at its
    // last word.
    int tokenLine = 1;
    int errorCount = 0;
    int warningCount = 0;
    int arcMode = kLine;
    Length lastX{};
    Length lastY{};
    // The block's words; in the AUTO reading blockX and blockY are the position, which a block
    // that leaves out a coordinate keeps.
    Length blockX{};
    Length blockY{};
    Length blockA{};
    Length blockI{};
    Length blockJ{};
    // An R word waits for its block (repeatPending); repeatHasX and repeatHasY tell which of the
    // block's words came after it and so make the step of the row: in the strict reading the
    // block's own words, in the AUTO reading repeatStepX and repeatStepY, increments that never
    // become the position.
    int repeatCount = 0;
    bool repeatPending = false;
    bool repeatHasX = false;
    bool repeatHasY = false;
    Length repeatStepX{};
    Length repeatStepY{};
    // The point of the contour's last vertex as the drill file gives it, where an arc starts.
    Length contourEndX{};
    Length contourEndY{};
    // The motion state, which decides what a finished block is: a position block (a hole, a row
    // of repeated holes or a contour start) while positioning is set and routing is not, after
    // G00 (arcMode), or in drill mode; otherwise a cut of the kind arcMode names. A tool
    // selection and G00 set positioning; G01 to G03 and M15 set routing, which a tool selection
    // and M16/M17 clear; G05 sets drillMode until a motion code or M16/M17; inContour lies
    // between M15 and M16/M17 and only decides messages 15 and 16.
    bool positioning = false;
    bool routing = false;
    // An AUTO program starts in drill mode, as a machine does.
    bool drillMode = kAuto;
    bool inContour = false;
    bool toolTableBuilt = false;
    int currentTool = -1;
    // A G85 was read: the block ends a slot that starts at slotStartX, slotStartY.
    bool slotPending = false;
    Length slotStartX{};
    Length slotStartY{};
    // The unit in force for the lengths the AUTO reading takes itself: G93 points and, through the
    // tool table, tool sizes.
    ExactLength::Unit exactUnit;
    // A T code was read; from then on M00 changes no tool.
    bool toolSelectedByT = false;
    // Entries of a comment table without tool numbers: tools 1 to tableTools.
    int tableTools = 0;
    // Tools defined by a real definition, which a comment table entry does not replace.
    std::set<int> statedTools;
    // A comment table entry: a round tool's diameter, the line it stands on and the plating
    // stated before it.
    struct CommentTool {
        ExactLength diameter;
        int line;
        int plating;
    };
    // Comment table entries not yet delivered: they wait for the program to start, so that a real
    // definition of the same tool read before then takes their place.
    std::map<int, CommentTool> commentTools;
    // The panel pattern, and an M02 block read (copyPending) with its offset and its turn.
    PanelPattern pattern;
    // Builds each contour of a copy; keeps its storage from one to the next.
    ContourBuilder copiedContour;
    bool copyPending = false;
    Length copyX{};
    Length copyY{};
    PanelPattern::Placement copyTurn;
    // Holes and vertices the copies have delivered so far.
    long long copiedItems = 0;
    bool patternCutReported = false;
    // A G32 (clockwise) or G33 was read: the block is a circle.
    bool circlePending = false;
    bool circleClockwise = false;
};
