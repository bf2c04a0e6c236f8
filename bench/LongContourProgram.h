#pragma once

#include <cstdio>

// Generates a rout program of one contour with very many cut blocks, in inches with the format 2,4
// and leading zeros suppressed: a serpentine of straight lines and arcs (radius by A and by I and
// J, clockwise and counter-clockwise), so that the contour buffer, the delivered path and its
// validation have to hold them all at once.
class LongContourProgram {
  public:
    explicit LongContourProgram(long long cuts);

    // Writes the rout program.
    void WriteProgram(FILE* file) const;

  private:
    long long cuts;
};
