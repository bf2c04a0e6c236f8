#pragma once

#include <climits>
#include <cstdio>
#include <string>

#include "interpreter/ContourBuilder.h"
#include "interpreter/LengthConverter.h"
#include "interpreter/ToolTable.h"
#include "machineformat/DrillMachineFormat.h"
#include "reader/MessageTable.h"
#include "scanner/DrillScanner.h"
#include "scanner/NCToken.h"

class CPerforexReader;

// The context of one read: pulls the tokens of a drill program from its scanner, keeps the
// program's modal state, delivers tools, holes and contours to the owner and counts the errors
// and warnings it finds.
class CDrillInterpreter {
  public:
    // Opens the drill file through the scanner; IsFileOpened() tells whether that worked.
    CDrillInterpreter(CPerforexReader* owner, FILE* messageStream,
                      const CDrillMachineFormat& settings, const std::string& drillFilePath);
    CDrillInterpreter(const CDrillInterpreter&) = delete;
    CDrillInterpreter& operator=(const CDrillInterpreter&) = delete;

    bool IsFileOpened() const { return fileOpened; }
    // Reads the whole program; returns true when no error and no warning was counted.
    bool Run();

  private:
    // Motion codes kept in arcMode.
    static constexpr int kLine = 0;
    static constexpr int kClockwiseArc = 1;
    static constexpr int kCounterClockwiseArc = 2;
    static constexpr int kRapidMove = 3;

    // Acts on one token; returns false when the token ends the program.
    bool Dispatch(const NCToken& token);
    // Acts on a G or M code; returns false at the end of the program.
    bool ActOnCode(const NCToken& token);
    void SelectTool(int tool);
    void TakeRepeatCount(double value);
    void ChangeStepMode(int stepMode);
    void BuildToolTableOnce();
    void StartContourBody();
    void EndContourBody();
    void EndProgram();
    void ProcessBlockIfEnded();

    // Acts on a finished coordinate block: holes, repeats, contour starts and cuts.
    void ProcessBlock();
    void DrillRepeatedHoles();
    void ProcessPositionBlock();
    void AppendLine();
    void AppendArc();
    void AppendArcVertices();
    void AppendG93Point(const std::string& text);
    void FlushContour();

    // Converts a point of the drill file to nanometres; reports a point that does not fit.
    bool PointToNanometres(double x, double y, int& nx, int& ny);
    // Writes an error message and counts it.
    template <typename... Arguments>
    void ReportError(int messageId, Arguments... arguments) {
        CountErrors(1);
        WriteMessage(messageStream, messageId, arguments...);
    }
    // Writes a warning message and counts it.
    template <typename... Arguments>
    void ReportWarning(int messageId, Arguments... arguments) {
        warningCount = SaturatingSum(warningCount, 1);
        WriteMessage(messageStream, messageId, arguments...);
    }
    void CountErrors(int errors) { errorCount = SaturatingSum(errorCount, errors); }
    // Adds a non-negative count, stopping at the largest 32-bit value: one short repeat block
    // can report billions of holes.
    static int SaturatingSum(int count, int added) {
        return count > INT_MAX - added ? INT_MAX : count + added;
    }

    CPerforexReader* owner;
    FILE* messageStream;
    LengthConverter lengths;
    CDrillScanner scanner;
    ToolTable toolTable;
    ContourBuilder contour;
    bool fileOpened;
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
    int repeatCount = 0;
    bool positioning = false;
    bool routing = false;
    bool repeatPending = false;
    bool repeatHasX = false;
    bool repeatHasY = false;
    bool drillMode = false;
    bool inContour = false;
    bool toolTableBuilt = false;
    int currentTool = -1;
};
