#include "interpreter/DrillInterpreter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

#include "interpreter/G93Text.h"
#include "perforex/PerforexReader.h"

namespace {

// Tells whether a repeated hole coordinate beyond the range stays beyond it at every further
// step, because the step does not lead back toward the range.
bool StaysBeyondRange(double coordinate, double step) {
    if (std::isnan(coordinate) || std::isnan(step)) {
        return true;
    }
    return coordinate > 0.0 ? step >= 0.0 : step <= 0.0;
}

bool StaysBeyondRange(ExactLength coordinate, ExactLength step) {
    return coordinate.IsPositive() ? !step.IsNegative() : !step.IsPositive();
}

}  // namespace

template <class Scanner>
CDrillInterpreter<Scanner>::CDrillInterpreter(CPerforexReader* owner, MessageOutput messages,
                                              const CDrillMachineFormat& settings,
                                              const DrillInput& input, ToolPlatings& platings)
    : owner(owner),
      messages(messages),
      lengths(settings.unitLength),
      scanner(input, settings, messages),
      toolTable(*owner, messages, lengths, platings),
      contour(*owner),
      fileOpened(scanner.IsOpen()),
      exactUnit(ExactLength::UnitOf(settings.unit)),
      copiedContour(*owner) {
    if constexpr (kAuto) {
        toolTable.SetExactUnit(exactUnit);
    }
}

template <class Scanner>
bool CDrillInterpreter<Scanner>::Run() {
    NCToken token;
    bool running = true;
    while (running) {
        if constexpr (!kAuto) {
            if (DrillsHoles()) {
                DrillHoleBlocks(token);
            }
        }
        token.text.clear();
        const NCToken* next = scanner.NextToken(token);
        // The scanner has written its own message for a token it marked invalid.
        if (!scanner.IsTokenValid()) {
            CountErrors(1);
            break;
        }
        if (next == nullptr) {
            break;
        }
        running = Dispatch(token);
    }
    if constexpr (kAuto) {
        DeliverCommentTools();
    }
    FlushContour();
    warningCount = SaturatingSum(warningCount, scanner.GetWarningCount());
    if (errorCount == 0 && warningCount == 0) {
        return true;
    }
    messages.Write(kTotals, MessageKind::Neither, 0, errorCount, warningCount);
    return false;
}

template <class Scanner>
inline bool CDrillInterpreter<Scanner>::Dispatch(const NCToken& token) {
    tokenLine = token.line;
    if constexpr (kAuto) {
        if (!commentTools.empty() && token.type != TOKEN_TOOL_DEFINITION &&
            token.type != TOKEN_UNIT) {
            DeliverCommentTools();
        }
    }
    if (token.type >= TOKEN_X && token.type <= TOKEN_J) {
        TakeBlockWord(token);
        ProcessBlockIfEnded();
        return true;
    }
    switch (token.type) {
        case TOKEN_CODE:
            return ActOnCode(token);
        case TOKEN_TOOL:
            SelectTool(token);
            break;
        case TOKEN_R:
            TakeRepeatCount(token.value);
            if constexpr (kAuto) {
                // An R belongs to its own block and never waits for a later one.
                ProcessBlockIfEnded();
            }
            break;
        default:
            if constexpr (kAuto) {
                DispatchAutoToken(token);
            } else {
                ReportError(kWrongTokenType);
            }
            break;
    }
    return true;
}

template <class Scanner>
inline bool CDrillInterpreter<Scanner>::DrillsHoles() const {
    // ProcessBlock's position blocks but the contour starts after G00; routing programs, whose
    // blocks are cuts, fail at the first test.
    return (drillMode || (positioning && !routing && arcMode != kRapidMove)) && !repeatPending &&
           !scanner.GetBlockEnd();
}

template <class Scanner>
inline void CDrillInterpreter<Scanner>::DrillHoleBlocks(NCToken& token) {
    if constexpr (!kAuto) {
        // The block position in locals: copying the members as a pair right after storing one of
        // them makes the processor wait for the store.
        double x = blockX;
        double y = blockY;
        for (;;) {
            // Whole lines first: most blocks are one line of an X and a Y word.
            if (scanner.ReadCoordinateBlock(x, y, tokenLine)) {
                DrillHoleAt(x, y);
                continue;
            }
            if (!scanner.ReadCoordinateWordInBlock(token)) {
                break;
            }
            tokenLine = token.line;
            if (token.type == TOKEN_X) {
                x = token.value;
            } else {
                y = token.value;
            }
            if (scanner.GetBlockEnd()) {
                scanner.ResetBlockEnd();
                DrillHoleAt(x, y);
            }
        }
        blockX = x;
        blockY = y;
    }
}

template <class Scanner>
inline void CDrillInterpreter<Scanner>::DrillHoleAt(const Length& x, const Length& y) {
    lastX = x;
    lastY = y;
    int holeX = 0;
    int holeY = 0;
    if (PointToNanometres(x, y, holeX, holeY)) {
        DeliverHit(holeX, holeY);
    }
}

template <class Scanner>
void CDrillInterpreter<Scanner>::DispatchAutoToken(const NCToken& token) {
    switch (token.type) {
        case TOKEN_TOOL_DEFINITION:
            DefineTool(token);
            break;
        case TOKEN_UNIT:
            ChangeUnit(token.code);
            break;
        case TOKEN_COUNTED_ERROR:
            // The scanner has written the message.
            CountErrors(1);
            break;
        default:
            ReportError(kWrongTokenType);
            break;
    }
}

template <class Scanner>
void CDrillInterpreter<Scanner>::DefineTool(const NCToken& token) {
    if (token.code == DEFINITION_UNNUMBERED_TABLE) {
        // Until the program selects a tool with T, the table's first tool is in force.
        tableTools = token.toolNumber;
        if (!toolSelectedByT) {
            currentTool = 1;
        }
    }
    const int plating = scanner.GetDefinitionPlating();
    if (token.code != DEFINITION_REAL) {
        if (statedTools.count(token.toolNumber) == 0) {
            commentTools[token.toolNumber] = {token.length, tokenLine, plating};
        }
        return;
    }
    const std::string before = toolTable.SizeText(token.toolNumber);
    const int errors = toolTable.DefineTool(token.text, tokenLine, plating);
    CountErrors(errors);
    if (errors == 0) {
        statedTools.insert(token.toolNumber);
        commentTools.erase(token.toolNumber);
        const std::string after = toolTable.SizeText(token.toolNumber);
        if (!before.empty() && after != before) {
            ReportWarning(kToolRedefined, token.toolNumber, tokenLine, after.c_str(),
                          before.c_str());
        }
    }
}

template <class Scanner>
void CDrillInterpreter<Scanner>::DeliverCommentTools() {
    for (const auto& [tool, entry] : commentTools) {
        CountErrors(toolTable.DefineRoundTool(tool, entry.diameter, entry.line, entry.plating));
    }
    commentTools.clear();
}

template <class Scanner>
void CDrillInterpreter<Scanner>::ChangeUnit(int unit) {
    exactUnit = ExactLength::UnitOf(unit);
    toolTable.SetExactUnit(exactUnit);
}

template <class Scanner>
void CDrillInterpreter<Scanner>::NextTableTool() {
    if (!toolSelectedByT && tableTools > 0) {
        // After the table's last tool, M00 keeps it.
        currentTool = std::min(currentTool + 1, tableTools);
    }
}

template <class Scanner>
inline void CDrillInterpreter<Scanner>::TakeBlockWord(const NCToken& token) {
    const int type = token.type;
    if constexpr (kAuto) {
        if (type == TOKEN_X || type == TOKEN_Y) {
            const bool x = type == TOKEN_X;
            if (copyPending) {
                (x ? copyX : copyY) = token.length;
                return;
            }
            if (repeatPending) {
                (x ? repeatStepX : repeatStepY) = token.length;
                (x ? repeatHasX : repeatHasY) = true;
                return;
            }
            Length& position = x ? blockX : blockY;
            if (scanner.GetStepMode() == CDrillMachineFormat::INCREMENTAL) {
                position += token.length;
            } else {
                position = token.length;
            }
            return;
        }
        // A is a radius and I and J are offsets, in either step mode.
        (type == TOKEN_A ? blockA : type == TOKEN_I ? blockI : blockJ) = token.length;
    } else {
        // Block words of the token types TOKEN_X to TOKEN_J, in that order.
        static constexpr double CDrillInterpreter<Scanner>::*kBlockWords[] = {
            &CDrillInterpreter<Scanner>::blockX, &CDrillInterpreter<Scanner>::blockY,
            &CDrillInterpreter<Scanner>::blockA, &CDrillInterpreter<Scanner>::blockI,
            &CDrillInterpreter<Scanner>::blockJ};
        static_assert(std::size(kBlockWords) == TOKEN_J - TOKEN_X + 1);
        this->*kBlockWords[type - TOKEN_X] = token.value;
        if (repeatPending) {
            repeatHasX = repeatHasX || type == TOKEN_X;
            repeatHasY = repeatHasY || type == TOKEN_Y;
        }
    }
}

template <class Scanner>
bool CDrillInterpreter<Scanner>::ActOnCode(const NCToken& token) {
    switch (token.code) {
        case CODE_G00:
            arcMode = kRapidMove;
            positioning = true;
            drillMode = false;
            break;
        case CODE_G01:
        case CODE_G02:
        case CODE_G03:
            routing = true;
            arcMode = token.code == CODE_G01   ? kLine
                      : token.code == CODE_G02 ? kClockwiseArc
                                               : kCounterClockwiseArc;
            drillMode = false;
            break;
        case CODE_G04:
            drillMode = false;
            break;
        case CODE_G05:
            drillMode = true;
            break;
        case CODE_G06:
        case CODE_G07:
        case CODE_G10:
        case CODE_G11:
        case CODE_G36:
        case CODE_G37:
        case CODE_G40:
        case CODE_G41:
        case CODE_G42:
        case CODE_G83:
        case CODE_G84:
        case CODE_G92:
            break;
        case CODE_G85:
            if constexpr (kAuto) {
                slotPending = true;
                slotStartX = blockX;
                slotStartY = blockY;
            }
            break;
        case CODE_G90:
            ChangeStepMode(CDrillMachineFormat::ABSOLUTE);
            break;
        case CODE_G91:
            ChangeStepMode(CDrillMachineFormat::INCREMENTAL);
            break;
        case CODE_G93:
            BuildToolTableOnce();
            AppendG93Point(token.text);
            break;
        case CODE_M15:
            StartContourBody();
            break;
        case CODE_M16:
        case CODE_M17:
            EndContourBody();
            break;
        case CODE_M30:
            EndProgram();
            return false;
        case CODE_M48:
        case CODE_M71:
        case CODE_M72:
            BuildToolTableOnce();
            break;
        case CODE_M00:
            NextTableTool();
            break;
        case CODE_G32:
        case CODE_G33:
            circlePending = true;
            circleClockwise = token.code == CODE_G32;
            break;
        case CODE_M01:
        case CODE_M02:
        case CODE_M08:
        case CODE_M25:
        case CODE_M70:
        case CODE_M80:
        case CODE_M90:
            ActOnPanelCode(token.code);
            break;
        default:
            ReportError(kCodeWithoutEffect, tokenLine);
            break;
    }
    return true;
}

template <class Scanner>
void CDrillInterpreter<Scanner>::SelectTool(const NCToken& token) {
    int tool = token.toolNumber;
    if constexpr (kAuto) {
        toolSelectedByT = true;
        // T0301 selects tool 3 with tool offset 1, unless tool 301 is defined.
        const int offsetTool = token.code;
        if (offsetTool >= 0 && !toolTable.IsToolDefined(tool) &&
            toolTable.IsToolDefined(offsetTool)) {
            tool = offsetTool;
        }
    }
    currentTool = tool;
    positioning = true;
    routing = false;
    if (tool > 999) {
        ReportWarning(kToolNumberOutOfRange, tool, tokenLine);
    }
    if (tool != 0 && !toolTable.IsToolDefined(tool)) {
        ReportError(kToolNotDefined, tool, tokenLine);
    }
}

template <class Scanner>
void CDrillInterpreter<Scanner>::TakeRepeatCount(double value) {
    repeatPending = true;
    // Written so that NaN is out of range as well.
    if (!(value <= kMostRepeats) || !LengthConverter::Truncate(value, repeatCount)) {
        ReportError(kValueOutOfRange, tokenLine);
        // The block then drills none of its holes.
        repeatCount = 0;
    }
}

template <class Scanner>
void CDrillInterpreter<Scanner>::ChangeStepMode(int stepMode) {
    if (scanner.GetStepMode() == stepMode) {
        return;
    }
    ReportWarning(kStepModeChange, tokenLine);
    scanner.SetStepMode(stepMode);
}

template <class Scanner>
void CDrillInterpreter<Scanner>::BuildToolTableOnce() {
    if (toolTableBuilt) {
        return;
    }
    CountErrors(toolTable.BuildToolTable(scanner.GetToolLines(), scanner.GetPlatingStatements(),
                                         tokenLine));
    toolTableBuilt = true;
    // The table is built once; tool definitions found later are never read.
    scanner.StopCollectingToolLines();
}

template <class Scanner>
void CDrillInterpreter<Scanner>::StartContourBody() {
    if (inContour) {
        messages.Write(kContourNotClosed, MessageKind::Neither, tokenLine,
                       scanner.GetFilePath().c_str(), tokenLine);
    }
    contour.SetTool(currentTool);
    routing = true;
    inContour = true;
    positioning = false;
}

template <class Scanner>
void CDrillInterpreter<Scanner>::EndContourBody() {
    if (!inContour) {
        messages.Write(kContourNotStarted, MessageKind::Neither, tokenLine,
                       scanner.GetFilePath().c_str(), tokenLine);
    }
    routing = false;
    drillMode = false;
    inContour = false;
    FlushContour();
}

template <class Scanner>
void CDrillInterpreter<Scanner>::EndProgram() {
    if (inContour) {
        messages.Write(kContourNotClosed, MessageKind::Neither, tokenLine,
                       scanner.GetFilePath().c_str(), tokenLine);
        inContour = false;
    }
}

template <class Scanner>
inline void CDrillInterpreter<Scanner>::ProcessBlockIfEnded() {
    if (scanner.GetBlockEnd()) {
        ProcessBlock();
        scanner.ResetBlockEnd();
    }
}

template <class Scanner>
inline void CDrillInterpreter<Scanner>::ProcessBlock() {
    if constexpr (kAuto) {
        // An M02 block's R counts its copies; an R block drills its holes whatever the motion
        // code.
        if (copyPending) {
            DeliverCopies();
            return;
        }
        if (repeatPending) {
            DrillRepeatedHoles();
            return;
        }
        if (slotPending) {
            DeliverSlot();
            return;
        }
        if (circlePending) {
            DeliverCircle();
            return;
        }
    }
    const bool positionBlock = (positioning && !routing) || arcMode == kRapidMove || drillMode;
    if (positionBlock) {
        ProcessPositionBlock();
        return;
    }
    switch (arcMode) {
        case kLine:
            AppendLine();
            break;
        case kClockwiseArc:
        case kCounterClockwiseArc:
            AppendArc();
            break;
        default:
            ReportError(kUnknownArcMode, tokenLine);
            break;
    }
}

template <class Scanner>
inline void CDrillInterpreter<Scanner>::ProcessPositionBlock() {
    if (repeatPending) {
        DrillRepeatedHoles();
        return;
    }
    lastX = blockX;
    lastY = blockY;
    // A block read while G05 is in force is a hole, whatever motion code came before the G05.
    if (arcMode == kRapidMove && !drillMode) {
        FlushContour();
        contour.SetTool(currentTool);
        AppendContourPoint(blockX, blockY);
        return;
    }
    int x = 0;
    int y = 0;
    if (PointToNanometres(blockX, blockY, x, y)) {
        DeliverHit(x, y);
    }
}

template <class Scanner>
void CDrillInterpreter<Scanner>::DrillRepeatedHoles() {
    const Length stepX = repeatHasX ? (kAuto ? repeatStepX : blockX) : Length{};
    const Length stepY = repeatHasY ? (kAuto ? repeatStepY : blockY) : Length{};
    Length holeX = lastX;
    Length holeY = lastY;
    bool reported = false;
    for (int hole = 0; hole < repeatCount; ++hole) {
        holeX += stepX;
        holeY += stepY;
        int x = 0;
        int y = 0;
        const bool xFits = ToNanometres(holeX, x);
        const bool yFits = ToNanometres(holeY, y);
        if (xFits && yFits) {
            DeliverHit(x, y);
            continue;
        }
        // One message per block: a count of billions would otherwise write billions of them.
        if (!reported) {
            ReportError(kValueOutOfRange, tokenLine);
            reported = true;
        }
        if ((!xFits && StaysBeyondRange(holeX, stepX)) ||
            (!yFits && StaysBeyondRange(holeY, stepY))) {
            break;
        }
    }
    if constexpr (kAuto) {
        // The position is the row's last hole, also where holes beyond the range ended it early.
        lastX = blockX = lastX + stepX.Times(repeatCount);
        lastY = blockY = lastY + stepY.Times(repeatCount);
    }
    repeatPending = false;
    repeatHasX = false;
    repeatHasY = false;
}

template <class Scanner>
void CDrillInterpreter<Scanner>::AppendLine() {
    lastX = blockX;
    lastY = blockY;
    AppendContourPoint(blockX, blockY);
}

template <class Scanner>
void CDrillInterpreter<Scanner>::AppendContourPoint(const Length& x, const Length& y) {
    int vertexX = 0;
    int vertexY = 0;
    if (PointToNanometres(x, y, vertexX, vertexY)) {
        contour.AppendVertex(vertexX, vertexY, 0);
        contourEndX = x;
        contourEndY = y;
    }
}

template <class Scanner>
void CDrillInterpreter<Scanner>::AppendArc() {
    AppendArcVertices();
    lastX = blockX;
    lastY = blockY;
    // The arc words belong to their own block and do not carry over to the next arc.
    blockA = Length{};
    blockI = Length{};
    blockJ = Length{};
}

template <class Scanner>
void CDrillInterpreter<Scanner>::AppendArcVertices() {
    if (!contour.HasVertex()) {
        ReportError(kArcWithoutStart, tokenLine);
        return;
    }
    if constexpr (kAuto) {
        if (blockA.IsZero() && blockI.IsZero() && blockJ.IsZero()) {
            ReportWarning(kArcWithoutRadius, tokenLine);
            AppendContourPoint(blockX, blockY);
            return;
        }
    }
    int endX = 0;
    int endY = 0;
    if (!PointToNanometres(blockX, blockY, endX, endY)) {
        return;
    }
    ArcCentre::Vertex centre{};
    if (!PlaceArcCentre({contour.LastX(), contour.LastY()}, {endX, endY}, centre)) {
        ReportError(kValueOutOfRange, tokenLine);
        return;
    }
    contour.AppendVertex(centre.x, centre.y, centre.r);
    contour.AppendVertex(endX, endY, 0);
    contourEndX = blockX;
    contourEndY = blockY;
}

template <class Scanner>
bool CDrillInterpreter<Scanner>::PlaceArcCentre(ArcCentre::Point start, ArcCentre::Point end,
                                                ArcCentre::Vertex& centre) {
    const bool clockwise = arcMode == kClockwiseArc;
    if constexpr (kAuto) {
        if (blockI.IsZero() && blockJ.IsZero()) {
            return ArcCentre::PlaceByRadius(start, end, std::fabs(blockA.Nanometres()), clockwise,
                                            centre);
        }
        // I and J lead from the arc's start to its centre, each with its own sign.
        return ArcCentre::PlaceByOffsets(contourEndX + blockI, contourEndY + blockJ, blockI, blockJ,
                                         clockwise, centre);
    } else {
        return ArcCentre::Place(start, end, {blockA, blockI, blockJ, clockwise}, lengths, centre);
    }
}

template <class Scanner>
void CDrillInterpreter<Scanner>::AppendG93Point(const std::string& text) {
    int x = 0;
    int y = 0;
    if (!G93Text::ReadPoint(text, x, y)) {
        ReportError(kValueOutOfRange, tokenLine);
        return;
    }
    if constexpr (kAuto) {
        blockX = lastX = ExactLength::FromWhole(x, exactUnit);
        blockY = lastY = ExactLength::FromWhole(y, exactUnit);
    } else {
        blockX = lastX = x;
        blockY = lastY = y;
    }
    AppendContourPoint(blockX, blockY);
}

template <class Scanner>
void CDrillInterpreter<Scanner>::FlushContour() {
    DeliverContour(contour, toolTable.WidthOf(contour.Tool()));
}

template <class Scanner>
void CDrillInterpreter<Scanner>::DeliverContour(ContourBuilder& builder, int width) {
    messages.FlushBatch();
    const bool delivered = builder.Flush(width);
    if constexpr (kAuto) {
        if (delivered && pattern.IsRecording() &&
            !pattern.RecordContour(builder.FlushedWords(),
                                   static_cast<std::size_t>(builder.FlushedWordCount()), width,
                                   builder.Tool()) &&
            !patternCutReported) {
            ReportWarning(kPatternCut, pattern.BeginLine(),
                          static_cast<int>(PanelPattern::kMostItems), tokenLine);
            patternCutReported = true;
        }
    }
}

template <class Scanner>
void CDrillInterpreter<Scanner>::DeliverHit(int x, int y) {
    messages.FlushBatch();
    owner->AddHit(x, y, currentTool);
    if constexpr (kAuto) {
        if (pattern.IsRecording() && !pattern.RecordHole(x, y, currentTool) &&
            !patternCutReported) {
            ReportWarning(kPatternCut, pattern.BeginLine(),
                          static_cast<int>(PanelPattern::kMostItems), tokenLine);
            patternCutReported = true;
        }
    }
}

template <class Scanner>
inline bool CDrillInterpreter<Scanner>::PointToNanometres(const Length& x, const Length& y, int& nx,
                                                          int& ny) {
    if (ToNanometres(x, nx) && ToNanometres(y, ny)) {
        return true;
    }
    ReportError(kValueOutOfRange, tokenLine);
    return false;
}

template <class Scanner>
void CDrillInterpreter<Scanner>::DeliverSlot() {
    slotPending = false;
    lastX = blockX;
    lastY = blockY;
    const int routeTool = contour.Tool();
    const bool routeOpen = EndRouteBeforeCycle();
    int startX = 0;
    int startY = 0;
    int endX = 0;
    int endY = 0;
    if (PointToNanometres(slotStartX, slotStartY, startX, startY) &&
        PointToNanometres(blockX, blockY, endX, endY)) {
        ContourBuilder slot(*owner);
        slot.SetTool(currentTool);
        slot.AppendVertex(startX, startY, 0);
        slot.AppendVertex(endX, endY, 0);
        DeliverContour(slot, toolTable.WidthOf(currentTool));
    }
    if (routeOpen) {
        ResumeRouteAfterCycle(routeTool);
    }
}

template <class Scanner>
void CDrillInterpreter<Scanner>::DeliverCircle() {
    circlePending = false;
    lastX = blockX;
    lastY = blockY;
    const Length radiusWord = blockA;
    blockA = Length{};
    blockI = Length{};
    blockJ = Length{};
    int x = 0;
    int y = 0;
    if (!PointToNanometres(blockX, blockY, x, y)) {
        return;
    }
    int radius = 0;
    if (!ToNanometres(radiusWord, radius) || radius == INT_MIN) {
        ReportError(kValueOutOfRange, tokenLine);
        return;
    }
    radius = std::abs(radius);
    if (radius == 0) {
        // A circle of no radius is a plunge at its centre.
        DeliverHit(x, y);
        return;
    }
    const long long east = static_cast<long long>(x) + radius;
    const long long west = static_cast<long long>(x) - radius;
    if (east > INT_MAX || west < INT_MIN) {
        ReportError(kValueOutOfRange, tokenLine);
        return;
    }
    const int routeTool = contour.Tool();
    const bool routeOpen = EndRouteBeforeCycle();
    // Two half circles from the east point through the west point and back.
    const int signedRadius = circleClockwise ? radius : -radius;
    ContourBuilder circle(*owner);
    circle.SetTool(currentTool);
    circle.AppendVertex(static_cast<int>(east), y, 0);
    circle.AppendVertex(x, y, signedRadius);
    circle.AppendVertex(static_cast<int>(west), y, 0);
    circle.AppendVertex(x, y, signedRadius);
    circle.AppendVertex(static_cast<int>(east), y, 0);
    DeliverContour(circle, toolTable.WidthOf(currentTool));
    if (routeOpen) {
        ResumeRouteAfterCycle(routeTool);
    }
}

template <class Scanner>
bool CDrillInterpreter<Scanner>::EndRouteBeforeCycle() {
    const bool open = contour.HasVertex();
    FlushContour();
    return open;
}

template <class Scanner>
void CDrillInterpreter<Scanner>::ResumeRouteAfterCycle(int tool) {
    contour.SetTool(tool);
    AppendContourPoint(blockX, blockY);
}

template <class Scanner>
void CDrillInterpreter<Scanner>::ActOnPanelCode(int code) {
    switch (code) {
        case CODE_M25:
            if (pattern.IsRecording()) {
                ReportWarning(kPatternNotClosed, pattern.BeginLine(), tokenLine);
            }
            pattern.Begin(tokenLine);
            patternCutReported = false;
            break;
        case CODE_M01:
            pattern.Close();
            break;
        case CODE_M08:
            pattern.Forget();
            break;
        case CODE_M02:
            copyPending = true;
            copyX = Length{};
            copyY = Length{};
            break;
        default:
            copyTurn.swapAxes = copyTurn.swapAxes || code == CODE_M70;
            copyTurn.mirrorX = copyTurn.mirrorX || code == CODE_M80;
            copyTurn.mirrorY = copyTurn.mirrorY || code == CODE_M90;
            break;
    }
    // An M02 block ends at its M code when no offset or turn follows it on its line.
    if (scanner.GetBlockEnd()) {
        scanner.ResetBlockEnd();
        if (copyPending) {
            DeliverCopies();
        }
    }
}

template <class Scanner>
void CDrillInterpreter<Scanner>::DeliverCopies() {
    const int copies = repeatPending ? repeatCount : 1;
    repeatPending = false;
    repeatHasX = false;
    repeatHasY = false;
    copyPending = false;
    PanelPattern::Placement placement = copyTurn;
    copyTurn = PanelPattern::Placement{};
    if (pattern.IsRecording()) {
        ReportWarning(kPatternNotClosed, pattern.BeginLine(), tokenLine);
        pattern.Close();
    }
    if (!pattern.Exists()) {
        ReportWarning(kNoPatternToRepeat, tokenLine);
        return;
    }
    int stepX = 0;
    int stepY = 0;
    if (!PointToNanometres(copyX, copyY, stepX, stepY)) {
        return;
    }
    const int delivered = CopiesWithinBound(copies);
    bool reported = false;
    for (int copy = 1; copy <= delivered; ++copy) {
        placement.shiftX = static_cast<long long>(stepX) * copy;
        placement.shiftY = static_cast<long long>(stepY) * copy;
        if (!DeliverCopy(placement) && !reported) {
            ReportError(kValueOutOfRange, tokenLine);
            reported = true;
        }
    }
}

template <class Scanner>
int CDrillInterpreter<Scanner>::CopiesWithinBound(int copies) {
    const long long allowance = std::max(kCopiedPerLine * tokenLine - copiedItems, 0LL);
    const long long size = pattern.Size();
    const long long fitting = size == 0 ? copies : allowance / size;
    const int delivered = fitting < copies ? static_cast<int>(fitting) : copies;
    if (delivered < copies) {
        ReportWarning(kCopiesCut, tokenLine, delivered, copies, static_cast<int>(kCopiedPerLine));
    }
    copiedItems += size * delivered;
    return delivered;
}

template <class Scanner>
bool CDrillInterpreter<Scanner>::DeliverCopy(const PanelPattern::Placement& placement) {
    bool fits = true;
    for (const PanelPattern::Item& item : pattern.Items()) {
        const int* words = pattern.Words(item);
        int x = 0;
        int y = 0;
        if (item.hole) {
            if (pattern.Place(words[0], words[1], placement, x, y)) {
                owner->AddHit(x, y, item.tool);
            } else {
                fits = false;
            }
            continue;
        }
        copiedContour.SetTool(item.tool);
        bool itemFits = true;
        for (std::size_t word = 0; itemFits && word < item.wordCount;
             word += PanelPattern::kWordsPerVertex) {
            itemFits = pattern.Place(words[word], words[word + 1], placement, x, y);
            copiedContour.AppendVertex(x, y, PanelPattern::PlaceRadius(words[word + 2], placement));
        }
        if (itemFits) {
            copiedContour.Flush(item.width);
        } else {
            copiedContour.Discard();
            fits = false;
        }
    }
    return fits;
}

template class CDrillInterpreter<CDrillScanner>;
template class CDrillInterpreter<CAutoScanner>;
