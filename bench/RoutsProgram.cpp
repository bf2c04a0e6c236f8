#include "RoutsProgram.h"

#include <random>

#include "CoordinateText.h"
#include "ProgramSink.h"

namespace {

// Writes "X…Y…" for the point (x, y) in units of 0.0001 inch.
std::string Point(long long x, long long y) {
    return "X" + CoordinateText::LeadingSuppressed(x) + "Y" + CoordinateText::LeadingSuppressed(y);
}

// Writes one obround slot of length length and radius radius whose lower left corner is (x, y).
void WriteSlot(ProgramSink& out, long long x, long long y, long long length, long long radius,
               bool clockwise) {
    const std::string r = CoordinateText::LeadingSuppressed(radius);
    const long long top = y + 2 * radius;
    const long long right = x + length;
    if (clockwise) {
        out << "G00" << Point(x, top) << "\nM15\nG01" << Point(right, top) << "\nG02"
            << Point(right, y) << "A" << r << "\nG01" << Point(x, y) << "\nG02" << Point(x, top)
            << "I0J" << r << "\nM16\n";
        return;
    }
    out << "G00" << Point(x, y) << "\nM15\nG01" << Point(right, y) << "\nG03" << Point(right, top)
        << "A" << r << "\nG01" << Point(x, top) << "\nG03" << Point(x, y) << "I0J" << r
        << "\nM16\n";
}

}  // namespace

RoutsProgram::RoutsProgram(long long contours, int tools, std::uint32_t seed)
    : contours(contours), tools(tools), seed(seed) {}

void RoutsProgram::WriteProgram(FILE* file) const {
    ProgramSink out(file, false);
    out << "M48\nINCH,LZ\n";
    for (int tool = 1; tool <= tools; ++tool) {
        out << "T" << CoordinateText::TwoDigits(tool) << "C0.0" << (300 + tool * 100) << "\n";
    }
    out << "%\n";
    std::mt19937 random(seed);
    const long long perTool = (contours + tools - 1) / tools;
    for (long long contour = 0; contour < contours; ++contour) {
        if (contour % perTool == 0) {
            out << "T" << CoordinateText::TwoDigits(static_cast<int>(contour / perTool) + 1)
                << "\n";
        }
        const long long x = random() % 180000;
        const long long y = random() % 160000;
        const long long length = 500 + random() % 4500;
        const long long radius = 200 + random() % 300;
        WriteSlot(out, x, y, length, radius, contour % 2 == 1);
    }
    out << "M30\n";
}

void RoutsProgram::WriteMachineFormat(FILE* file) {
    std::fputs(".FILETYPE DRILL_MACHINE_FILE\n.Unit IN\n.DataFormat 2,4\n.ZeroTruncation LEADING\n",
               file);
}
