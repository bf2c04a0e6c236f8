#pragma once

#include <vector>

#include "perforex/DrillRack.h"
#include "writer/DrillContent.h"

// The sizes and tolerance of a CDrillRack and the tools its last mapping missed.
class DrillRackImpl {
  public:
    // Maps the round tools of content as CDrillRack::Apply does.
    int Apply(DrillContent& content);

    std::vector<int> sizes;
    int tolerance = 0;
    std::vector<CRackMiss> misses;

  private:
    // Returns the size nearest to diameter in the sorted sizes, the larger of two as near.
    int Nearest(const std::vector<int>& sorted, int diameter) const;
};
