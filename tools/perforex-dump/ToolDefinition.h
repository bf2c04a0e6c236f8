#pragma once

// One tool as the reader announced it through AddTool; sizes in nanometres, angle in degrees.
struct ToolDefinition {
    int tool = 0;
    int holeType = 0;
    int diameter = 0;
    int width = 0;
    int height = 0;
    double angle = 0.0;
    // The five trailing integers of AddTool, passed on as they come.
    int trailing[5] = {0, 0, 0, 0, 0};
    // What the reader's GetToolPlating said of the tool when it was announced.
    int plating = 0;

    // Returns the name of the hole type, "Unknown" for a code outside the four known ones.
    const char* HoleTypeName() const;
    // Returns "plated", "non-plated" or "unknown".
    const char* PlatingName() const;
    // Returns the hole's side along x before rotation (the diameter of a round hole).
    double SizeX() const;
    // Returns the hole's side along y before rotation (the diameter of a round hole).
    double SizeY() const;
    // Returns the rotation of the hole in radians, 0 for a round hole or an angle beyond range.
    double RotationRadians() const;
    // Returns half the width of the axis-aligned box around one rotated hole.
    double HalfSpanX() const;
    // Returns half the height of the axis-aligned box around one rotated hole.
    double HalfSpanY() const;
    // Returns the width that a contour routed with this tool is given.
    int RouteWidth() const;
};
