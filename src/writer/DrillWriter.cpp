#include "perforex/DrillWriter.h"

#include "perforex/ContourVertices.h"
#include "perforex/VbVrtxGeom.h"
#include "writer/DrillWriterImpl.h"

CDrillWriter::CDrillWriter() : impl(new CDrillWriterImpl) {}

CDrillWriter::~CDrillWriter() {
    delete impl;
}

int CDrillWriter::SetDrillMachineFormatFile(const perforex::CString& path) {
    return impl->LoadFormat(path.Str(), false);
}

int CDrillWriter::SetDrillMachineFormatText(const perforex::CString& text) {
    return impl->LoadFormat(text.Str(), true);
}

void CDrillWriter::AddTool(int tool, int holeType, int diameter, int width, int height,
                           double angle) {
    impl->content.tools.push_back({tool, holeType, diameter, width, height, angle});
}

void CDrillWriter::AddHit(int x, int y, int tool) {
    impl->content.holes.push_back({x, y, tool});
}

void CDrillWriter::AddContour(const CVbVrtxGeom& path, int tool) {
    impl->content.contours.push_back(
        {tool, path.GetWidth(), impl->content.holes.size(), GetContourVertices(path)});
}

void CDrillWriter::Clear() {
    impl->content = DrillContent();
}

int CDrillWriter::Write(const perforex::CString& path) {
    return impl->WriteFile(path.Str());
}

int CDrillWriter::WriteProgram(perforex::CString& program) {
    std::string text;
    const int result = impl->WriteProgram(text);
    program = text;
    return result;
}

perforex::CString CDrillWriter::GetError() const {
    return impl->error;
}

int CDrillWriter::GetRoundingCount() const {
    return static_cast<int>(impl->roundings.size());
}

CWriteRounding CDrillWriter::GetRounding(int index) const {
    return impl->roundings.at(static_cast<std::size_t>(index));
}
