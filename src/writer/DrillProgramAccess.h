#pragma once

#include "perforex/DrillProgram.h"
#include "writer/DrillContent.h"

// Gives the writer's classes the content a CDrillProgram keeps, which its public interface
// hides.
class DrillProgramAccess {
  public:
    static DrillContent& Of(CDrillProgram& program) { return *program.content; }
    static const DrillContent& Of(const CDrillProgram& program) { return *program.content; }
};
