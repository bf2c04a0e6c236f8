#include "SvgWriter.h"

#include <algorithm>
#include <cmath>

#include "Utf8Text.h"
#include "perforex/VbVrtxGeom.h"
#include "platform/NativeFile.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kNanometresPerMillimetre = 1e6;
// Radius of the marker drawn for a hole whose tool gives it no size, in nanometres.
constexpr double kMarkerRadius = 50000.0;
// Side of the square drawn when nothing at all was drawn, in millimetres.
constexpr double kEmptyBoardSide = 10.0;

// Returns the colour of tool style index of count: hues spread evenly round the circle, so that
// no two tools share one, with neighbours told apart by lightness too.
std::string Colour(std::size_t index, std::size_t count) {
    char colour[48];
    std::snprintf(colour, sizeof colour, "hsl(%.4f,75%%,%d%%)",
                  360.0 * static_cast<double>(index) / static_cast<double>(count),
                  index % 2 == 0 ? 40 : 55);
    return colour;
}

// Returns a length in nanometres as millimetres with four decimals.
std::string Millimetres(double nanometres) {
    char text[48];
    std::snprintf(text, sizeof text, "%.4f", nanometres / kNanometresPerMillimetre);
    return text;
}

// Returns a program x in nanometres as picture x in millimetres.
double PictureX(double x) {
    return x / kNanometresPerMillimetre + 0.0;
}

// Returns a program y in nanometres as picture y in millimetres, pointing down.
double PictureY(double y) {
    return -y / kNanometresPerMillimetre + 0.0;
}

// Returns text fit for XML character data and attribute values.
std::string EscapeXml(const std::string& text) {
    std::string escaped;
    std::size_t index = 0;
    while (index < text.size()) {
        const char byte = text[index];
        const std::size_t length = Utf8Text::SequenceLength(text, index);
        if (length == 0) {
            escaped += "\xEF\xBF\xBD";
            ++index;
            continue;
        }
        if (length > 1) {
            escaped.append(text, index, length);
        } else if (byte == '&') {
            escaped += "&amp;";
        } else if (byte == '<') {
            escaped += "&lt;";
        } else if (byte == '>') {
            escaped += "&gt;";
        } else if (byte == '"') {
            escaped += "&quot;";
        } else if (static_cast<unsigned char>(byte) < 0x20) {
            escaped += '?';
        } else {
            escaped += byte;
        }
        index += length;
    }
    return escaped;
}

// Returns the longest length of 1, 2 or 5 times a power of ten that is not above limit.
double RoundScaleLength(double limit) {
    const double power = std::pow(10.0, std::floor(std::log10(limit)));
    for (const double factor : {5.0, 2.0, 1.0}) {
        if (factor * power <= limit) {
            return factor * power;
        }
    }
    return power;
}

}  // namespace

SvgWriter::~SvgWriter() {
    CloseFiles();
}

bool SvgWriter::Open(const std::string& path) {
    // Binary, so that the picture has the same bytes on every system.
    out_ = NativeFile::Open(path, "wb");
    if (out_ == nullptr) {
        return false;
    }
    body_ = NativeFile::OpenScratch();
    return body_ != nullptr;
}

void SvgWriter::CloseFiles() {
    if (out_ != nullptr) {
        std::fclose(out_);
        out_ = nullptr;
    }
    if (body_ != nullptr) {
        std::fclose(body_);
        body_ = nullptr;
    }
}

void SvgWriter::BeginFile(const std::string& path) {
    FileDrawing file;
    file.path = path;
    file.bodyStart = std::ftell(body_);
    file.firstStyle = styles_.size();
    files_.push_back(file);
    fileStyles_.clear();
    cachedStyle_ = -1;
}

void SvgWriter::EndFile(const FileVerdict&) {
    files_.back().bodyEnd = std::ftell(body_);
    files_.back().endStyle = styles_.size();
}

void SvgWriter::NotRead(const std::string&, const std::string&) {}

int SvgWriter::StyleOf(int tool) {
    if (cachedStyle_ >= 0 && cachedTool_ == tool) {
        return cachedStyle_;
    }
    const auto found = fileStyles_.find(tool);
    if (found != fileStyles_.end()) {
        cachedStyle_ = found->second;
    } else {
        ToolStyle style;
        style.tool = tool;
        cachedStyle_ = static_cast<int>(styles_.size());
        styles_.push_back(style);
        fileStyles_[tool] = cachedStyle_;
    }
    cachedTool_ = tool;
    return cachedStyle_;
}

void SvgWriter::Tool(const ToolDefinition& tool) {
    ToolStyle& style = styles_[StyleOf(tool.tool)];
    style.defined = true;
    style.definition = tool;
}

void SvgWriter::Hit(int x, int y, int tool) {
    const int style = StyleOf(tool);
    ++styles_[style].holes;
    WriteHole(x, y, style);
}

void SvgWriter::WriteHole(double x, double y, int styleIndex) {
    const ToolStyle& style = styles_[styleIndex];
    const ToolDefinition& tool = style.definition;
    const double sizeX = style.defined ? tool.SizeX() : 0.0;
    const double sizeY = style.defined ? tool.SizeY() : 0.0;
    if (sizeX <= 0.0 || sizeY <= 0.0) {
        std::fprintf(
            body_, "<circle class=\"hole marker c%d\" cx=\"%.4f\" cy=\"%.4f\" r=\"%.4f\"/>\n",
            styleIndex, PictureX(x), PictureY(y), kMarkerRadius / kNanometresPerMillimetre);
        files_.back().board.AddPoint(x, y);
        return;
    }
    files_.back().board.AddBox(x, y, tool.HalfSpanX(), tool.HalfSpanY());
    if (tool.holeType == 0) {
        std::fprintf(body_, "<circle class=\"hole c%d\" cx=\"%.4f\" cy=\"%.4f\" r=\"%.4f\"/>\n",
                     styleIndex, PictureX(x), PictureY(y), sizeX / 2.0 / kNanometresPerMillimetre);
        return;
    }
    // A slot has round ends; the picture turns the other way round because its y points down.
    const double corner = tool.holeType == 2 ? std::min(sizeX, sizeY) / 2.0 : 0.0;
    std::fprintf(body_,
                 "<rect class=\"hole c%d\" x=\"%.4f\" y=\"%.4f\" width=\"%.4f\" height=\"%.4f\" "
                 "rx=\"%.4f\" transform=\"rotate(%.6g %.4f %.4f)\"/>\n",
                 styleIndex, PictureX(x - sizeX / 2.0), PictureY(y + sizeY / 2.0),
                 sizeX / kNanometresPerMillimetre, sizeY / kNanometresPerMillimetre,
                 corner / kNanometresPerMillimetre, -tool.RotationRadians() * 180.0 / kPi,
                 PictureX(x), PictureY(y));
}

void SvgWriter::Contour(const CVbVrtxGeom& path, int tool) {
    const int style = StyleOf(tool);
    ++styles_[style].contours;
    outline_.Decode(path.GetRecord(), path.GetWordCount());
    if (outline_.Steps().empty()) {
        return;
    }
    files_.back().board.Merge(outline_.Bounds());
    if (outline_.Width() > 0) {
        std::fprintf(body_, "<path class=\"contour c%d\" stroke-width=\"%.4f\" d=\"", style,
                     outline_.Width() / kNanometresPerMillimetre);
    } else {
        std::fprintf(body_, "<path class=\"contour hairline c%d\" d=\"", style);
    }
    WritePathData(outline_);
    std::fputs("\"/>\n", body_);
}

void SvgWriter::WritePathData(const ContourOutline& outline) {
    double lastX = 0.0;
    double lastY = 0.0;
    for (const ContourStep& step : outline.Steps()) {
        switch (step.kind) {
            case ContourStep::Move:
                std::fprintf(body_, "M%.4f %.4f", PictureX(step.x), PictureY(step.y));
                break;
            case ContourStep::Line:
                std::fprintf(body_, " L%.4f %.4f", PictureX(step.x), PictureY(step.y));
                break;
            case ContourStep::Arc:
                WriteArc(step, lastX, lastY);
                break;
            case ContourStep::Close:
                std::fputs(" Z", body_);
                break;
        }
        lastX = step.x;
        lastY = step.y;
    }
}

void SvgWriter::WriteArc(const ContourStep& arc, double fromX, double fromY) {
    const double radius = arc.radius / kNanometresPerMillimetre;
    // Clockwise with y up stays clockwise on the picture, which is SVG's positive sweep.
    const int sweepFlag = arc.sweep < 0.0 ? 1 : 0;
    if (std::fabs(arc.sweep) >= 2.0 * kPi) {
        // One SVG arc cannot end where it starts: a full turn is drawn as two halves.
        const double oppositeX = 2.0 * arc.centreX - fromX;
        const double oppositeY = 2.0 * arc.centreY - fromY;
        std::fprintf(body_, " A%.4f %.4f 0 0 %d %.4f %.4f", radius, radius, sweepFlag,
                     PictureX(oppositeX), PictureY(oppositeY));
    }
    const int largeArc = std::fabs(arc.sweep) > kPi && std::fabs(arc.sweep) < 2.0 * kPi ? 1 : 0;
    std::fprintf(body_, " A%.4f %.4f 0 %d %d %.4f %.4f", radius, radius, largeArc, sweepFlag,
                 PictureX(arc.x), PictureY(arc.y));
}

std::string SvgWriter::LegendLabel(const ToolStyle& style) const {
    std::string label = style.tool < 0 ? std::string("no tool") : "T" + std::to_string(style.tool);
    if (!style.defined) {
        label += " undefined";
    } else if (style.definition.holeType == 0) {
        label += std::string(" ") + style.definition.HoleTypeName() + " " +
                 Millimetres(style.definition.diameter) + " mm";
    } else {
        char angle[32];
        std::snprintf(angle, sizeof angle, " R%g", style.definition.angle);
        label += std::string(" ") + style.definition.HoleTypeName() + " " +
                 Millimetres(style.definition.SizeX()) + " x " +
                 Millimetres(style.definition.SizeY()) + " mm" + angle;
    }
    return label + ": " + std::to_string(style.holes) +
           (style.holes == 1 ? " hole, " : " holes, ") + std::to_string(style.contours) +
           (style.contours == 1 ? " contour" : " contours");
}

struct SvgWriter::Layout {
    // The names of the drill files drawn, and the rows of the legend.
    std::string title;
    std::vector<LegendRow> legend;
    // The drawing with the origin, the legend's left edge and width, and the whole panel.
    double left, right, top, bottom;
    // The larger side of the drawing, never zero; the text and the scale bar are sized from it.
    double side;
    double fontSize, margin;
    double legendLeft, legendWidth;
    double panelLeft, panelTop, panelRight, panelBottom;
    // The frame around the extents; empty when nothing was drawn.
    Extents frame;
};

std::vector<SvgWriter::Panel> SvgWriter::Panels() const {
    if (overlaid_ && !files_.empty()) {
        return {{0, files_.size()}};
    }
    std::vector<Panel> panels;
    for (std::size_t file = 0; file < files_.size(); ++file) {
        panels.push_back({file, file + 1});
    }
    return panels;
}

std::vector<SvgWriter::LegendRow> SvgWriter::LegendOf(const Panel& panel) const {
    // Tool numbers repeat from file to file, so several files each name their tools.
    const bool named = panel.endFile - panel.firstFile > 1;
    std::vector<LegendRow> rows;
    for (std::size_t index = panel.firstFile; index < panel.endFile; ++index) {
        const FileDrawing& file = files_[index];
        if (named) {
            rows.push_back({-1, file.path});
        }
        for (std::size_t style = file.firstStyle; style < file.endStyle; ++style) {
            rows.push_back({static_cast<int>(style), LegendLabel(styles_[style])});
        }
    }
    return rows;
}

SvgWriter::Layout SvgWriter::LayoutOf(const Panel& panel) const {
    Layout layout;
    for (std::size_t index = panel.firstFile; index < panel.endFile; ++index) {
        layout.frame.Merge(files_[index].board);
        layout.title += (index == panel.firstFile ? "" : " + ") + files_[index].path;
    }
    layout.legend = LegendOf(panel);
    Extents view = layout.frame;
    view.AddPoint(0.0, 0.0);
    if (layout.frame.IsEmpty()) {
        view.AddPoint(kEmptyBoardSide * kNanometresPerMillimetre,
                      kEmptyBoardSide * kNanometresPerMillimetre);
    }
    layout.left = PictureX(view.MinX());
    layout.right = PictureX(view.MaxX());
    layout.top = PictureY(view.MaxY());
    layout.bottom = PictureY(view.MinY());
    layout.side = std::max(layout.right - layout.left, layout.bottom - layout.top);
    if (layout.side <= 0.0) {
        layout.side = kEmptyBoardSide;
    }
    layout.fontSize = layout.side / 25.0;
    layout.margin = layout.side / 20.0;

    std::size_t longestRow = 0;
    for (const LegendRow& row : layout.legend) {
        longestRow = std::max(longestRow, row.text.size());
    }
    const double characterWidth = 0.6 * layout.fontSize;
    const std::size_t rows = layout.legend.size();
    layout.legendLeft = layout.right + 2.0 * layout.margin;
    layout.legendWidth = rows == 0 ? 0.0 : 1.5 * layout.fontSize + characterWidth * longestRow;
    const double legendBottom = layout.top + 1.6 * layout.fontSize * static_cast<double>(rows);

    layout.panelLeft = layout.left - layout.margin;
    layout.panelTop = layout.top - 2.0 * layout.margin - 1.5 * layout.fontSize;
    layout.panelRight =
        std::max(layout.legendLeft + layout.legendWidth,
                 layout.left + characterWidth * static_cast<double>(layout.title.size())) +
        layout.margin;
    layout.panelBottom =
        std::max(layout.bottom + layout.margin + 6.0 * layout.fontSize, legendBottom) +
        layout.margin;
    return layout;
}

bool SvgWriter::Finish() {
    if (out_ == nullptr || body_ == nullptr) {
        return false;
    }
    const std::vector<Panel> panels = Panels();
    std::vector<Layout> layouts;
    double width = 0.0;
    double height = 0.0;
    for (const Panel& panel : panels) {
        layouts.push_back(LayoutOf(panel));
        width += layouts.back().panelRight - layouts.back().panelLeft;
        height = std::max(height, layouts.back().panelBottom - layouts.back().panelTop);
    }
    if (panels.empty()) {
        width = kEmptyBoardSide;
        height = kEmptyBoardSide;
    }
    WriteHeader(out_, width, height);
    bool copied = true;
    double offsetX = 0.0;
    for (std::size_t index = 0; index < panels.size(); ++index) {
        copied = WriteDrawing(out_, panels[index], layouts[index], offsetX) && copied;
        offsetX += layouts[index].panelRight - layouts[index].panelLeft;
    }
    std::fputs("</svg>\n", out_);

    const bool written = copied && std::ferror(out_) == 0;
    const bool closed = std::fclose(out_) == 0;
    out_ = nullptr;
    CloseFiles();
    return written && closed;
}

void SvgWriter::WriteHeader(FILE* out, double width, double height) const {
    std::fprintf(out,
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                 "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 %.4f %.4f\" "
                 "width=\"%.4fmm\" height=\"%.4fmm\">\n",
                 width, height, width, height);
    std::string title = "perforex-dump:";
    for (const FileDrawing& file : files_) {
        title += " " + file.path;
    }
    std::fprintf(out, "<title>%s</title>\n<style>\n", EscapeXml(title).c_str());
    for (std::size_t index = 0; index < styles_.size(); ++index) {
        const std::string colour = Colour(index, styles_.size());
        std::fprintf(out, ".c%zu{fill:%s;stroke:%s}\n", index, colour.c_str(), colour.c_str());
    }
    std::fputs(
        ".hole{stroke:none;fill-opacity:0.85}\n"
        ".contour{fill:none;stroke-linecap:round;stroke-linejoin:round;stroke-opacity:0.7}\n"
        ".hairline{stroke-width:1px;vector-effect:non-scaling-stroke}\n"
        ".frame,.origin,.scale{fill:none;stroke:#000;stroke-width:1px;"
        "vector-effect:non-scaling-stroke}\n"
        ".frame{stroke:#888;stroke-dasharray:4 2}\n"
        "text{font-family:sans-serif;fill:#000}\n"
        "</style>\n",
        out);
}

bool SvgWriter::WriteDrawing(FILE* out, const Panel& panel, const Layout& layout, double offsetX) {
    std::fprintf(out, "<g class=\"drawing\" transform=\"translate(%.4f %.4f)\">\n",
                 offsetX - layout.panelLeft, -layout.panelTop);
    std::fprintf(out, "<text class=\"title\" x=\"%.4f\" y=\"%.4f\" font-size=\"%.4f\">%s</text>\n",
                 layout.left, layout.top - 2.0 * layout.margin, 1.2 * layout.fontSize,
                 EscapeXml(layout.title).c_str());
    bool copied = true;
    for (std::size_t index = panel.firstFile; index < panel.endFile; ++index) {
        std::fputs("<g class=\"board\">\n", out);
        copied = CopyBody(out, files_[index]) && copied;
        std::fputs("</g>\n", out);
    }
    WriteFrame(out, layout);
    WriteOrigin(out, layout);
    WriteLegend(out, layout);
    WriteScaleBar(out, layout);
    std::fputs("</g>\n", out);
    return copied;
}

void SvgWriter::WriteFrame(FILE* out, const Layout& layout) const {
    const Extents& frame = layout.frame;
    if (frame.IsEmpty()) {
        return;
    }
    std::fprintf(
        out, "<rect class=\"frame\" x=\"%.4f\" y=\"%.4f\" width=\"%.4f\" height=\"%.4f\"/>\n",
        PictureX(frame.MinX()), PictureY(frame.MaxY()), frame.Width() / kNanometresPerMillimetre,
        frame.Height() / kNanometresPerMillimetre);
    std::fprintf(out,
                 "<text class=\"frame-size\" x=\"%.4f\" y=\"%.4f\" font-size=\"%.4f\">%s x %s "
                 "mm</text>\n",
                 PictureX(frame.MinX()), layout.bottom + layout.margin + layout.fontSize,
                 layout.fontSize, Millimetres(frame.Width()).c_str(),
                 Millimetres(frame.Height()).c_str());
}

void SvgWriter::WriteOrigin(FILE* out, const Layout& layout) const {
    const double arm = layout.fontSize;
    std::fprintf(out,
                 "<path class=\"origin\" d=\"M%.4f 0 H%.4f M0 %.4f V%.4f\"/>\n"
                 "<circle class=\"origin\" cx=\"0\" cy=\"0\" r=\"%.4f\"/>\n",
                 -arm, arm, -arm, arm, arm / 2.0);
}

void SvgWriter::WriteLegend(FILE* out, const Layout& layout) const {
    std::fputs("<g class=\"legend\">\n", out);
    const double fontSize = layout.fontSize;
    for (std::size_t index = 0; index < layout.legend.size(); ++index) {
        const LegendRow& row = layout.legend[index];
        const double rowTop = layout.top + 1.6 * fontSize * static_cast<double>(index);
        if (row.style < 0) {
            std::fprintf(
                out, "<text class=\"file\" x=\"%.4f\" y=\"%.4f\" font-size=\"%.4f\">%s</text>\n",
                layout.legendLeft, rowTop + 0.85 * fontSize, fontSize, EscapeXml(row.text).c_str());
            continue;
        }
        std::fprintf(out,
                     "<rect class=\"swatch c%d\" x=\"%.4f\" y=\"%.4f\" width=\"%.4f\" "
                     "height=\"%.4f\"/>\n",
                     row.style, layout.legendLeft, rowTop, fontSize, fontSize);
        std::fprintf(out, "<text x=\"%.4f\" y=\"%.4f\" font-size=\"%.4f\">%s</text>\n",
                     layout.legendLeft + 1.5 * fontSize, rowTop + 0.85 * fontSize, fontSize,
                     EscapeXml(row.text).c_str());
    }
    std::fputs("</g>\n", out);
}

void SvgWriter::WriteScaleBar(FILE* out, const Layout& layout) const {
    const double x = layout.left;
    const double y = layout.bottom + layout.margin + 4.0 * layout.fontSize;
    const double fontSize = layout.fontSize;
    const double length = RoundScaleLength(layout.side * 0.3);
    const double tick = fontSize / 2.0;
    std::fprintf(out,
                 "<g class=\"scale-bar\">\n<path class=\"scale\" d=\"M%.4f %.4f v%.4f h%.4f "
                 "v%.4f\"/>\n",
                 x, y - tick, tick, length, -tick);
    std::fprintf(out, "<text x=\"%.4f\" y=\"%.4f\" font-size=\"%.4f\">%g mm</text>\n</g>\n", x,
                 y + 1.2 * fontSize, fontSize, length);
}

bool SvgWriter::CopyBody(FILE* out, const FileDrawing& file) {
    if (std::fflush(body_) != 0 || std::ferror(body_) != 0 ||
        std::fseek(body_, file.bodyStart, SEEK_SET) != 0) {
        return false;
    }
    char block[8192];
    long left = file.bodyEnd - file.bodyStart;
    while (left > 0) {
        const std::size_t wanted = static_cast<std::size_t>(std::min<long>(left, sizeof block));
        const std::size_t count = std::fread(block, 1, wanted, body_);
        if (count != wanted || std::fwrite(block, 1, count, out) != count) {
            return false;
        }
        left -= static_cast<long>(count);
    }
    return true;
}
