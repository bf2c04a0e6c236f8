#pragma once

#include <string>
#include <vector>

#include "MachineFormatSettings.h"

// Compares what a drill program states in or before its header (unit, zero suppression, digit
// pattern) with the machine format it is read with, and describes every contradiction: each one
// means that the program's numbers are read wrong.
class HeaderCheck {
  public:
    // Returns one line for each contradiction; empty when the format is AUTO (it reads the
    // header's own statements), or the file cannot be opened, has no header or agrees with it.
    static std::vector<std::string> Contradictions(const std::string& drillFile,
                                                   const MachineFormatSettings& settings);
};
