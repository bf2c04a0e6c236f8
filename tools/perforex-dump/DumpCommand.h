#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "DumpOptions.h"
#include "FileVerdict.h"
#include "ReadFormat.h"

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
    // the file is read with: the -f file, or the detected text, which the host is given. With
    // -f, adds the warnings of the header's check against it to checks.
    ReadFormat ChooseFormat(DumpHost& host, const std::string& drillFile, const std::string& bytes,
                            std::vector<std::string>& checks);
    // Returns the warnings of the check of what the program states in or before its header
    // against the machine format given with -f.
    std::vector<std::string> CheckHeader(const std::string& drillFile,
                                         const std::string& bytes) const;
    // Reads a drill file's bytes with the host's machine format, passes the messages on as they
    // come, runs the remaining checks and returns the file's exit status.
    int ReadAndJudge(DumpHost& host, const std::string& drillFile, const std::string& bytes,
                     std::vector<std::string> checks);
    // Writes "perforex-dump: " and the message as one line to the message stream.
    void Note(const std::string& message);
    // Writes the message as Note does and returns status.
    int Fail(int status, const std::string& message);

    FILE* out_;
    FILE* messages_;
    DumpOptions options_;
    // The text of the machine format file given with -f, for the header check.
    std::string machineFormatText_;
    // Where the reader writes the messages that reach the tool as data: the null device.
    std::unique_ptr<FILE, int (*)(FILE*)> discarded_;
};
