#include "capi/WriterHandle.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include "capi/ErrnoStatus.h"
#include "capi/ReadResult.h"
#include "detection/BuiltInFormat.h"
#include "perforex/VbPolyarcPath.h"
#include "platform/NativeFile.h"

static_assert(PFX_PLATING_UNKNOWN == static_cast<int>(CDrillWriter::PlatingUnknown) &&
                  PFX_PLATED == static_cast<int>(CDrillWriter::Plated) &&
                  PFX_NON_PLATED == static_cast<int>(CDrillWriter::NonPlated),
              "a tool's plating passes from the C interface to the writer as it is");

namespace {

// Name of the new file beside the target that replaces it once complete.
std::string PartialPath(const std::string& path) {
    return path + ".partial";
}

std::string SystemError(const char* what, const std::string& path, int error) {
    return std::string(what) + " '" + path + "': " + std::strerror(error);
}

// Replaces the line feeds of a reason by blanks, so that it is one line.
std::string OneLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    for (char& c : text) {
        c = c == '\n' ? ' ' : c;
    }
    return text;
}

}  // namespace

CWriterHandle::CWriterHandle() {
    SetMachineFormat(nullptr, PFX_FORMAT_DETECT);
}

int CWriterHandle::SetMachineFormat(const char* machineFormat, int formatKind) {
    hasFormat = false;
    if (formatKind != PFX_FORMAT_DETECT && formatKind != PFX_FORMAT_FILE &&
        formatKind != PFX_FORMAT_TEXT) {
        return Fail(PFX_ERROR_ARGUMENT,
                    "unknown machine format kind " + std::to_string(formatKind));
    }
    if (formatKind != PFX_FORMAT_DETECT && machineFormat == nullptr) {
        return Fail(PFX_ERROR_ARGUMENT, "no machine format given");
    }
    const int loaded = formatKind == PFX_FORMAT_FILE
                           ? writer.SetDrillMachineFormatFile(machineFormat)
                           : writer.SetDrillMachineFormatText(formatKind == PFX_FORMAT_TEXT
                                                                  ? machineFormat
                                                                  : BuiltInFormat::Text());
    if (loaded == 0) {
        return Fail(PFX_ERROR_MACHINE_FORMAT, OneLine(writer.GetError().Str()));
    }
    hasFormat = true;
    return Succeed();
}

int CWriterHandle::AddTool(std::int32_t number, std::int32_t holeType, std::int32_t diameter,
                           std::int32_t width, std::int32_t height, double angle,
                           std::int32_t plating) {
    if (plating != PFX_PLATING_UNKNOWN && plating != PFX_PLATED && plating != PFX_NON_PLATED) {
        return Fail(PFX_ERROR_ARGUMENT, "unknown plating code " + std::to_string(plating));
    }
    writer.AddTool(number, holeType, diameter, width, height, angle);
    writer.SetToolPlating(number, plating);
    return Succeed();
}

int CWriterHandle::AddHits(const std::int32_t* holes, std::size_t count) {
    if (holes == nullptr && count > 0) {
        return Fail(PFX_ERROR_ARGUMENT, "no holes given for a count of " + std::to_string(count));
    }
    for (std::size_t index = 0; index < count; ++index) {
        writer.AddHit(holes[3 * index], holes[3 * index + 1], holes[3 * index + 2]);
    }
    holeCount += count;
    return Succeed();
}

int CWriterHandle::AddContour(std::int32_t tool, std::int32_t width, const std::int32_t* vertices,
                              std::size_t vertexCount) {
    if (vertices == nullptr && vertexCount > 0) {
        return Fail(PFX_ERROR_ARGUMENT,
                    "no vertices given for a count of " + std::to_string(vertexCount));
    }
    if (vertexCount > INT_MAX / 3) {
        return Fail(PFX_ERROR_ARGUMENT, "a contour of " + std::to_string(vertexCount) +
                                            " vertices is more than a contour holds");
    }
    const CVbPolyarcPath path(width, vertices, static_cast<int>(3 * vertexCount), 0, 0, 0, 0);
    writer.AddContour(path, tool);
    ++contourCount;
    return Succeed();
}

int CWriterHandle::AddResult(const CReadResult& result) {
    if (result.Status() != PFX_OK) {
        return Fail(PFX_ERROR_ARGUMENT, "the read failed: " + result.ErrorText());
    }
    for (const pfx_tool& tool : result.Tools()) {
        AddTool(tool.number, tool.hole_type, tool.diameter, tool.width, tool.height, tool.angle,
                tool.plating);
    }
    std::size_t hole = 0;
    for (const pfx_contour& contour : result.Contours()) {
        AddHits(result.Holes() + 3 * hole, contour.holes_before - hole);
        hole = contour.holes_before;
        const int status =
            AddContour(contour.tool, contour.width, contour.vertices, contour.vertex_count);
        if (status != PFX_OK) {
            return status;
        }
    }
    return AddHits(result.Holes() + 3 * hole, result.HoleCount() - hole);
}

int CWriterHandle::Write(const char* path) {
    if (path == nullptr) {
        return Fail(PFX_ERROR_ARGUMENT, "no path given to write to");
    }
    std::string text;
    const int status = WriteProgram(text);
    return status == PFX_OK ? WriteFile(path, text) : status;
}

int CWriterHandle::WriteMemory(const char** text, std::size_t* size) {
    if (text == nullptr || size == nullptr) {
        return Fail(PFX_ERROR_ARGUMENT, "no place given for the program");
    }
    std::string written;
    const int status = WriteProgram(written);
    if (status == PFX_OK) {
        program = std::move(written);
        *text = program.c_str();
        *size = program.size();
    }
    return status;
}

int CWriterHandle::WriteProgram(std::string& text) {
    roundings.clear();
    if (!hasFormat) {
        return Fail(PFX_ERROR_MACHINE_FORMAT, "no machine format is set to write in");
    }
    if (holeCount == 0 && contourCount == 0) {
        return Fail(PFX_ERROR_NOTHING_TO_WRITE, "no hole and no contour to write");
    }
    perforex::CString written;
    if (writer.WriteProgram(written) == 0) {
        return Fail(PFX_ERROR_FORMAT_CANNOT_HOLD, OneLine(writer.GetError().Str()));
    }
    text = written.Str();
    for (int index = 0; index < writer.GetRoundingCount(); ++index) {
        const CWriteRounding moved = writer.GetRounding(index);
        roundings.push_back({moved.value, moved.item, moved.vertex, moved.given, moved.written});
    }
    return Succeed();
}

int CWriterHandle::WriteFile(const std::string& path, const std::string& bytes) {
    std::vector<pfx_rounding> moved = std::move(roundings);
    if (NativeFile::StatusOf(path).kind == NativeFile::Kind::kDirectory) {
        return Fail(PFX_ERROR_IS_DIRECTORY, SystemError("cannot replace", path, EISDIR));
    }
    const std::string partial = PartialPath(path);
    FILE* file = NativeFile::Open(partial, "wb");
    if (file == nullptr) {
        const int error = errno;
        return Fail(ErrnoStatus::Of(error, PFX_ERROR_UNWRITABLE),
                    SystemError("cannot create", partial, error));
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || !NativeFile::Replace(partial, path)) {
        const int error = errno;
        NativeFile::Remove(partial);
        return Fail(ErrnoStatus::Of(error, PFX_ERROR_UNWRITABLE),
                    SystemError(written && closed ? "cannot replace" : "cannot write",
                                written && closed ? path : partial, error));
    }
    roundings = std::move(moved);
    return Succeed();
}

int CWriterHandle::Fail(int status, std::string reason) {
    errorText = std::move(reason);
    roundings.clear();
    return status;
}

int CWriterHandle::Succeed() {
    errorText.clear();
    return PFX_OK;
}
