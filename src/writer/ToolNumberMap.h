#pragma once

#include <map>

#include "writer/DrillContent.h"

// New numbers for some tool numbers, applied to the holes and contours that name them; a number
// not mapped stays.
class ToolNumberMap {
  public:
    void Set(int from, int to) { numbers[from] = to; }
    bool Has(int from) const { return numbers.count(from) != 0; }
    int Of(int from) const;
    // Renumbers the tools that the holes and contours of content from the given ones on name.
    void ApplyToUses(DrillContent& content, std::size_t firstHole = 0,
                     std::size_t firstContour = 0) const;

  private:
    std::map<int, int> numbers;
};
