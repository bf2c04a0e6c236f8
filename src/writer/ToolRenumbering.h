#pragma once

#include <string>

#include "writer/DrillContent.h"

// Gives tools of a program new numbers, in their definitions and wherever they are used.
class ToolRenumbering {
  public:
    // Gives tool from[k] the number to[k]; returns why it cannot, changing nothing, or empty.
    static std::string Apply(DrillContent& content, const int* from, const int* to, int count);
};
