#pragma once

#include <cstdio>
#include <string>

#include "FallbackFormatFile.h"

// Gives each drill file read with no machine format named a machine format of its own: the
// bundled AUTO format with the fallback inferred for that program (from an nc_param.txt beside
// it, what the program states and what its numbers show), written to a temporary file. The
// evidence goes to the message stream, one line per item.
class InferredFormatFiles {
  public:
    explicit InferredFormatFiles(FILE* messages);
    ~InferredFormatFiles();
    InferredFormatFiles(const InferredFormatFiles&) = delete;
    InferredFormatFiles& operator=(const InferredFormatFiles&) = delete;

    // Reads the bundled AUTO machine format; false with a one-line reason when it cannot.
    bool Load(const std::string& bundledPath, std::string& error);
    // Writes the machine format for the drill file, in place of the one written before, and
    // returns its name; an empty name and a one-line reason in error when it cannot be written.
    // Each file gets a new name, since a reader loads a machine format anew only when its name
    // changes.
    std::string Write(const std::string& drillFile, std::string& error);

  private:
    void RemoveLast();
    std::string InferFormatText(const std::string& drillFile);

    FILE* messages_;
    FallbackFormatFile bundled_;
    std::string directory_;
    std::string last_;
    int written_ = 0;
};
