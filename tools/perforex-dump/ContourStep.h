#pragma once

// One piece of a contour's outline, in nanometres, ending at (x, y).
struct ContourStep {
    enum Kind { Move, Line, Arc, Close };

    Kind kind = Move;
    double x = 0.0;
    double y = 0.0;
    // For an arc: its centre, its radius, where it starts (radians from the positive x axis) and
    // how far it turns (negative for a clockwise arc).
    double centreX = 0.0;
    double centreY = 0.0;
    double radius = 0.0;
    double startAngle = 0.0;
    double sweep = 0.0;
};
