#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "ContourOutline.h"
#include "DumpSink.h"
#include "Extents.h"

// Draws every drill file read into one SVG picture, one drawing per file side by side or, overlaid,
// all files in one drawing in the same coordinates, each with y pointing up: holes in the size and
// shape of their tool, contours stroked with their width (arcs as true arcs), a colour of its own
// for every tool of every file, the file names as a title, the extents as a thin frame with their
// sizes, the origin marked, a legend beside the drawing with each tool's hole and contour count
// (under the name of its file when a drawing holds several), and a scale bar. The drawing goes to
// a scratch file as it arrives; the picture is put together once the sizes are known.
class SvgWriter : public DumpSink {
  public:
    // Draws all files in one drawing when overlaid, each in a drawing of its own otherwise.
    explicit SvgWriter(bool overlaid = false) : overlaid_(overlaid) {}
    ~SvgWriter() override;
    SvgWriter(const SvgWriter&) = delete;
    SvgWriter& operator=(const SvgWriter&) = delete;

    // Opens the picture file and the scratch file; returns false (errno set) when either fails.
    bool Open(const std::string& path);
    // Writes the complete picture and closes it; returns false when it could not be written.
    bool Finish();

    void BeginFile(const std::string& path) override;
    void Tool(const ToolDefinition& tool) override;
    void Hit(int x, int y, int tool) override;
    void Contour(const CVbVrtxGeom& path, int tool) override;
    void EndFile(const FileVerdict& verdict) override;
    void NotRead(const std::string& path, const std::string& reason) override;

  private:
    // What the picture knows of one tool of one drill file.
    struct ToolStyle {
        int tool = 0;
        bool defined = false;
        ToolDefinition definition;
        long long holes = 0;
        long long contours = 0;
    };
    // One drill file: its name, its extents, its part of the scratch file and its tools.
    struct FileDrawing {
        std::string path;
        Extents board;
        long bodyStart = 0;
        long bodyEnd = 0;
        std::size_t firstStyle = 0;
        std::size_t endStyle = 0;
    };
    // One drawing of the picture: the drill files from firstFile up to endFile in one frame.
    struct Panel {
        std::size_t firstFile;
        std::size_t endFile;
    };
    // A row of a legend: a tool's style with its label, or the name of a file (style -1).
    struct LegendRow {
        int style;
        std::string text;
    };

    // Where the parts of one drawing go, in millimetres with y pointing down.
    struct Layout;

    int StyleOf(int tool);
    void WriteHole(double x, double y, int style);
    void WritePathData(const ContourOutline& outline);
    void WriteArc(const ContourStep& arc, double fromX, double fromY);
    std::string LegendLabel(const ToolStyle& style) const;
    std::vector<Panel> Panels() const;
    std::vector<LegendRow> LegendOf(const Panel& panel) const;
    Layout LayoutOf(const Panel& panel) const;
    void WriteHeader(FILE* out, double width, double height) const;
    // Writes one drawing moved right by offsetX; returns false when a body cannot be copied.
    bool WriteDrawing(FILE* out, const Panel& panel, const Layout& layout, double offsetX);
    void WriteFrame(FILE* out, const Layout& layout) const;
    void WriteOrigin(FILE* out, const Layout& layout) const;
    void WriteLegend(FILE* out, const Layout& layout) const;
    void WriteScaleBar(FILE* out, const Layout& layout) const;
    bool CopyBody(FILE* out, const FileDrawing& file);
    void CloseFiles();

    bool overlaid_;
    FILE* out_ = nullptr;
    FILE* body_ = nullptr;
    std::vector<FileDrawing> files_;
    std::vector<ToolStyle> styles_;
    // Style index of each tool number of the drill file being read.
    std::map<int, int> fileStyles_;
    int cachedTool_ = 0;
    int cachedStyle_ = -1;
    ContourOutline outline_;
};
