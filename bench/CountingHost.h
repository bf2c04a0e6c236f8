#pragma once

#include "perforex/PerforexReader.h"

// A host that only counts what the reader delivers, so that a measurement sees the reader alone.
class CountingHost : public CPerforexReader {
  public:
    void AddContour(const CVbVrtxGeom& path, int tool) override;
    void AddHit(int x, int y, int tool) override;
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle, int,
                 int, int, int, int) override;

    // Sets every count back to zero before the next read.
    void Reset();

    long long contours = 0;
    long long hits = 0;
    long long tools = 0;
    // Sum of every delivered coordinate, so that no delivery can be optimised away.
    long long checksum = 0;
};
