#include "LongContourProgram.h"

#include "CoordinateText.h"
#include "ProgramSink.h"

namespace {

// Cut blocks in one row of the serpentine, and their spacing in units of 0.0001 inch.
constexpr long long kCutsPerRow = 20000;
constexpr long long kStep = 10;
constexpr long long kRowPitch = 400;

// Returns the motion code and the radius words of cut number cut.
const char* Motion(long long cut) {
    switch (cut % 4) {
        case 0:
            return "G01";
        case 1:
            return "G02";
        case 2:
            return "G01";
        default:
            return "G03";
    }
}

const char* RadiusWords(long long cut) {
    switch (cut % 8) {
        case 1:
        case 3:
            return "A60";
        case 5:
        case 7:
            return "I5J60";
        default:
            return "";
    }
}

}  // namespace

LongContourProgram::LongContourProgram(long long cuts) : cuts(cuts) {}

void LongContourProgram::WriteProgram(FILE* file) const {
    ProgramSink out(file, false);
    out << "M48\nINCH,LZ\nT01C0.0400\n%\nT01\nG00X0Y0\nM15\n";
    for (long long cut = 0; cut < cuts; ++cut) {
        const long long row = cut / kCutsPerRow;
        const long long along = (cut % kCutsPerRow + 1) * kStep;
        const long long x = row % 2 == 0 ? along : kCutsPerRow * kStep - along;
        const long long y = row * kRowPitch + (cut % 2) * 50;
        out << Motion(cut) << "X" << CoordinateText::LeadingSuppressed(x) << "Y"
            << CoordinateText::LeadingSuppressed(y) << RadiusWords(cut) << "\n";
    }
    out << "M16\nM30\n";
}
