#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "DumpOptions.h"
#include "FileVerdict.h"
#include "ReadFormat.h"
#include "ScratchMessages.h"
#include "perforex/FormatDetector.h"

class DumpHost;
class JsonWriter;

// Runs perforex-dump: checks the command line and the machine format, reads every drill file
// once into memory and hands its bytes to the format detection and to the reader (with -f
// through one reader, without it each in AUTO with the machine format detected for it; a file
// that cannot be read is reported and the others are still read) and writes the summary, the
// JSON and the picture.
class DumpCommand {
  public:
    // Exit status: every file read cleanly.
    static constexpr int kClean = 0;
    // A file was read with errors or warnings, or a check of the tool's own warned.
    static constexpr int kNotClean = 1;
    // The tool could not do its job: a bad option or a file that cannot be read or written.
    static constexpr int kFailed = 2;

    // Sets where output and messages go.
    DumpCommand(FILE* out, FILE* messages);

    // Runs the command for the arguments after the program name; returns the exit status.
    int Run(const std::vector<std::string>& arguments);

  private:
    int SuggestFormat(const std::string& drillFile);
    // Loads the host's machine format; on errors passes the reader's messages on.
    bool LoadMachineFormat(DumpHost& host);
    int ReadDrillFiles();
    int ReadDrillFile(DumpHost& host, JsonWriter* json, const std::string& drillFile);
    // Detects the format of the drill file's bytes, tells the evidence and returns the format
    // the file is read with: the -f file, or the detected text, which the host is given.
    ReadFormat ChooseFormat(DumpHost& host, const std::string& drillFile, const std::string& bytes);
    // Reads a drill file's bytes with the host's machine format, passes the messages on, runs
    // the checks and returns the file's exit status.
    int ReadAndJudge(DumpHost& host, const std::string& drillFile, const std::string& bytes);
    // Returns the warnings of the tool's own checks of a file that was read.
    std::vector<std::string> Check(const std::string& bytes, long long delivered) const;
    // Writes "perforex-dump: " and the message as one line to the message stream.
    void Note(const std::string& message);
    // Writes the message as Note does and returns status.
    int Fail(int status, const std::string& message);

    FILE* out_;
    FILE* messages_;
    DumpOptions options_;
    // The text of the machine format file given with -f, for the header check.
    std::string machineFormatText_;
    // The program of the latest drill file as the format detection saw it.
    CFormatDetector detector_;
    // Takes the reader's messages of one read, so that they are counted and escaped.
    ScratchMessages scratch_;
};
