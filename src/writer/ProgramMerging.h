#pragma once

#include <string>

#include "writer/DrillContent.h"

// Appends one program to another, on tools of the other wherever an equal one is there.
class ProgramMerging {
  public:
    // Appends input to target; returns why it cannot, changing nothing, or empty.
    static std::string Apply(DrillContent& target, const DrillContent& input);
};
