#include "writer/ToolLineWriter.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "interpreter/LengthConverter.h"
#include "perforex/PerforexReader.h"
#include "scanner/HeaderReader.h"
#include "writer/WriteError.h"

namespace {

// Most decimals tried for a size of the strict reading, and for an angle.
constexpr int kMostSizeDecimals = 12;
constexpr int kMostAngleDecimals = 30;

std::string Fixed(double value, int decimals) {
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// Returns the shortest text of digits and a point that reads as angle.
std::string AngleText(double angle, int tool) {
    if (angle == 0.0) {
        return "0";
    }
    if (std::isfinite(angle) && angle > 0.0) {
        for (int decimals = 0; decimals <= kMostAngleDecimals; ++decimals) {
            const std::string text = Fixed(angle, decimals);
            if (std::atof(text.c_str()) == angle) {
                return text;
            }
        }
    }
    throw WriteError("tool " + std::to_string(tool) + ": the angle " + Fixed(angle, 6) +
                     " cannot be written: a definition holds only digits and a point");
}

void Require(bool condition, int tool, const char* reason) {
    if (!condition) {
        throw WriteError("tool " + std::to_string(tool) + ": " + reason);
    }
}

}  // namespace

DrillContent::Tool ToolLineWriter::Append(std::string& out, const DrillContent::Tool& tool) const {
    Require(tool.tool >= 0, tool.tool, "a tool number is never negative");
    Require(tool.holeType >= CPerforexReader::Round && tool.holeType <= CPerforexReader::Rectangle,
            tool.tool, "unknown hole type");
    Require(tool.diameter >= 0 && tool.width >= 0 && tool.height >= 0, tool.tool,
            "a size is never negative");
    const std::size_t start = out.size();
    const DrillContent::Tool written = AppendDefinition(out, tool);
    // The header reader keeps the first characters of a definition alone.
    Require(out.size() - start - 2 <= HeaderReader::kToolTextCapacity, tool.tool,
            "its definition is longer than a header line holds");
    return written;
}

DrillContent::Tool ToolLineWriter::AppendDefinition(std::string& out,
                                                    const DrillContent::Tool& tool) const {
    char number[16];
    std::snprintf(number, sizeof number, "T%02d", tool.tool);
    out += number;
    DrillContent::Tool written = tool;
    if (tool.holeType == CPerforexReader::Round) {
        Require(tool.width == 0 && tool.height == 0 && tool.angle == 0.0, tool.tool,
                "a round tool has a diameter alone");
        out += 'C';
        out += SizeText(tool.diameter, true, written.diameter);
        out += '\n';
        return written;
    }
    Require(tool.diameter == 0, tool.tool, "only a round tool has a diameter");
    const bool square = tool.holeType == CPerforexReader::Square;
    Require(!square || tool.height == 0, tool.tool, "a square tool has a width alone");
    static const char* const kWords[] = {"", " Square ", " Slot ", " Rectangle "};
    out += kWords[tool.holeType];
    out += SizeText(tool.width, false, written.width);
    if (!square) {
        out += 'x';
        out += SizeText(tool.height, false, written.height);
    }
    out += " R";
    out += AngleText(tool.angle, tool.tool);
    out += '\n';
    return written;
}

std::string ToolLineWriter::SizeText(int nanometres, bool diameter, int& readBack) const {
    if (numbers.IsAuto()) {
        long long steps = 0;
        numbers.NearestSteps(nanometres, steps);
        CoordinateText::Text composed;
        numbers.Compose(steps, composed);
        const std::string text(composed.characters, static_cast<std::size_t>(composed.length));
        readBack = ReadSize(text, diameter);
        return text;
    }
    // The shortest text that reads back as the size; else the one that comes nearest.
    const double unit = numbers.UnitLength();
    std::string best;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (int decimals = 0; decimals <= kMostSizeDecimals; ++decimals) {
        for (const double target : {nanometres / unit, (nanometres + 0.5) / unit}) {
            std::string text = Fixed(target, decimals);
            const int read = ReadSize(text, diameter);
            const long long distance = std::llabs(static_cast<long long>(read) - nanometres);
            if (distance < bestDistance) {
                best = std::move(text);
                bestDistance = distance;
                readBack = read;
            }
            if (distance == 0) {
                return best;
            }
        }
    }
    return best;
}

int ToolLineWriter::ReadSize(const std::string& text, bool diameter) const {
    if (numbers.IsAuto()) {
        int read = 0;
        ExactLength::FromLeadingNumber(text, numbers.ExactUnit()).ToNanometres(read);
        return read;
    }
    double value = std::atof(text.c_str());
    if (diameter) {
        value = static_cast<float>(value);
    }
    int read = 0;
    LengthConverter(numbers.UnitLength()).ToNanometres(value, read);
    return read;
}
