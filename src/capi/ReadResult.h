#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "capi/HoleArray.h"
#include "perforex/FormatDetector.h"
#include "perforex/ReaderMessage.h"
#include "perforex/perforex_c.h"

class CVbVrtxGeom;

// Everything one read through the C interface delivered, kept in the arrays the interface hands
// out. The records are added while the read runs; Seal then points the contours and messages at
// their vertices and texts, which no later addition may move.
class CReadResult {
  public:
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle,
                 int plating);
    // Inline, so that the collector's AddHit, which a read calls for every hole, stores the
    // hole without a second call.
    void AddHit(int x, int y, int tool) { holes.Add(x, y, tool); }
    // Makes room, before a read, for as many holes as a program of the given size can hold in
    // the usual way, one short block each, so that the hole array does not grow by copies as
    // the read goes on; a program that holds more grows it as usual.
    void ReserveHoles(std::int64_t programBytes);
    void AddContour(const CVbVrtxGeom& path, int tool);
    void AddMessage(const CReaderMessage& message);
    void SetEvidence(const std::vector<CFormatEvidence>& evidence);
    void SetMachineFormat(std::string text) { machineFormat = std::move(text); }
    void SetResultCode(int code) { resultCode = code; }
    // Marks the call failed with the given status and one line saying why; drops what the read
    // delivered but its messages.
    void Fail(int failure, std::string why);
    // Returns the text of the message at index.
    const std::string& MessageText(std::size_t index) const { return messageTexts[index]; }
    // Points the contours and messages at their vertices and texts.
    void Seal() noexcept;

    int Status() const { return status; }
    const std::string& ErrorText() const { return errorText; }
    int ResultCode() const { return resultCode; }
    const std::vector<pfx_tool>& Tools() const { return tools; }
    std::size_t HoleCount() const { return holes.HoleCount(); }
    const std::int32_t* Holes() const { return holes.Words(); }
    const std::vector<pfx_contour>& Contours() const { return contours; }
    const std::vector<pfx_message>& Messages() const { return messages; }
    const std::string& MachineFormat() const { return machineFormat; }
    const std::vector<pfx_evidence_item>& Evidence() const { return evidenceItems; }

  private:
    int status = PFX_OK;
    std::string errorText;
    int resultCode = 0;
    std::vector<pfx_tool> tools;
    // x, y and tool of each hole.
    HoleArray holes;
    std::vector<pfx_contour> contours;
    // The vertices of every contour, one contour after the other, and where each one starts.
    std::vector<std::int32_t> vertices;
    std::vector<std::size_t> vertexStarts;
    std::vector<pfx_message> messages;
    std::vector<std::string> messageTexts;
    std::string machineFormat;
    std::vector<CFormatEvidence> evidence;
    std::vector<pfx_evidence_item> evidenceItems;
};
