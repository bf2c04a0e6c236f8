#pragma once

#include "interpreter/ArcCentre.h"
#include "writer/AxisWriter.h"

// Chooses how to write one arc of a contour, by its radius A or by the offsets I and J from its
// start to its centre, such that the reading places the centre vertex where it was given: it
// works each form out as the reading does, takes the machine format's arc style when that reads
// back exactly, the other form when only that one does, and else the arc style's form.
class ArcWriter {
  public:
    // How an arc is written and the centre vertex the reading gives it.
    struct Choice {
        bool byRadius = true;
        AxisWriter::Candidate a;
        AxisWriter::Candidate i;
        AxisWriter::Candidate j;
        ArcCentre::Vertex centre{};
        bool fits = false;
    };
    // The axes of the radius and of the offsets; radiusFirst, when the arc style is RADIUS.
    ArcWriter(const AxisWriter& radius, const AxisWriter& offsetX, const AxisWriter& offsetY,
              double unitLength, bool autoReading, bool radiusFirst);

    // Chooses the form of the arc with the given centre vertex from start, whose position the
    // reading holds in startX and startY, to end, as the reading takes them.
    Choice Choose(const AxisWriter::Candidate& startX, const AxisWriter::Candidate& startY,
                  ArcCentre::Point end, const ArcCentre::Vertex& given) const;

  private:
    Choice ByRadius(int magnitude) const;
    Choice ByOffsets(const AxisWriter::Candidate& startX, const AxisWriter::Candidate& startY,
                     ArcCentre::Point end, const ArcCentre::Vertex& given) const;
    // Works out the centre vertex that the reading gives to the words of choice.
    void Place(ArcCentre::Point start, ArcCentre::Point end, bool clockwise,
               const AxisWriter::Candidate& startX, const AxisWriter::Candidate& startY,
               Choice& choice) const;

    const AxisWriter& radius;
    const AxisWriter& offsetX;
    const AxisWriter& offsetY;
    double unitLength;
    bool autoReading;
    bool radiusFirst;
};
