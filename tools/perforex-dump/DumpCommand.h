#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "DumpOptions.h"
#include "InferredFormatFiles.h"
#include "perforex/perforex.h"

// Runs perforex-dump: checks the command line and its files, reads every drill file with one
// reader and writes the summary, the JSON and the picture. Exit status: 0 when every read was
// clean, 1 when any read returned 0, 2 for a usage error or a file that cannot be read or
// written.
class DumpCommand {
  public:
    static constexpr int kClean = 0;
    static constexpr int kNotClean = 1;
    static constexpr int kUsageError = 2;

    // Sets where output and messages go and where the executable lives.
    DumpCommand(FILE* out, FILE* messages, std::string executableDirectory);

    // Runs the command for the arguments after the program name; returns the exit status.
    int Run(const std::vector<std::string>& arguments);

  private:
    int SuggestFormat(const std::string& drillFile);
    int ReadDrillFiles();
    bool ResolveMachineFormat();
    bool CheckReadable(const std::string& path, const char* what);
    // With no machine format named, gives the reader one inferred for the drill file.
    bool ChooseMachineFormat(CPerforexReader& reader, const std::string& drillFile);
    // Writes "perforex-dump: " and the message as one line to the message stream.
    int Fail(int status, const std::string& message);

    FILE* out_;
    FILE* messages_;
    std::string executableDirectory_;
    DumpOptions options_;
    std::string machineFormatFile_;
    InferredFormatFiles inferredFormats_;
};
