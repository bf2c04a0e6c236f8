#pragma once

#include "interpreter/LengthConverter.h"
#include "scanner/ExactLength.h"

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
    // Computes the centre vertex of the arc from start to end of the given radius in nanometres
    // as Place does for a radius from A, rounding the radius and the centre to the nearest
    // nanometre. Returns false, leaving centre alone, when they do not fit in 32 bits.
    static bool PlaceByRadius(Point start, Point end, double radius, bool clockwise,
                              Vertex& centre);
    // Gives the centre vertex of an arc whose centre lies at (centreX, centreY), the offsets
    // (i, j) from its start: the centre and the distance from the start to it, each rounded to
    // the nearest nanometre. Returns false, leaving centre alone, when they do not fit in 32 bits.
    static bool PlaceByOffsets(ExactLength centreX, ExactLength centreY, ExactLength i,
                               ExactLength j, bool clockwise, Vertex& centre);
};
