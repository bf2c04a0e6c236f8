#pragma once

#include <string>

#include "perforex/CString.h"
#include "perforex/Export.h"
#include "perforex/VbPolyarcPath.h"

class CVbVrtxGeom;
class DrillContent;
class DrillProgramAccess;

// A tool of a drill program; sizes in nanometres, angle in degrees, hole type and plating as the
// codes of CDrillWriter.
struct CProgramTool {
    int tool;
    int holeType;
    int diameter;
    int width;
    int height;
    double angle;
    int plating;
};

// A drilled hole of a drill program, in nanometres; tool -1 for one drilled before any tool.
struct CProgramHole {
    int x;
    int y;
    int tool;
};

// One drill program in memory, as a read delivers it: the tools, and the holes and routed contours
// in their order among each other. A CDrillWriter writes the program it keeps; the operations
// below change a program in place before it is written, each either wholly or, returning 0 with
// the reason in GetError, not at all.
class PERFOREX_API CDrillProgram {
  public:
    CDrillProgram();
    CDrillProgram(const CDrillProgram& other);
    CDrillProgram& operator=(const CDrillProgram& other);
    ~CDrillProgram();

    // Take what a read delivers, in its order; as CDrillWriter's calls of the same names.
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle);
    // Sets the plating code of the tool last added with that number; no tool, no change.
    void SetToolPlating(int tool, int plating);
    void AddHit(int x, int y, int tool);
    // Copies the vertices and width of a polyline or polyarc path.
    void AddContour(const CVbVrtxGeom& path, int tool);
    void Clear();

    int GetToolCount() const;
    CProgramTool GetTool(int index) const;
    int GetHoleCount() const;
    CProgramHole GetHole(int index) const;
    int GetContourCount() const;
    int GetContourTool(int index) const;
    CVbPolyarcPath GetContour(int index) const;

    // Gives the tools numbered from[k] the number to[k], in the definitions and wherever holes and
    // contours name them; other tools keep theirs. Fails when a number is negative, mapped twice,
    // or would then name two tools that had numbers of their own.
    int RenumberTools(const int* from, const int* to, int count);
    // Keeps the first of the tools of equal hole type, sizes, angle and plating, and moves the
    // holes and contours of the others onto it. A number defined twice with different tools is
    // left alone, since its holes cannot tell which one they meant.
    void MergeEqualTools();
    // Appends input: each of its tools in the order of definition becomes the tool of this
    // program of equal hole type, sizes, angle and plating, or else a new one numbered one above
    // the highest; its holes and contours follow those of this program on the tools so found.
    // Merging reads into an empty program numbers their tools 1, 2, 3 and so on, keeping tools
    // apart whose plating differs. Fails for a hole or contour of a tool the input does not
    // define.
    int Merge(const CDrillProgram& input);
    // Repeats the holes and contours in columns x rows copies, copy (c, r) shifted by (c * dx,
    // r * dy) nanometres, row by row from row 0 and within a row from column 0. Fails for fewer
    // than one copy a side or a place beyond the 32-bit nanometre range.
    int Step(int columns, int rows, int dx, int dy);

    // The reason of the last operation that failed; empty after one that succeeded.
    perforex::CString GetError() const;

  private:
    friend class DrillProgramAccess;

    // Stores reason as the error and returns 0, or clears it and returns 1 for an empty reason.
    int Outcome(const std::string& reason);

    DrillContent* content;
    perforex::CString error;
};
