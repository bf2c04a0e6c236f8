#pragma once

#include "capi/ReadResult.h"
#include "perforex/PerforexReader.h"

// The reader behind the C interface: keeps every callback of a read in a result.
class CResultCollector : public CPerforexReader {
  public:
    explicit CResultCollector(CReadResult& result) : result(result) {}

    void AddContour(const CVbVrtxGeom& path, int tool) override;
    void AddHit(int x, int y, int tool) override;
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle, int,
                 int, int, int, int) override;
    void AddMessage(const CReaderMessage& message) override;

  private:
    CReadResult& result;
};
