#pragma once

// Axis-aligned bounds of what has been drawn, in nanometres; empty until something is added.
class Extents {
  public:
    // Takes in one point.
    void AddPoint(double x, double y);
    // Takes in the box of the given half sizes about a centre.
    void AddBox(double centreX, double centreY, double halfX, double halfY);
    // Takes in another set of bounds, grown by margin on every side.
    void Merge(const Extents& other, double margin = 0.0);

    bool IsEmpty() const { return empty_; }
    double MinX() const { return minX_; }
    double MinY() const { return minY_; }
    double MaxX() const { return maxX_; }
    double MaxY() const { return maxY_; }
    double Width() const { return empty_ ? 0.0 : maxX_ - minX_; }
    double Height() const { return empty_ ? 0.0 : maxY_ - minY_; }

  private:
    bool empty_ = true;
    double minX_ = 0.0;
    double minY_ = 0.0;
    double maxX_ = 0.0;
    double maxY_ = 0.0;
};
