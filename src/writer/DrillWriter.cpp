#include "perforex/DrillWriter.h"

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
    impl->program.AddTool(tool, holeType, diameter, width, height, angle);
}

void CDrillWriter::SetToolPlating(int tool, int plating) {
    impl->program.SetToolPlating(tool, plating);
}

void CDrillWriter::AddHit(int x, int y, int tool) {
    impl->program.AddHit(x, y, tool);
}

void CDrillWriter::AddContour(const CVbVrtxGeom& path, int tool) {
    impl->program.AddContour(path, tool);
}

void CDrillWriter::Clear() {
    impl->program.Clear();
}

CDrillProgram& CDrillWriter::GetProgram() {
    return impl->program;
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
