#pragma once

#include <vector>

// Approximates circles and polyarc chains by straight chords, collecting the x, y words of the
// resulting polyline. Chord points lie on the radius halfway between the curve's radius and that
// of the polygon circumscribing it. A chord point beyond +-2147483647 (as when a step near 180
// degrees makes that radius explode) fails the whole result instead of wrapping or saturating.
class ChordFlattener {
  public:
    // Adds the 360 / stepDegrees vertices of the circle about (cx, cy) of radius r, the first
    // at angle 0, then turning counter-clockwise or clockwise; adds nothing for a step outside
    // 1 to 360.
    void AddCircle(int cx, int cy, int r, int stepDegrees, bool counterClockwise);
    // Adds the points of the polyarc chain held in wordCount words (x, y, r per vertex), every
    // arc expanded into chords of at most stepDegrees; adds nothing for a step of 0.
    void AddPolyarc(const int* vertexWords, int wordCount, int stepDegrees);

    // Tells whether the result holds points and every point lies in range.
    bool Succeeded() const { return !words.empty() && !outOfRange; }
    const int* Words() const { return words.data(); }
    int WordCount() const { return static_cast<int>(words.size()); }

  private:
    void AddPoint(int x, int y);
    // Adds the point at angle on radius about (cx, cy), each coordinate truncated toward zero.
    void AddOnRadius(int cx, int cy, double radius, double angle);
    // Adds the chord points strictly between start and end of the arc about centre, whose third
    // word is the signed radius; the end point itself is not added.
    void AddArcChords(const int* start, const int* centre, const int* end, int stepDegrees);

    std::vector<int> words;
    bool outOfRange = false;
};
