#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "DumpSink.h"
#include "perforex/perforex.h"

// The reader host of perforex-dump: hands every callback on to the sinks it was given.
class DumpHost : public CPerforexReader {
  public:
    // Adds a sink, which must outlive the host's reads.
    void AddSink(DumpSink* sink);
    // Reads one drill file and tells every sink its start, its callbacks and its result.
    // Returns the reader's result; a read that throws counts as 0 and its reason is written to
    // the message stream.
    int ReadFile(FILE* messageStream, const std::string& path);

    void AddContour(const CVbVrtxGeom& path, int tool) override;
    void AddHit(int x, int y, int tool) override;
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle, int,
                 int, int, int, int) override;

  private:
    std::vector<DumpSink*> sinks_;
};
