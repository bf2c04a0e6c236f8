#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "ConvertOptions.h"
#include "ScratchMessages.h"
#include "perforex/FormatDetector.h"
#include "perforex/perforex.h"

// Runs perforex-convert: reads every drill file into memory with the machine format detected
// for it, into the writer's program (with --merge through a program of its own, merged in),
// applies --rack and --step, and writes the program in the machine format of -f or else in the
// AUTO format of the first drill file. The exit statuses and messages are those of
// perforex-dump.
class ConvertCommand {
  public:
    // Exit status: written exactly from clean reads.
    static constexpr int kClean = 0;
    // Written, but after warnings: a read that was not clean, a rounded value, a tool off the rack.
    static constexpr int kNotClean = 1;
    // Nothing written.
    static constexpr int kFailed = 2;

    // Sets where output and messages go.
    ConvertCommand(FILE* out, FILE* messages);

    // Runs the command for the arguments after the program name; returns the exit status.
    int Run(const std::vector<std::string>& arguments);

  private:
    int Convert();
    // Reads every drill file into the writer's program; returns the worst status of the reads.
    int ReadDrillFiles();
    // Reads one drill file into program, with the plating its name states; kFailed when it
    // cannot be read or yields nothing.
    int ReadDrillFile(const std::string& drillFile, CDrillProgram& program);
    // Loads the machine format to write in: -f, or else the one detected for the first file.
    bool LoadMachineFormat(const std::string& detected);
    // Maps the tools onto --rack; returns the status of what it could not map.
    int MapToRack();
    int Write();
    // Writes "perforex-convert: " and the message as one line to the message stream.
    void Note(const std::string& message);
    // Writes the message as Note does and returns status.
    int Fail(int status, const std::string& message);

    FILE* out_;
    FILE* messages_;
    ConvertOptions options_;
    CDrillWriter writer_;
    CFormatDetector detector_;
    ScratchMessages scratch_;
};
