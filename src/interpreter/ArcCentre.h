#pragma once

#include "interpreter/LengthConverter.h"

// Places the centre vertex of one arc block of a routed contour.
class ArcCentre {
  public:
    // A point of the contour in nanometres.
    struct Point {
        int x;
        int y;
    };
    // The arc words of a block in drill-file units: radius A, centre offsets I and J.
    struct ArcWords {
        double a;
        double i;
        double j;
        bool clockwise;
    };
    // A centre vertex: its position and the signed radius, positive for a clockwise arc.
    struct Vertex {
        int x;
        int y;
        int r;
    };

    // Computes the centre vertex of the arc from start to end. The radius comes from A when I
    // and J are both 0, from I and J otherwise. Returns false, leaving centre alone, when the
    // radius or the centre does not fit in 32 bits.
    static bool Place(Point start, Point end, const ArcWords& words, const LengthConverter& lengths,
                      Vertex& centre);
};
