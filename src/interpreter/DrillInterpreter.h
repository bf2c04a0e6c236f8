#pragma once

#include <climits>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <type_traits>

#include "interpreter/ContourBuilder.h"
#include "interpreter/LengthConverter.h"
#include "interpreter/ToolTable.h"
#include "machineformat/DrillMachineFormat.h"
#include "messages/MessageOutput.h"
#include "messages/MessageTable.h"
#include "scanner/AutoScanner.h"
#include "scanner/DrillScanner.h"
#include "scanner/NCToken.h"

class CPerforexReader;

// The context of one read: pulls the tokens of a drill program from its scanner, keeps the
// program's modal state, delivers tools, holes and contours to the owner and counts the errors
// and warnings it finds. Scanner is CDrillScanner for the strict reading of the machine format's
// dialect and CAutoScanner for the AUTO reading, which adds tool definitions where they stand,
// unit changes and G85 slots.
template <class Scanner>
class CDrillInterpreter {
  public:
    // Opens the drill program through the scanner; IsFileOpened() tells whether that worked.
    CDrillInterpreter(CPerforexReader* owner, MessageOutput messages,
                      const CDrillMachineFormat& settings, const DrillInput& input);
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

    // Acts on one token; returns false when the token ends the program.
    bool Dispatch(const NCToken& token);
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
    // Delivers the slot of a G85 block from its first point to the block position.
    void DeliverSlot();
    // Keeps the value of an X, Y, A, I or J token (by its type) as the block's word.
    void TakeBlockWord(int type, double value);
    // Selects a tool, warning about numbers above 999 and tools the table does not hold.
    void SelectTool(int tool);
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
    // Appends an arc cut and clears the arc words of its block.
    void AppendArc();
    // Appends the centre and end vertices of an arc, or reports why it cannot.
    void AppendArcVertices();
    // Appends the point written after G93 as raw drill-file units.
    void AppendG93Point(const std::string& text);
    // Delivers the contour being built with its tool's route width.
    void FlushContour();

    // Converts a point of the drill file to nanometres; reports a point that does not fit.
    bool PointToNanometres(double x, double y, int& nx, int& ny);
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
    double lastX = 0.0;
    double lastY = 0.0;
    double blockX = 0.0;
    double blockY = 0.0;
    double blockA = 0.0;
    double blockI = 0.0;
    double blockJ = 0.0;
    // An R word waits for its block (repeatPending); repeatHasX and repeatHasY tell which of the
    // block's words came after it and so make the step of the row.
    int repeatCount = 0;
    bool repeatPending = false;
    bool repeatHasX = false;
    bool repeatHasY = false;
    // The motion state, which decides what a finished block is: a position block (a hole, a row
    // of repeated holes or a contour start) while positioning is set and routing is not, after
    // G00 (arcMode), or in drill mode; otherwise a cut of the kind arcMode names. A tool
    // selection and G00 set positioning; G01 to G03 and M15 set routing, which a tool selection
    // and M16/M17 clear; G05 sets drillMode until a motion code or M16/M17; inContour lies
    // between M15 and M16/M17 and only decides messages 15 and 16.
    bool positioning = false;
    bool routing = false;
    bool drillMode = false;
    bool inContour = false;
    bool toolTableBuilt = false;
    int currentTool = -1;
    // A G85 was read: the block ends a slot that starts at slotStartX, slotStartY.
    bool slotPending = false;
    double slotStartX = 0.0;
    double slotStartY = 0.0;
    // Tools defined by a real definition, which a comment table entry does not replace.
    std::set<int> statedTools;
    // A comment table entry: a round tool's diameter in nanometres and the line it stands on.
    struct CommentTool {
        double diameter;
        int line;
    };
    // Comment table entries not yet delivered: they wait for the program to start, so that a real
    // definition of the same tool read before then takes their place.
    std::map<int, CommentTool> commentTools;
};
