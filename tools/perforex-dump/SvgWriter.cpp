#include "SvgWriter.h"

#include <algorithm>
#include <cmath>

#include "Utf8Text.h"
#include "perforex/VbVrtxGeom.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kNanometresPerMillimetre = 1e6;
// Radius of the marker drawn for a hole whose tool gives it no size, in nanometres.
constexpr double kMarkerRadius = 50000.0;
// Side of the square drawn when nothing at all was drawn, in millimetres.
constexpr double kEmptyBoardSide = 10.0;

const char* const kPalette[] = {"#1f77b4", "#ff7f0e", "#2ca02c", "#d62728", "#9467bd",
                                "#8c564b", "#e377c2", "#7f7f7f", "#bcbd22", "#17becf"};
constexpr int kPaletteSize = sizeof kPalette / sizeof kPalette[0];

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

// Returns the last component of a path.
std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
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
    out_ = std::fopen(path.c_str(), "w");
    if (out_ == nullptr) {
        return false;
    }
    body_ = std::tmpfile();
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
    files_.push_back(path);
    fileStyles_.clear();
    cachedStyle_ = -1;
}

int SvgWriter::StyleOf(int tool) {
    if (cachedStyle_ >= 0 && cachedTool_ == tool) {
        return cachedStyle_;
    }
    const auto found = fileStyles_.find(tool);
    if (found != fileStyles_.end()) {
        cachedStyle_ = found->second;
    } else {
        ToolStyle style;
        style.file = static_cast<int>(files_.size()) - 1;
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
        board_.AddPoint(x, y);
        return;
    }
    board_.AddBox(x, y, tool.HalfSpanX(), tool.HalfSpanY());
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
    outline_.Decode(path.GetRecord(), path.GetWordCount());
    if (outline_.Steps().empty()) {
        return;
    }
    board_.Merge(outline_.Bounds());
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

void SvgWriter::EndFile(const FileVerdict&) {}

void SvgWriter::NotRead(const std::string&, const std::string&) {}

std::string SvgWriter::LegendLabel(const ToolStyle& style) const {
    std::string label;
    if (files_.size() > 1) {
        label = BaseName(files_[style.file]) + " ";
    }
    label += style.tool < 0 ? std::string("no tool") : "T" + std::to_string(style.tool);
    if (!style.defined) {
        return label + " undefined";
    }
    const ToolDefinition& tool = style.definition;
    char size[96];
    if (tool.holeType == 0) {
        std::snprintf(size, sizeof size, " %s %.4f mm", tool.HoleTypeName(),
                      tool.diameter / kNanometresPerMillimetre);
    } else {
        std::snprintf(size, sizeof size, " %s %.4f x %.4f mm R%g", tool.HoleTypeName(),
                      tool.SizeX() / kNanometresPerMillimetre,
                      tool.SizeY() / kNanometresPerMillimetre, tool.angle);
    }
    return label + size;
}

bool SvgWriter::Finish() {
    if (out_ == nullptr || body_ == nullptr) {
        return false;
    }
    Extents board = board_;
    if (board.IsEmpty()) {
        board.AddPoint(0.0, 0.0);
        board.AddPoint(kEmptyBoardSide * kNanometresPerMillimetre,
                       kEmptyBoardSide * kNanometresPerMillimetre);
    }
    const double left = PictureX(board.MinX());
    const double right = PictureX(board.MaxX());
    const double top = PictureY(board.MaxY());
    const double bottom = PictureY(board.MinY());
    double side = std::max(right - left, bottom - top);
    if (side <= 0.0) {
        side = kEmptyBoardSide;
    }
    const double fontSize = side / 25.0;
    const double margin = side / 20.0;

    std::size_t longestLabel = 0;
    for (const ToolStyle& style : styles_) {
        longestLabel = std::max(longestLabel, LegendLabel(style).size());
    }
    const double legendLeft = right + margin;
    const double legendWidth = styles_.empty() ? 0.0 : fontSize * (1.5 + 0.6 * longestLabel);
    const double legendBottom = top + 1.6 * fontSize * static_cast<double>(styles_.size());
    const double scaleY = bottom + margin + fontSize;

    const double viewX = left - margin;
    const double viewY = top - margin;
    const double viewRight = legendLeft + legendWidth + margin;
    const double viewBottom = std::max(scaleY + 2.0 * fontSize, legendBottom) + margin;

    WriteHeader(out_, viewX, viewY, viewRight - viewX, viewBottom - viewY);
    std::fputs("<g id=\"board\">\n", out_);
    const bool copied = CopyBody(out_);
    std::fputs("</g>\n", out_);
    WriteLegend(out_, legendLeft, top, fontSize);
    WriteScaleBar(out_, left, scaleY, right - left > 0.0 ? right - left : side, fontSize);
    std::fputs("</svg>\n", out_);

    const bool written = copied && std::ferror(out_) == 0;
    const bool closed = std::fclose(out_) == 0;
    out_ = nullptr;
    CloseFiles();
    return written && closed;
}

void SvgWriter::WriteHeader(FILE* out, double viewX, double viewY, double viewWidth,
                            double viewHeight) const {
    std::fprintf(out,
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                 "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"%.4f %.4f %.4f %.4f\" "
                 "width=\"%.4fmm\" height=\"%.4fmm\">\n",
                 viewX, viewY, viewWidth, viewHeight, viewWidth, viewHeight);
    std::string title = "perforex-dump:";
    for (const std::string& file : files_) {
        title += " " + file;
    }
    std::fprintf(out, "<title>%s</title>\n<style>\n", EscapeXml(title).c_str());
    for (std::size_t index = 0; index < styles_.size(); ++index) {
        const char* colour = kPalette[index % kPaletteSize];
        std::fprintf(out, ".c%zu{fill:%s;stroke:%s}\n", index, colour, colour);
    }
    std::fputs(
        ".hole{stroke:none;fill-opacity:0.85}\n"
        ".contour{fill:none;stroke-linecap:round;stroke-linejoin:round;stroke-opacity:0.7}\n"
        ".hairline{stroke-width:1px;vector-effect:non-scaling-stroke}\n"
        ".scale{fill:none;stroke:#000;stroke-width:1px;vector-effect:non-scaling-stroke}\n"
        "text{font-family:sans-serif;fill:#000}\n"
        "</style>\n",
        out);
}

void SvgWriter::WriteLegend(FILE* out, double x, double top, double fontSize) const {
    std::fputs("<g id=\"legend\">\n", out);
    for (std::size_t index = 0; index < styles_.size(); ++index) {
        const double rowTop = top + 1.6 * fontSize * static_cast<double>(index);
        std::fprintf(out,
                     "<rect class=\"swatch c%zu\" x=\"%.4f\" y=\"%.4f\" width=\"%.4f\" "
                     "height=\"%.4f\"/>\n",
                     index, x, rowTop, fontSize, fontSize);
        std::fprintf(out, "<text x=\"%.4f\" y=\"%.4f\" font-size=\"%.4f\">%s</text>\n",
                     x + 1.5 * fontSize, rowTop + 0.85 * fontSize, fontSize,
                     EscapeXml(LegendLabel(styles_[index])).c_str());
    }
    std::fputs("</g>\n", out);
}

void SvgWriter::WriteScaleBar(FILE* out, double x, double y, double boardWidth,
                              double fontSize) const {
    const double length = RoundScaleLength(boardWidth * 0.3);
    const double tick = fontSize / 2.0;
    std::fprintf(out,
                 "<g id=\"scale-bar\">\n<path class=\"scale\" d=\"M%.4f %.4f v%.4f h%.4f "
                 "v%.4f\"/>\n",
                 x, y - tick, tick, length, -tick);
    std::fprintf(out, "<text x=\"%.4f\" y=\"%.4f\" font-size=\"%.4f\">%g mm</text>\n</g>\n", x,
                 y + 1.2 * fontSize, fontSize, length);
}

bool SvgWriter::CopyBody(FILE* out) {
    if (std::fflush(body_) != 0 || std::ferror(body_) != 0) {
        return false;
    }
    std::rewind(body_);
    char block[8192];
    std::size_t count = 0;
    while ((count = std::fread(block, 1, sizeof block, body_)) > 0) {
        if (std::fwrite(block, 1, count, out) != count) {
            return false;
        }
    }
    return std::ferror(body_) == 0;
}
