#pragma once

#include "perforex/DrillWriter.h"
#include "perforex/Export.h"
#include "perforex/PerforexReader.h"

// A reader that hands everything it reads to a writer, so that reading one program and writing
// it for another machine takes a Read and a Write; or to a program kept apart, to be merged.
class PERFOREX_API CWritingReader : public CPerforexReader {
  public:
    // The writer must outlive every read of this reader.
    explicit CWritingReader(CDrillWriter& writer);
    // The program must outlive every read of this reader.
    explicit CWritingReader(CDrillProgram& program);

    void AddContour(const CVbVrtxGeom& path, int tool) override;
    void AddHit(int x, int y, int tool) override;
    void AddTool(int tool, int holeType, int diameter, int width, int height, double angle, int,
                 int, int, int, int) override;

  private:
    CDrillProgram& program;
};
