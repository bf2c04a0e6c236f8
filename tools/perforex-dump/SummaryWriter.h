#pragma once

#include <cstdio>
#include <map>
#include <string>

#include "ContourOutline.h"
#include "DumpSink.h"
#include "Extents.h"

// Writes, for a person, one summary per drill file: the tool table with hole and contour counts,
// the total contour length, the extents of everything and the verdict of the read.
class SummaryWriter : public DumpSink {
  public:
    explicit SummaryWriter(FILE* out) : out_(out) {}

    void BeginFile(const std::string& path) override;
    void Tool(const ToolDefinition& tool) override;
    void Hit(int x, int y, int tool) override;
    void Contour(const CVbVrtxGeom& path, int tool) override;
    void EndFile(const FileVerdict& verdict) override;
    void NotRead(const std::string& path, const std::string& reason) override;

  private:
    struct ToolRow {
        bool defined = false;
        ToolDefinition definition;
        // Half the definition's extent across X and Y, worked out once rather than at each hole.
        double halfSpanX = 0.0;
        double halfSpanY = 0.0;
        long long holes = 0;
        long long contours = 0;
        double length = 0.0;
    };

    ToolRow& RowOf(int tool);
    void WriteToolTable() const;
    void WriteToolRow(int tool, const ToolRow& row) const;
    void WriteTotals() const;

    FILE* out_;
    std::map<int, ToolRow> rows_;
    // The row of the latest lookup, since holes come in runs of one tool.
    int cachedTool_ = 0;
    ToolRow* cachedRow_ = nullptr;
    Extents extents_;
    ContourOutline outline_;
};
