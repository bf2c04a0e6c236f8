#include "SummaryWriter.h"

#include "perforex/PerforexReader.h"
#include "perforex/VbVrtxGeom.h"

namespace {

constexpr double kNanometresPerMillimetre = 1e6;
constexpr double kNanometresPerInch = 25.4e6;

// Returns a length in nanometres as millimetres with four decimals.
std::string Millimetres(double nanometres) {
    char text[48];
    std::snprintf(text, sizeof text, "%.4f", nanometres / kNanometresPerMillimetre);
    return text;
}

// Returns a length in nanometres as inches with five decimals.
std::string Inches(double nanometres) {
    char text[48];
    std::snprintf(text, sizeof text, "%.5f", nanometres / kNanometresPerInch);
    return text;
}

// Returns the size of one hole in the given unit: the diameter, or width x height.
std::string SizeText(const ToolDefinition& tool, std::string (*unit)(double)) {
    if (tool.holeType == 0) {
        return unit(tool.diameter);
    }
    return unit(tool.SizeX()) + " x " + unit(tool.SizeY());
}

}  // namespace

void SummaryWriter::BeginFile(const std::string& path) {
    rows_.clear();
    cachedRow_ = nullptr;
    extents_ = Extents();
    std::fprintf(out_, "%s\n", path.c_str());
}

SummaryWriter::ToolRow& SummaryWriter::RowOf(int tool) {
    if (cachedRow_ == nullptr || cachedTool_ != tool) {
        cachedRow_ = &rows_[tool];
        cachedTool_ = tool;
    }
    return *cachedRow_;
}

void SummaryWriter::Tool(const ToolDefinition& tool) {
    ToolRow& row = RowOf(tool.tool);
    row.defined = true;
    row.definition = tool;
    row.halfSpanX = tool.HalfSpanX();
    row.halfSpanY = tool.HalfSpanY();
}

void SummaryWriter::Hit(int x, int y, int tool) {
    ToolRow& row = RowOf(tool);
    ++row.holes;
    if (row.defined) {
        extents_.AddBox(x, y, row.halfSpanX, row.halfSpanY);
    } else {
        extents_.AddPoint(x, y);
    }
}

void SummaryWriter::Contour(const CVbVrtxGeom& path, int tool) {
    outline_.Decode(path.GetRecord(), path.GetWordCount());
    ToolRow& row = RowOf(tool);
    ++row.contours;
    row.length += outline_.Length();
    extents_.Merge(outline_.Bounds());
}

void SummaryWriter::EndFile(const FileVerdict& verdict) {
    WriteToolTable();
    WriteTotals();
    std::fprintf(out_, "  %s\n\n", verdict.Text().c_str());
}

void SummaryWriter::NotRead(const std::string& path, const std::string& reason) {
    std::fprintf(out_, "%s\n  not read: %s\n\n", path.c_str(), reason.c_str());
}

void SummaryWriter::WriteToolTable() const {
    std::fprintf(out_, "  %-6s %-9s %-21s %-21s %6s %10s %7s %8s %11s\n", "tool", "type", "size mm",
                 "size in", "angle", "route mm", "holes", "contours", "length mm");
    for (const auto& [tool, row] : rows_) {
        WriteToolRow(tool, row);
    }
}

void SummaryWriter::WriteToolRow(int tool, const ToolRow& row) const {
    const std::string name = tool < 0 ? std::string("none") : "T" + std::to_string(tool);
    if (!row.defined) {
        std::fprintf(out_, "  %-6s %-9s %-21s %-21s %6s %10s %7lld %8lld %11s\n", name.c_str(),
                     "undefined", "-", "-", "-", "-", row.holes, row.contours,
                     Millimetres(row.length).c_str());
        return;
    }
    const ToolDefinition& definition = row.definition;
    // Said only where known, so that a program that states nothing keeps its rows.
    const std::string plating = definition.plating == CPerforexReader::PlatingUnknown
                                    ? std::string()
                                    : std::string(" ") + definition.PlatingName();
    std::fprintf(out_, "  %-6s %-9s %-21s %-21s %6g %10s %7lld %8lld %11s%s\n", name.c_str(),
                 definition.HoleTypeName(), SizeText(definition, Millimetres).c_str(),
                 SizeText(definition, Inches).c_str(), definition.angle,
                 Millimetres(definition.RouteWidth()).c_str(), row.holes, row.contours,
                 Millimetres(row.length).c_str(), plating.c_str());
}

void SummaryWriter::WriteTotals() const {
    long long holes = 0;
    long long contours = 0;
    double length = 0.0;
    for (const auto& entry : rows_) {
        holes += entry.second.holes;
        contours += entry.second.contours;
        length += entry.second.length;
    }
    std::fprintf(out_, "  holes: %lld\n", holes);
    std::fprintf(out_, "  contours: %lld, length %s mm (%s in)\n", contours,
                 Millimetres(length).c_str(), Inches(length).c_str());
    if (extents_.IsEmpty()) {
        std::fputs("  extents: none\n", out_);
    } else {
        std::fprintf(out_,
                     "  extents: x %s .. %s mm, y %s .. %s mm, size %s x %s mm (%s x %s in)\n",
                     Millimetres(extents_.MinX()).c_str(), Millimetres(extents_.MaxX()).c_str(),
                     Millimetres(extents_.MinY()).c_str(), Millimetres(extents_.MaxY()).c_str(),
                     Millimetres(extents_.Width()).c_str(), Millimetres(extents_.Height()).c_str(),
                     Inches(extents_.Width()).c_str(), Inches(extents_.Height()).c_str());
    }
}
