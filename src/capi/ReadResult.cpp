#include "capi/ReadResult.h"

#include <new>

#include "perforex/ContourVertices.h"
#include "platform/NativeMemory.h"

namespace {

// Returns the flags of the C interface set in a geometry record's header word.
std::int32_t ContourFlags(int header) {
    std::int32_t flags = 0;
    if ((header & CVbVrtxGeom::kClosedBit) != 0) {
        flags |= PFX_CONTOUR_CLOSED;
    }
    if ((header & CVbVrtxGeom::kBreaksBit) != 0) {
        flags |= PFX_CONTOUR_BREAKS;
    }
    if ((header & CVbVrtxGeom::kCounterClockwiseBit) != 0) {
        flags |= PFX_CONTOUR_COUNTER_CLOCKWISE;
    }
    return flags;
}

}  // namespace

void CReadResult::AddTool(int tool, int holeType, int diameter, int width, int height, double angle,
                          int plating) {
    tools.push_back(
        {tool, holeType, diameter, width, height, angle, HoleCount(), contours.size(), plating});
}

void CReadResult::ReserveHoles(std::int64_t programBytes) {
    // The fewest bytes a hole block takes with its line end, such as X1Y1; only the pages the
    // holes fill are ever touched, so that a bound too high costs address space alone.
    constexpr std::int64_t kShortestHoleBlock = 5;
    // Below this the holes fill few pages, and the heap they share needs no advice.
    constexpr std::size_t kLargePagesFrom = std::size_t{4} << 20;
    const std::int64_t holeCount = programBytes / kShortestHoleBlock;
    // Without the room the holes grow as they come.
    if (holeCount <= 0 || !holes.Reserve(static_cast<std::size_t>(holeCount))) {
        return;
    }
    if (holes.ReservedBytes() >= kLargePagesFrom) {
        NativeMemory::PreferLargePages(holes.ReservedBlock(), holes.ReservedBytes());
    }
}

void CReadResult::AddContour(const CVbVrtxGeom& path, int tool) {
    const int* record = path.GetRecord();
    const std::vector<CVbVertex> pathVertices = GetContourVertices(path);
    vertexStarts.push_back(vertices.size());
    for (const CVbVertex& vertex : pathVertices) {
        vertices.insert(vertices.end(), {vertex.x, vertex.y, vertex.r});
    }
    contours.push_back({tool, GetKind(record), path.GetWidth(), ContourFlags(record[0]),
                        pathVertices.size(), nullptr, HoleCount()});
}

void CReadResult::AddMessage(const CReaderMessage& message) {
    messageTexts.push_back(message.text.Str());
    messages.push_back(
        {message.number, message.line, message.kind, nullptr, messageTexts.back().size()});
}

void CReadResult::SetEvidence(const std::vector<CFormatEvidence>& decisions) {
    evidence = decisions;
    evidenceItems.clear();
    for (const CFormatEvidence& decision : evidence) {
        evidenceItems.push_back({decision.item.GetString(), decision.value.GetString(),
                                 decision.reason.GetString(), decision.line,
                                 decision.text.GetString()});
    }
}

void CReadResult::Fail(int failure, std::string why) {
    status = failure;
    errorText = std::move(why);
    resultCode = 0;
    tools.clear();
    holes.Clear();
    contours.clear();
    vertices.clear();
    vertexStarts.clear();
    machineFormat.clear();
    evidence.clear();
    evidenceItems.clear();
}

void CReadResult::Seal() noexcept {
    for (std::size_t index = 0; index < contours.size(); ++index) {
        contours[index].vertices = vertices.data() + vertexStarts[index];
    }
    for (std::size_t index = 0; index < messages.size(); ++index) {
        messages[index].text = messageTexts[index].c_str();
    }
}
