#pragma once

#include "writer/DrillContent.h"

// Makes one tool of the tools of a program that drill the same holes.
class ToolMerging {
  public:
    // Keeps the first of equal tools and moves the uses of the others onto it; a number defined
    // twice with different tools is left as it is.
    static void Apply(DrillContent& content);
};
