#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "DumpSink.h"
#include "MessageRelay.h"
#include "perforex/perforex.h"

// The reader host of perforex-dump: hands every callback on to the sinks it was given.
class DumpHost : public CPerforexReader {
  public:
    // Adds a sink, which must outlive the host's reads.
    void AddSink(DumpSink* sink);
    // Tells every sink the start of a drill file and reads its bytes. The reader's messages come
    // as data: their text goes to relay as each arrives, and the message to every sink; the
    // message stream is only where the reader writes them too (the null device). Returns the
    // reader's result; a read that throws counts as 0 and its reason goes to relay.
    int ReadFile(FILE* messageStream, MessageRelay& relay, const std::string& path,
                 const std::string& bytes);
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
    void AddMessage(const CReaderMessage& message) override;

  private:
    std::vector<DumpSink*> sinks_;
    // Where the text of the messages of the read under way goes.
    MessageRelay* relay_ = nullptr;
    long long delivered_ = 0;
};
