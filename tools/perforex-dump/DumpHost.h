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
    // Tells every sink the start of a drill file and reads its bytes, writing the reader's
    // messages to the message stream. Returns the reader's result; a read that throws counts as
    // 0 and its reason is written to the message stream.
    int ReadFile(FILE* messageStream, const std::string& path, const std::string& bytes);
    // Tells every sink the end of the file being read.
    void FinishFile(const FileVerdict& verdict);
    // Tells every sink of a drill file that could not be read.
    void SkipFile(const std::string& path, const std::string& reason);
    // Returns how many tools, holes and contours the latest read delivered.
    long long Delivered() const { return delivered_; }

    void AddContour(const CVbVrtxGeom& path, int tool) override;
    void AddHit(int x, int y, int tool) override;
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle, int,
                 int, int, int, int) override;

  private:
    std::vector<DumpSink*> sinks_;
    long long delivered_ = 0;
};
