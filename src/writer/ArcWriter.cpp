#include "writer/ArcWriter.h"

#include <cmath>
#include <cstdlib>

namespace {

bool Same(const ArcCentre::Vertex& a, const ArcCentre::Vertex& b) {
    return a.x == b.x && a.y == b.y && a.r == b.r;
}

}  // namespace

ArcWriter::ArcWriter(const AxisWriter& radius, const AxisWriter& offsetX, const AxisWriter& offsetY,
                     double unitLength, bool autoReading, bool radiusFirst)
    : radius(radius),
      offsetX(offsetX),
      offsetY(offsetY),
      unitLength(unitLength),
      autoReading(autoReading),
      radiusFirst(radiusFirst) {}

ArcWriter::Choice ArcWriter::Choose(const AxisWriter::Candidate& startX,
                                    const AxisWriter::Candidate& startY, ArcCentre::Point end,
                                    const ArcCentre::Vertex& given) const {
    const ArcCentre::Point start{startX.nanometres, startY.nanometres};
    const bool clockwise = given.r > 0;
    const auto byRadius = [&] {
        Choice choice = ByRadius(std::abs(given.r));
        Place(start, end, clockwise, startX, startY, choice);
        return choice;
    };
    const auto byOffsets = [&] { return ByOffsets(startX, startY, end, given); };
    const Choice first = radiusFirst ? byRadius() : byOffsets();
    if (first.fits && Same(first.centre, given)) {
        return first;
    }
    const Choice second = radiusFirst ? byOffsets() : byRadius();
    if ((second.fits && Same(second.centre, given)) || !first.fits) {
        return second;
    }
    return first;
}

ArcWriter::Choice ArcWriter::ByRadius(int magnitude) const {
    Choice choice;
    choice.byRadius = true;
    choice.a = radius.Nearest(magnitude);
    return choice;
}

ArcWriter::Choice ArcWriter::ByOffsets(const AxisWriter::Candidate& startX,
                                       const AxisWriter::Candidate& startY, ArcCentre::Point end,
                                       const ArcCentre::Vertex& given) const {
    const ArcCentre::Point start{startX.nanometres, startY.nanometres};
    const bool clockwise = given.r > 0;
    // The offsets lead from the start as the reading holds it to the centre; the strict reading
    // turns them toward the centre it works out, so an offset may have to point the other way.
    const double dx =
        autoReading ? given.x - startX.length.Nanometres() : static_cast<double>(given.x) - start.x;
    const double dy =
        autoReading ? given.y - startY.length.Nanometres() : static_cast<double>(given.y) - start.y;
    Choice nearest;
    for (const double signX : {1.0, -1.0}) {
        for (const double signY : {1.0, -1.0}) {
            const AxisWriter::Candidate i = offsetX.Nearest(signX * dx);
            const AxisWriter::Candidate j = offsetY.Nearest(signY * dy);
            for (const long long stepI : {i.steps, i.steps + 1, i.steps - 1}) {
                for (const long long stepJ : {j.steps, j.steps + 1, j.steps - 1}) {
                    Choice choice;
                    choice.byRadius = false;
                    choice.i = offsetX.Try(stepI);
                    choice.j = offsetY.Try(stepJ);
                    Place(start, end, clockwise, startX, startY, choice);
                    if (choice.fits && Same(choice.centre, given)) {
                        return choice;
                    }
                    if (!nearest.fits) {
                        nearest = choice;
                    }
                }
            }
            if (autoReading) {
                // The AUTO reading takes the offsets' own signs.
                return nearest;
            }
        }
    }
    return nearest;
}

void ArcWriter::Place(ArcCentre::Point start, ArcCentre::Point end, bool clockwise,
                      const AxisWriter::Candidate& startX, const AxisWriter::Candidate& startY,
                      Choice& choice) const {
    const bool fits = choice.byRadius ? choice.a.fits : choice.i.fits && choice.j.fits;
    if (!fits) {
        choice.fits = false;
        return;
    }
    if (!autoReading) {
        const ArcCentre::ArcWords words{choice.byRadius ? choice.a.value : 0.0,
                                        choice.byRadius ? 0.0 : choice.i.value,
                                        choice.byRadius ? 0.0 : choice.j.value, clockwise};
        choice.fits =
            ArcCentre::Place(start, end, words, LengthConverter(unitLength), choice.centre);
    } else if (choice.byRadius) {
        choice.fits = ArcCentre::PlaceByRadius(start, end, std::fabs(choice.a.length.Nanometres()),
                                               clockwise, choice.centre);
    } else {
        choice.fits = ArcCentre::PlaceByOffsets(startX.length + choice.i.length,
                                                startY.length + choice.j.length, choice.i.length,
                                                choice.j.length, clockwise, choice.centre);
    }
}
