#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "perforex/perforex.h"

// A host that keeps what a read delivers, and hands it on to a writer when given one, so that a
// read and the read of what was written compare: Transcript() lists the tools first, as a writer
// writes them into the header, then the holes and contours in their order.
class WriterCapture : public CPerforexReader {
  public:
    explicit WriterCapture(CDrillWriter* writer = nullptr) : writer(writer) {}

    void AddContour(const CVbVrtxGeom& path, int tool) override;
    void AddHit(int x, int y, int tool) override;
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle, int,
                 int, int, int, int) override;

    // Moves every value the writer's last write reported as rounded.
    void Apply(const CDrillWriter& rounded);
    std::string Transcript() const;

  private:
    struct Contour {
        int tool;
        int width;
        int header;
        std::size_t holesBefore;
        std::vector<CVbVertex> vertices;
    };

    CDrillWriter* writer;
    std::vector<std::array<double, 6>> tools;
    std::vector<std::array<int, 3>> holes;
    std::vector<Contour> contours;
};

// A stream that discards the messages of reads.
FILE* NullSink();

// Reads program with the machine format text into a capture.
WriterCapture ReadBack(const std::string& machineFormat, const std::string& program);
