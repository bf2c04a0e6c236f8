#pragma once

#include <cstdio>
#include <string>

#include "FormatInference.h"
#include "NcParamFile.h"

// Looks at a drill program (what it states before or in its header, M71 and M72, ;FILE_FORMAT,
// the numbers it writes without a point) and at an nc_param.txt beside it, and writes a drill
// machine format file that matches them, as a starting point for a user who does not know the
// machine's settings. It proposes the AUTO reading when the program uses anything only that
// reading takes.
class FormatSuggester {
  public:
    // Reads the whole program; returns whether it has an M48 header.
    bool ReadProgram(FILE* drillFile);
    // Takes the settings of the nc_param.txt beside the program.
    void UseSideFile(const NcParamFile& sideFile) { sideFile_ = sideFile; }
    // Returns the dialect the suggestion proposes: AUTO when the program uses anything only that
    // reading takes, EXCELLON otherwise.
    const char* DataType() const;
    // Returns the complete machine format file, naming the drill file it was made from.
    std::string FormatFile(const std::string& drillFileName) const;

  private:
    FormatInference inference_;
    NcParamFile sideFile_;
};
