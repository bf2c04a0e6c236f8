#pragma once

#include <cstdint>
#include <cstdio>

// Generates a rout program of many contours, in inches with the format 2,4 and leading zeros
// suppressed: obround slots that alternate between clockwise (G02) and counter-clockwise (G03)
// arcs, each with one arc given by its radius (A) and one by its centre offsets (I and J).
class RoutsProgram {
  public:
    RoutsProgram(long long contours, int tools, std::uint32_t seed = 20261206);

    // Writes the rout program.
    void WriteProgram(FILE* file) const;
    // Writes the drill machine format file under which the program reads.
    static void WriteMachineFormat(FILE* file);

  private:
    long long contours;
    int tools;
    std::uint32_t seed;
};
