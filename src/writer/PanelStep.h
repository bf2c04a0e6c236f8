#pragma once

#include <string>

#include "writer/DrillContent.h"

// Repeats a program's holes and contours across a panel.
class PanelStep {
  public:
    // Makes columns x rows copies, copy (c, r) shifted by (c * dx, r * dy), row by row; returns
    // why it cannot, changing nothing, or empty.
    static std::string Apply(DrillContent& content, int columns, int rows, int dx, int dy);
};
