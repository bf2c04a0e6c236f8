#pragma once

#include "perforex/Export.h"

class CDrillProgram;
class DrillRackImpl;

// A round tool that the rack could not drill: its size, the rack's nearest size and how far that
// lies from it, in nanometres.
struct CRackMiss {
    int tool;
    int size;
    int nearest;
    int distance;
};

// The drill sizes a machine stocks. Maps each round tool of a program onto the nearest of them,
// when that lies within the tolerance, and reports the tools it could not map.
class PERFOREX_API CDrillRack {
  public:
    CDrillRack();
    CDrillRack(const CDrillRack&) = delete;
    CDrillRack& operator=(const CDrillRack&) = delete;
    ~CDrillRack();

    // Adds a drill diameter in nanometres.
    void AddSize(int diameter);
    // Sets how far in nanometres a size may lie from a tool's diameter; 0 unless set.
    void SetTolerance(int tolerance);

    // Gives every round tool of program the nearest size within the tolerance (the larger of two
    // as near, which leaves room for plating), and its contours that width; other hole types keep
    // theirs. Returns the number of tools it could not map, each then reported by GetMiss in the
    // order of definition, or -1 for a rack without sizes, when nothing changes.
    int Apply(CDrillProgram& program);
    int GetMissCount() const;
    CRackMiss GetMiss(int index) const;

  private:
    DrillRackImpl* impl;
};
