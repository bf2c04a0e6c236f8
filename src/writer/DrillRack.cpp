#include "perforex/DrillRack.h"

#include "perforex/DrillProgram.h"
#include "writer/DrillProgramAccess.h"
#include "writer/DrillRackImpl.h"

CDrillRack::CDrillRack() : impl(new DrillRackImpl) {}

CDrillRack::~CDrillRack() {
    delete impl;
}

void CDrillRack::AddSize(int diameter) {
    impl->sizes.push_back(diameter);
}

void CDrillRack::SetTolerance(int tolerance) {
    impl->tolerance = tolerance;
}

int CDrillRack::Apply(CDrillProgram& program) {
    return impl->Apply(DrillProgramAccess::Of(program));
}

int CDrillRack::GetMissCount() const {
    return static_cast<int>(impl->misses.size());
}

CRackMiss CDrillRack::GetMiss(int index) const {
    return impl->misses.at(static_cast<std::size_t>(index));
}
