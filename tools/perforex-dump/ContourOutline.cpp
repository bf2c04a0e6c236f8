#include "ContourOutline.h"

#include <algorithm>
#include <cmath>

#include "perforex/VbVrtxGeom.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTurn = 2.0 * kPi;

// Returns how far one must turn from the angle `from` to reach `to` in the given direction, in
// [0, 2pi).
double TurnBetween(double from, double to, bool clockwise) {
    double turn = std::fmod(clockwise ? from - to : to - from, kTurn);
    if (turn < 0.0) {
        turn += kTurn;
    }
    return turn;
}

}  // namespace

void ContourOutline::Decode(const int* record, int words) {
    steps_.clear();
    record_ = record;
    vertexCount_ = words > 2 ? (words - 2) / 3 : 0;
    const int header = words > 0 ? record[0] : 0;
    width_ = words > 1 ? record[1] : 0;
    closed_ = (header & CVbVrtxGeom::kClosedBit) != 0;
    breaks_ = (header & CVbVrtxGeom::kBreaksBit) != 0;

    bool penDown = false;
    double startX = 0.0;
    double startY = 0.0;
    for (int index = 0; index < vertexCount_; ++index) {
        const Vertex vertex = VertexAt(index);
        if (IsBreak(vertex)) {
            penDown = false;
            continue;
        }
        if (vertex.r == 0) {
            if (!penDown) {
                steps_.push_back({ContourStep::Move, double(vertex.x), double(vertex.y)});
                startX = vertex.x;
                startY = vertex.y;
                penDown = true;
            } else if (penX_ != vertex.x || penY_ != vertex.y) {
                steps_.push_back({ContourStep::Line, double(vertex.x), double(vertex.y)});
            }
            penX_ = vertex.x;
            penY_ = vertex.y;
            continue;
        }
        // A centre vertex runs its arc from the pen to the vertex after it, or to the first
        // vertex when it stands last; without a pen there is no start to run from.
        const Vertex end = VertexAt(index + 1 < vertexCount_ ? index + 1 : 0);
        if (penDown && !IsBreak(end)) {
            AddArc(vertex, end);
        }
    }
    if (closed_ && penDown) {
        steps_.push_back({ContourStep::Close, startX, startY});
    }
}

ContourOutline::Vertex ContourOutline::VertexAt(int index) const {
    const int* words = record_ + 2 + 3 * index;
    return {words[0], words[1], words[2]};
}

bool ContourOutline::IsBreak(const Vertex& vertex) const {
    const int marker = CVbVrtxGeom::kBreakMarker;
    return breaks_ && (vertex.x == marker || vertex.y == marker || vertex.r == marker);
}

void ContourOutline::AddArc(const Vertex& centre, const Vertex& end) {
    ContourStep arc;
    arc.kind = ContourStep::Arc;
    arc.x = end.x;
    arc.y = end.y;
    arc.centreX = centre.x;
    arc.centreY = centre.y;
    arc.radius = std::fabs(double(centre.r));
    arc.startAngle = std::atan2(penY_ - arc.centreY, penX_ - arc.centreX);
    const double endAngle = std::atan2(arc.y - arc.centreY, arc.x - arc.centreX);
    const bool clockwise = centre.r > 0;
    // An arc that ends where it starts is a full turn.
    double turn = TurnBetween(arc.startAngle, endAngle, clockwise);
    if (turn == 0.0) {
        turn = kTurn;
    }
    arc.sweep = clockwise ? -turn : turn;
    steps_.push_back(arc);
    penX_ = arc.x;
    penY_ = arc.y;
}

double ContourOutline::Length() const {
    double length = 0.0;
    double lastX = 0.0;
    double lastY = 0.0;
    for (const ContourStep& step : steps_) {
        if (step.kind == ContourStep::Arc) {
            length += step.radius * std::fabs(step.sweep);
        } else if (step.kind != ContourStep::Move) {
            length += std::hypot(step.x - lastX, step.y - lastY);
        }
        lastX = step.x;
        lastY = step.y;
    }
    return length;
}

Extents ContourOutline::Bounds() const {
    Extents centreLine;
    for (const ContourStep& step : steps_) {
        centreLine.AddPoint(step.x, step.y);
        if (step.kind != ContourStep::Arc) {
            continue;
        }
        // The arc reaches beyond its end points where it crosses an axis direction.
        const bool clockwise = step.sweep < 0.0;
        for (int quarter = 0; quarter < 4; ++quarter) {
            const double direction = quarter * kPi / 2.0;
            if (TurnBetween(step.startAngle, direction, clockwise) <= std::fabs(step.sweep)) {
                centreLine.AddPoint(step.centreX + step.radius * std::cos(direction),
                                    step.centreY + step.radius * std::sin(direction));
            }
        }
    }
    Extents stroke;
    stroke.Merge(centreLine, std::max(width_, 0) / 2.0);
    return stroke;
}
