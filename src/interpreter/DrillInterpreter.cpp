#include "interpreter/DrillInterpreter.h"

#include <cmath>
#include <iterator>

#include "interpreter/ArcCentre.h"
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

}  // namespace

template <class Scanner>
CDrillInterpreter<Scanner>::CDrillInterpreter(CPerforexReader* owner, MessageOutput messages,
                                              const CDrillMachineFormat& settings,
                                              const DrillInput& input)
    : owner(owner),
      messages(messages),
      lengths(settings.unitLength),
      scanner(input, settings, messages),
      toolTable(*owner, messages, lengths),
      contour(*owner),
      fileOpened(scanner.IsOpen()) {}

template <class Scanner>
bool CDrillInterpreter<Scanner>::Run() {
    NCToken token;
    bool running = true;
    while (running) {
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
        TakeBlockWord(token.type, token.value);
        ProcessBlockIfEnded();
        return true;
    }
    switch (token.type) {
        case TOKEN_CODE:
            return ActOnCode(token);
        case TOKEN_TOOL:
            SelectTool(token.toolNumber);
            break;
        case TOKEN_R:
            TakeRepeatCount(token.value);
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
    const bool commentTable = token.code != 0;
    if (commentTable) {
        if (statedTools.count(token.toolNumber) == 0) {
            commentTools[token.toolNumber] = {token.value, tokenLine};
        }
        return;
    }
    const int errors = toolTable.DefineTool(token.text, tokenLine);
    CountErrors(errors);
    if (errors == 0) {
        statedTools.insert(token.toolNumber);
        commentTools.erase(token.toolNumber);
    }
}

template <class Scanner>
void CDrillInterpreter<Scanner>::DeliverCommentTools() {
    for (const auto& [tool, entry] : commentTools) {
        CountErrors(toolTable.DefineRoundTool(tool, entry.diameter, entry.line));
    }
    commentTools.clear();
}

template <class Scanner>
void CDrillInterpreter<Scanner>::ChangeUnit(int unit) {
    lengths =
        LengthConverter(unit == CDrillMachineFormat::MM ? CDrillMachineFormat::NANOMETRES_PER_MM
                                                        : CDrillMachineFormat::NANOMETRES_PER_INCH);
    toolTable.SetLengths(lengths);
}

template <class Scanner>
inline void CDrillInterpreter<Scanner>::TakeBlockWord(int type, double value) {
    // Block words of the token types TOKEN_X to TOKEN_J, in that order.
    static constexpr double CDrillInterpreter<Scanner>::*kBlockWords[] = {
        &CDrillInterpreter<Scanner>::blockX, &CDrillInterpreter<Scanner>::blockY,
        &CDrillInterpreter<Scanner>::blockA, &CDrillInterpreter<Scanner>::blockI,
        &CDrillInterpreter<Scanner>::blockJ};
    static_assert(std::size(kBlockWords) == TOKEN_J - TOKEN_X + 1);
    this->*kBlockWords[type - TOKEN_X] = value;
    if (repeatPending) {
        repeatHasX = repeatHasX || type == TOKEN_X;
        repeatHasY = repeatHasY || type == TOKEN_Y;
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
        default:
            ReportError(kCodeWithoutEffect, tokenLine);
            break;
    }
    return true;
}

template <class Scanner>
void CDrillInterpreter<Scanner>::SelectTool(int tool) {
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
    CountErrors(toolTable.BuildToolTable(scanner.GetToolLines(), tokenLine));
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
        if (slotPending) {
            DeliverSlot();
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
    if (arcMode == kRapidMove) {
        FlushContour();
        contour.SetTool(currentTool);
    }
    int x = 0;
    int y = 0;
    if (!PointToNanometres(blockX, blockY, x, y)) {
        return;
    }
    if (arcMode == kRapidMove) {
        contour.AppendVertex(x, y, 0);
    } else {
        owner->AddHit(x, y, currentTool);
    }
}

template <class Scanner>
void CDrillInterpreter<Scanner>::DrillRepeatedHoles() {
    const double stepX = repeatHasX ? blockX : 0.0;
    const double stepY = repeatHasY ? blockY : 0.0;
    double holeX = lastX;
    double holeY = lastY;
    bool reported = false;
    for (int hole = 0; hole < repeatCount; ++hole) {
        holeX += stepX;
        holeY += stepY;
        int x = 0;
        int y = 0;
        const bool xFits = lengths.ToNanometres(holeX, x);
        const bool yFits = lengths.ToNanometres(holeY, y);
        if (xFits && yFits) {
            owner->AddHit(x, y, currentTool);
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
    repeatPending = false;
    repeatHasX = false;
    repeatHasY = false;
}

template <class Scanner>
void CDrillInterpreter<Scanner>::AppendLine() {
    lastX = blockX;
    lastY = blockY;
    int x = 0;
    int y = 0;
    if (PointToNanometres(blockX, blockY, x, y)) {
        contour.AppendVertex(x, y, 0);
    }
}

template <class Scanner>
void CDrillInterpreter<Scanner>::AppendArc() {
    AppendArcVertices();
    lastX = blockX;
    lastY = blockY;
    // The arc words belong to their own block and do not carry over to the next arc.
    blockA = 0.0;
    blockI = 0.0;
    blockJ = 0.0;
}

template <class Scanner>
void CDrillInterpreter<Scanner>::AppendArcVertices() {
    if (!contour.HasVertex()) {
        ReportError(kArcWithoutStart, tokenLine);
        return;
    }
    int endX = 0;
    int endY = 0;
    if (!PointToNanometres(blockX, blockY, endX, endY)) {
        return;
    }
    const ArcCentre::ArcWords words{blockA, blockI, blockJ, arcMode == kClockwiseArc};
    ArcCentre::Vertex centre{};
    if (!ArcCentre::Place({contour.LastX(), contour.LastY()}, {endX, endY}, words, lengths,
                          centre)) {
        ReportError(kValueOutOfRange, tokenLine);
        return;
    }
    contour.AppendVertex(centre.x, centre.y, centre.r);
    contour.AppendVertex(endX, endY, 0);
}

template <class Scanner>
void CDrillInterpreter<Scanner>::AppendG93Point(const std::string& text) {
    int x = 0;
    int y = 0;
    if (!G93Text::ReadPoint(text, x, y)) {
        ReportError(kValueOutOfRange, tokenLine);
        return;
    }
    blockX = lastX = x;
    blockY = lastY = y;
    int vertexX = 0;
    int vertexY = 0;
    if (PointToNanometres(x, y, vertexX, vertexY)) {
        contour.AppendVertex(vertexX, vertexY, 0);
    }
}

template <class Scanner>
void CDrillInterpreter<Scanner>::FlushContour() {
    contour.Flush(toolTable.WidthOf(contour.Tool()));
}

template <class Scanner>
inline bool CDrillInterpreter<Scanner>::PointToNanometres(double x, double y, int& nx, int& ny) {
    if (lengths.ToNanometres(x, nx) && lengths.ToNanometres(y, ny)) {
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
    int startX = 0;
    int startY = 0;
    int endX = 0;
    int endY = 0;
    if (!PointToNanometres(slotStartX, slotStartY, startX, startY) ||
        !PointToNanometres(blockX, blockY, endX, endY)) {
        return;
    }
    ContourBuilder slot(*owner);
    slot.SetTool(currentTool);
    slot.AppendVertex(startX, startY, 0);
    slot.AppendVertex(endX, endY, 0);
    slot.Flush(toolTable.WidthOf(currentTool));
}

template class CDrillInterpreter<CDrillScanner>;
template class CDrillInterpreter<CAutoScanner>;
