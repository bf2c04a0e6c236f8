#pragma once

#include "perforex/CString.h"
#include "perforex/DrillProgram.h"
#include "perforex/Export.h"

class CVbVrtxGeom;
class CDrillWriterImpl;

// One value that the machine format could not hold exactly and that was moved to the nearest
// value it holds, as the written program reads back.
struct CWriteRounding {
    // Which value moved.
    enum Value {
        ToolDiameter,
        ToolWidth,
        ToolHeight,
        HoleX,
        HoleY,
        VertexX,
        VertexY,
        VertexRadius,
        ContourWidth
    };
    int value;
    // Index of the tool, hole or contour among those given, each counted from 0 in its own order.
    int item;
    // Index of the vertex in its contour; -1 for a tool or a hole.
    int vertex;
    // The value given and the value the program reads back as, in nanometres.
    int given;
    int written;
};

// Writes tools, holes and routed contours, given in nanometres as a read delivers them, into one
// drill program of a drill machine format, such that reading the program with that machine
// format delivers them again: exactly where the format holds a value, otherwise rounded to the
// format's step, each moved value reported as a CWriteRounding.
class PERFOREX_API CDrillWriter {
  public:
    // Hole shape codes of AddTool, as CPerforexReader::HoleType.
    enum HoleType { Round = 0, Square = 1, Slot = 2, Rectangle = 3 };
    // Plating codes of SetToolPlating, as CPerforexReader::Plating. The AUTO format states a
    // known plating in the header, as ";TYPE=PLATED" or ";TYPE=NON_PLATED" before the tools it
    // applies to; the strict readings would take such a line for a tool, so they get none.
    enum Plating { PlatingUnknown = 0, Plated = 1, NonPlated = 2 };

    CDrillWriter();
    CDrillWriter(const CDrillWriter&) = delete;
    CDrillWriter& operator=(const CDrillWriter&) = delete;
    ~CDrillWriter();

    // Loads the drill machine format to write in from a file (UTF-8 path) or from the text of
    // one. Returns 1, or 0 with the load's messages as the error.
    int SetDrillMachineFormatFile(const perforex::CString& path);
    int SetDrillMachineFormatText(const perforex::CString& text);

    // Take what a read delivers, in its order; sizes and places in nanometres, angle in degrees.
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle);
    // Sets the plating of the tool last added with that number.
    void SetToolPlating(int tool, int plating);
    void AddHit(int x, int y, int tool);
    // Copies the vertices and width of a polyline or polyarc path.
    void AddContour(const CVbVrtxGeom& path, int tool);
    // Forgets every tool, hole and contour given.
    void Clear();
    // The program the writer writes, which holds what was given, for the operations of
    // CDrillProgram and CDrillRack before a write.
    CDrillProgram& GetProgram();

    // Writes the program to the file at path (UTF-8), through a new file beside it that replaces
    // it only once complete. Returns 1, or 0 with the error, when nothing is written.
    int Write(const perforex::CString& path);
    // Writes the program into program, as Write writes the file's bytes. Returns 1 or 0.
    int WriteProgram(perforex::CString& program);

    // The reason of the last failure; empty after a success.
    perforex::CString GetError() const;
    // The values the last successful write moved, in the order they are written.
    int GetRoundingCount() const;
    CWriteRounding GetRounding(int index) const;

  private:
    CDrillWriterImpl* impl;
};
