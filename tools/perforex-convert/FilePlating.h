#pragma once

#include <string>

// The plating that a drill file's name states, as CAD tools name a board's two drill files:
// "-PTH" or "_PTH" (plated), "-NPTH" or "_NPTH" (not plated) as the last word before the
// extension, in any case.
class FilePlating {
  public:
    // Returns the CDrillWriter plating code that the name of the file at path states.
    static int FromName(const std::string& path);
};
