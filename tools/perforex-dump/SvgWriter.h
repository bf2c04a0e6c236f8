#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "ContourOutline.h"
#include "DumpSink.h"
#include "Extents.h"

// Draws every drill file read into one SVG picture with y pointing up: holes in the size and
// shape of their tool, contours stroked with their width (arcs as true arcs), one colour per
// tool, a legend and a scale bar. The drawing goes to a scratch file as it arrives; the picture
// is put together once its size is known.
class SvgWriter : public DumpSink {
  public:
    SvgWriter() = default;
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
        int file = 0;
        int tool = 0;
        bool defined = false;
        ToolDefinition definition;
    };

    int StyleOf(int tool);
    void WriteHole(double x, double y, int style);
    void WritePathData(const ContourOutline& outline);
    void WriteArc(const ContourStep& arc, double fromX, double fromY);
    std::string LegendLabel(const ToolStyle& style) const;
    void WriteHeader(FILE* out, double viewX, double viewY, double viewWidth,
                     double viewHeight) const;
    void WriteLegend(FILE* out, double x, double top, double fontSize) const;
    void WriteScaleBar(FILE* out, double x, double y, double boardWidth, double fontSize) const;
    bool CopyBody(FILE* out);
    void CloseFiles();

    FILE* out_ = nullptr;
    FILE* body_ = nullptr;
    std::vector<std::string> files_;
    std::vector<ToolStyle> styles_;
    // Style index of each tool number of the drill file being read.
    std::map<int, int> fileStyles_;
    int cachedTool_ = 0;
    int cachedStyle_ = -1;
    Extents board_;
    ContourOutline outline_;
};
