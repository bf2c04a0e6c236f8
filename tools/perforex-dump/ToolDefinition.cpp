#include "ToolDefinition.h"

#include <cmath>

#include "perforex/PerforexReader.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Returns whether a whole number of degrees is a multiple of the given step.
bool IsMultipleOf(double wholeDegrees, double step) {
    return std::fmod(wholeDegrees, step) == 0.0;
}

}  // namespace

const char* ToolDefinition::HoleTypeName() const {
    switch (holeType) {
        case CPerforexReader::Round:
            return "Round";
        case CPerforexReader::Square:
            return "Square";
        case CPerforexReader::Slot:
            return "Slot";
        case CPerforexReader::Rectangle:
            return "Rectangle";
        default:
            return "Unknown";
    }
}

const char* ToolDefinition::PlatingName() const {
    switch (plating) {
        case CPerforexReader::Plated:
            return "plated";
        case CPerforexReader::NonPlated:
            return "non-plated";
        default:
            return "unknown";
    }
}

double ToolDefinition::SizeX() const {
    return holeType == CPerforexReader::Round ? diameter : width;
}

double ToolDefinition::SizeY() const {
    switch (holeType) {
        case CPerforexReader::Round:
            return diameter;
        case CPerforexReader::Square:
            return width;
        default:
            return height;
    }
}

double ToolDefinition::RotationRadians() const {
    // A round hole looks the same at every angle; an angle beyond any number turns nothing.
    if (holeType == CPerforexReader::Round || !std::isfinite(angle)) {
        return 0.0;
    }
    return angle * kPi / 180.0;
}

double ToolDefinition::HalfSpanX() const {
    const double radians = RotationRadians();
    return (std::fabs(SizeX() * std::cos(radians)) + std::fabs(SizeY() * std::sin(radians))) / 2.0;
}

double ToolDefinition::HalfSpanY() const {
    const double radians = RotationRadians();
    return (std::fabs(SizeX() * std::sin(radians)) + std::fabs(SizeY() * std::cos(radians))) / 2.0;
}

int ToolDefinition::RouteWidth() const {
    switch (holeType) {
        case CPerforexReader::Round:
            return diameter;
        case CPerforexReader::Square:
            return width;
        case CPerforexReader::Slot:
        case CPerforexReader::Rectangle: {
            // The reader compares the angle in whole degrees.
            const double wholeDegrees = std::trunc(angle);
            if (IsMultipleOf(wholeDegrees, 180.0)) {
                return width;
            }
            return IsMultipleOf(wholeDegrees, 90.0) ? height : 0;
        }
        default:
            return 0;
    }
}
