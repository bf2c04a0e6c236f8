#include "CountingHost.h"

void CountingHost::AddContour(const CVbVrtxGeom&, int tool) {
    ++contours;
    checksum += tool;
}

void CountingHost::AddHit(int x, int y, int tool) {
    ++hits;
    checksum += static_cast<long long>(x) + y + tool;
}

void CountingHost::AddTool(int tool, int, int diameter, int width, int height, double, int, int,
                           int, int, int) {
    ++tools;
    checksum += static_cast<long long>(tool) + diameter + width + height;
}

void CountingHost::Reset() {
    contours = 0;
    hits = 0;
    tools = 0;
    checksum = 0;
}
