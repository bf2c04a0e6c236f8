#pragma once

#include <string>

#include "detection/DrillFormat.h"
#include "detection/FormatInference.h"
#include "detection/SideFiles.h"

// Writes a drill machine format file that matches what a drill program states and shows (as the
// inference read it) and what the side files beside it say, as a starting point for a user who
// does not know the machine's settings. It proposes the AUTO reading when the program uses
// anything only that reading takes.
class FormatSuggester {
  public:
    // Keeps references to the program and its side files, which must outlive the suggester.
    FormatSuggester(const FormatInference& program, const SideFiles& sideFiles,
                    const DrillFormat& fallback);
    // Returns the dialect the suggestion proposes: AUTO when the program uses anything only that
    // reading takes, EXCELLON otherwise.
    const char* DataType() const;
    // Returns the complete machine format file, naming the drill file it was made from.
    std::string FormatFile(const std::string& drillFileName) const;

  private:
    const FormatInference& program_;
    const SideFiles& sideFiles_;
    DrillFormat fallback_;
};
