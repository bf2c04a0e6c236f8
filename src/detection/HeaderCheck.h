#pragma once

#include <string>
#include <vector>

#include "detection/DrillFormat.h"
#include "detection/FormatInference.h"

// Compares what a drill program states in or before its header (unit, zero suppression, digit
// pattern) with the strict machine format it is read with, and describes every contradiction:
// each one means that the program's numbers are read wrong.
class HeaderCheck {
  public:
    // Returns one line for each contradiction; empty when the program states nothing the format
    // contradicts.
    static std::vector<std::string> Contradictions(const FormatInference& program,
                                                   const DrillFormat& format);
};
