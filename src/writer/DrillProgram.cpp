#include "perforex/DrillProgram.h"

#include "perforex/ContourVertices.h"
#include "writer/DrillContent.h"
#include "writer/PanelStep.h"
#include "writer/ProgramMerging.h"
#include "writer/ToolMerging.h"
#include "writer/ToolRenumbering.h"

CDrillProgram::CDrillProgram() : content(new DrillContent) {}

CDrillProgram::CDrillProgram(const CDrillProgram& other)
    : content(new DrillContent(*other.content)), error(other.error) {}

CDrillProgram& CDrillProgram::operator=(const CDrillProgram& other) {
    *content = *other.content;
    error = other.error;
    return *this;
}

CDrillProgram::~CDrillProgram() {
    delete content;
}

void CDrillProgram::AddTool(int tool, int holeType, int diameter, int width, int height,
                            double angle) {
    content->tools.push_back({tool, holeType, diameter, width, height, angle, 0});
}

void CDrillProgram::SetToolPlating(int tool, int plating) {
    for (auto given = content->tools.rbegin(); given != content->tools.rend(); ++given) {
        if (given->tool == tool) {
            given->plating = plating;
            return;
        }
    }
}

void CDrillProgram::AddHit(int x, int y, int tool) {
    content->holes.push_back({x, y, tool});
}

void CDrillProgram::AddContour(const CVbVrtxGeom& path, int tool) {
    content->contours.push_back(
        {tool, path.GetWidth(), content->holes.size(), GetContourVertices(path)});
}

void CDrillProgram::Clear() {
    *content = DrillContent();
}

int CDrillProgram::GetToolCount() const {
    return static_cast<int>(content->tools.size());
}

CProgramTool CDrillProgram::GetTool(int index) const {
    return content->tools.at(static_cast<std::size_t>(index));
}

int CDrillProgram::GetHoleCount() const {
    return static_cast<int>(content->holes.size());
}

CProgramHole CDrillProgram::GetHole(int index) const {
    return content->holes.at(static_cast<std::size_t>(index));
}

int CDrillProgram::GetContourCount() const {
    return static_cast<int>(content->contours.size());
}

int CDrillProgram::GetContourTool(int index) const {
    return content->contours.at(static_cast<std::size_t>(index)).tool;
}

CVbPolyarcPath CDrillProgram::GetContour(int index) const {
    const DrillContent::Contour& contour = content->contours.at(static_cast<std::size_t>(index));
    std::vector<int> words;
    words.reserve(contour.vertices.size() * 3);
    for (const CVbVertex& vertex : contour.vertices) {
        words.insert(words.end(), {vertex.x, vertex.y, vertex.r});
    }
    return CVbPolyarcPath(contour.width, words.data(), static_cast<int>(words.size()), 0, 0, 0, 0);
}

int CDrillProgram::RenumberTools(const int* from, const int* to, int count) {
    return Outcome(ToolRenumbering::Apply(*content, from, to, count));
}

void CDrillProgram::MergeEqualTools() {
    ToolMerging::Apply(*content);
    error = "";
}

int CDrillProgram::Merge(const CDrillProgram& input) {
    if (&input == this) {
        return Merge(CDrillProgram(input));
    }
    return Outcome(ProgramMerging::Apply(*content, *input.content));
}

int CDrillProgram::Step(int columns, int rows, int dx, int dy) {
    return Outcome(PanelStep::Apply(*content, columns, rows, dx, dy));
}

perforex::CString CDrillProgram::GetError() const {
    return error;
}

int CDrillProgram::Outcome(const std::string& reason) {
    error = reason;
    return reason.empty() ? 1 : 0;
}
