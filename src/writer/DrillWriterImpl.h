#pragma once

#include <memory>
#include <string>
#include <vector>

#include "machineformat/DrillMachineFormat.h"
#include "perforex/DrillProgram.h"
#include "perforex/DrillWriter.h"
#include "writer/ProgramOutput.h"

// The state of a CDrillWriter: its machine format, what it was given, and the outcome of the
// last write.
class CDrillWriterImpl {
  public:
    // Loads the machine format from a file path, or from its text when fromText; returns 1 or 0.
    int LoadFormat(const std::string& source, bool fromText);
    // Writes the program into text; returns 1 or 0, as CDrillWriter::WriteProgram.
    int WriteProgram(std::string& text);
    // Writes the program to the file at path through a new file beside it, streamed piece by
    // piece, and removes that file after a failure; returns 1 or 0.
    int WriteFile(const std::string& path);

    CDrillProgram program;
    std::string error;
    std::vector<CWriteRounding> roundings;

  private:
    // Hands the program to output; returns 1 or 0.
    int Write(ProgramOutput& output);
    // Stores reason as the error and returns 0.
    int Fail(const std::string& reason);

    std::unique_ptr<CDrillMachineFormat> format;
};
