#pragma once

// Integer plane geometry: vertex rotation, line direction and the bounds of circular arcs.

// Rotates the point (*x, *y) about (cx, cy) by angle radians, counter-clockwise for a positive
// angle, and writes it back rounded to the nearest integer (halves away from zero), saturating
// at +-2147483647.
void pcRotateVertex(double angle, int cx, int cy, int* x, int* y);

// Returns the direction of the line from (x1, y1) to (x2, y2) in radians, in (-pi, pi]; 0 for a
// line of zero length.
double pcAngleOfLine(int x1, int y1, int x2, int y2);

// Writes two points, (*xa, *ya) the lower-left and (*xb, *yb) the upper-right corner, that span
// the arc from (xs, ys) to (xe, ye) about (xc, yc): clockwise when clockwise is non-zero,
// counter-clockwise otherwise, a full circle when both ends point the same way from the centre.
// The sign of radius is ignored. Integer ends rarely lie exactly on the circle, so the box holds
// the arc at every radius from the smallest to the largest of |radius| and the distances of both
// ends from the centre, each coordinate rounded outward.
void pcCircularArcRange(int xs, int ys, int xe, int ye, int xc, int yc, int radius, int clockwise,
                        int* xa, int* ya, int* xb, int* yb);
