#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DumpOptions.h"
#include "FileVerdict.h"
#include "InferredFormatFiles.h"
#include "MachineFormatSettings.h"

class DumpHost;

// Runs perforex-dump: checks the command line and the machine format, reads every drill file
// (with -f through one reader, without it each in AUTO with a machine format inferred for it; a
// file that cannot be read is reported and the others are still read) and writes the summary,
// the JSON and the picture.
class DumpCommand {
  public:
    // Exit status: every file read cleanly.
    static constexpr int kClean = 0;
    // A file was read with errors or warnings, or a check of the tool's own warned.
    static constexpr int kNotClean = 1;
    // The tool could not do its job: a bad option or a file that cannot be read or written.
    static constexpr int kFailed = 2;

    // Sets where output and messages go and where the executable lives.
    DumpCommand(FILE* out, FILE* messages, std::string executableDirectory);

    // Runs the command for the arguments after the program name; returns the exit status.
    int Run(const std::vector<std::string>& arguments);

  private:
    int SuggestFormat(const std::string& drillFile);
    // Returns the machine format file to read with: the one given with -f or the bundled
    // auto.fmt; empty when there is none.
    std::string ChooseMachineFormat() const;
    // Loads the host's machine format; on errors passes the reader's messages on.
    bool LoadMachineFormat(DumpHost& host);
    int ReadDrillFiles();
    int ReadDrillFile(DumpHost& host, const std::string& drillFile);
    // Reads a drill file with the host's machine format, passes the messages on, runs the checks
    // and returns the file's exit status.
    int ReadAndJudge(DumpHost& host, const std::string& drillFile);
    // Gives the host the machine format inferred for the drill file, in place of the one it
    // loaded before, and loads it.
    bool UseInferredFormat(DumpHost& host, const std::string& drillFile);
    // Returns the warnings of the tool's own checks of a file that was read.
    std::vector<std::string> Check(const std::string& drillFile, long long delivered) const;
    // Runs read with the scratch message stream and returns what it wrote to it.
    std::string CapturedMessages(const std::function<int(FILE*)>& read, int& result);
    // Returns why a file cannot be read, or an empty string when it can.
    static std::string UnreadableReason(const std::string& path);
    // Writes "perforex-dump: " and the message as one line to the message stream.
    void Note(const std::string& message);
    // Writes the message as Note does and returns status.
    int Fail(int status, const std::string& message);

    FILE* out_;
    FILE* messages_;
    std::string executableDirectory_;
    DumpOptions options_;
    std::string machineFormatFile_;
    MachineFormatSettings machineFormat_;
    InferredFormatFiles inferredFormats_;
    // Takes the reader's messages of one read, so that they are counted and escaped.
    std::unique_ptr<FILE, int (*)(FILE*)> scratch_;
};
