#include "writer/ProgramWriter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

#include "interpreter/ToolTable.h"
#include "perforex/VbPolyarcPath.h"
#include "perforex/VbVrtxGeom.h"
#include "scanner/EbcdicTable.h"
#include "writer/ToolLineWriter.h"
#include "writer/WriteError.h"

namespace {

// Most digits m + n of a format written without a point.
constexpr int kMostDigits = 18;
// The bytes handed to the output at once, about; a piece stays in the processor's caches.
constexpr std::size_t kPieceSize = 1 << 16;
// Room for the longest block past a piece: a contour's blocks go out once it is complete.
constexpr std::size_t kLongestBlock = 256;

// The route width the reading gives a tool, by the whole degrees of its angle.
int RouteWidth(const DrillContent::Tool& tool) {
    return ToolTable::RouteWidth(tool.holeType, tool.diameter, tool.width, tool.height,
                                 static_cast<int>(std::fmod(std::trunc(tool.angle), 360.0)));
}

std::string UnitName(const CDrillMachineFormat& format) {
    return format.unit == CDrillMachineFormat::MM ? "mm" : "inches";
}

bool KnownPlating(int plating) {
    return plating == CDrillWriter::Plated || plating == CDrillWriter::NonPlated;
}

// The order of the tool definitions in the header: as given, but in AUTO, where a plating once
// stated holds for the tools after it, those of unknown plating first.
std::vector<std::size_t> HeaderOrder(const std::vector<DrillContent::Tool>& tools, bool isAuto) {
    std::vector<std::size_t> order(tools.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (isAuto) {
        std::stable_partition(order.begin(), order.end(), [&](std::size_t index) {
            return !KnownPlating(tools[index].plating);
        });
    }
    return order;
}

bool ValidStrictDigits(const CDrillMachineFormat& format) {
    return format.integerDigits >= 0 && format.decimalDigits >= 0 &&
           format.integerDigits + format.decimalDigits <= kMostDigits;
}

}  // namespace

ProgramWriter::ProgramWriter(const CDrillMachineFormat& format)
    : format(format),
      numbers(format),
      x(numbers, 'X', format.stepMode == CDrillMachineFormat::INCREMENTAL),
      y(numbers, 'Y', format.stepMode == CDrillMachineFormat::INCREMENTAL),
      // The strict reading adds A to its last value in incremental steps, AUTO never does.
      a(numbers, 'A', format.stepMode == CDrillMachineFormat::INCREMENTAL && !numbers.IsAuto()),
      i(numbers, 'I', false),
      j(numbers, 'J', false),
      arcs(a, i, j, format.unitLength, numbers.IsAuto(),
           format.arcStyle != CDrillMachineFormat::QUADRANT),
      modal(format.dataMode == CDrillMachineFormat::MODAL) {
    if (!numbers.IsAuto() && !ValidStrictDigits(format)) {
        throw WriteError("the format " + std::to_string(format.integerDigits) + "," +
                         std::to_string(format.decimalDigits) +
                         " has no room for digits: " + "m and n must be whole numbers of at most " +
                         std::to_string(kMostDigits) + " digits together");
    }
}

void ProgramWriter::Write(const DrillContent& content, std::vector<CWriteRounding>& noted,
                          ProgramOutput& programOutput) {
    roundings = &noted;
    output = &programOutput;
    out.resize(kPieceSize + kLongestBlock);
    WriteHeader(content.tools);
    bodyStart = used;
    std::size_t hole = 0;
    for (std::size_t contour = 0; contour <= content.contours.size(); ++contour) {
        const std::size_t holesBefore = contour < content.contours.size()
                                            ? content.contours[contour].holesBefore
                                            : content.holes.size();
        for (; hole < holesBefore && hole < content.holes.size(); ++hole) {
            WriteHole(content.holes[hole], static_cast<int>(hole));
            Flush(false);
        }
        if (contour < content.contours.size()) {
            WriteContour(content.contours[contour], static_cast<int>(contour));
            Flush(false);
        }
    }
    Put("M30\n");
    Flush(true);
}

char* ProgramWriter::Room(std::size_t count) {
    if (used + count > out.size()) {
        out.resize(2 * (used + count));
    }
    return &out[used];
}

void ProgramWriter::Put(std::string_view text) {
    std::memcpy(Room(text.size()), text.data(), text.size());
    used += text.size();
}

void ProgramWriter::Flush(bool end) {
    if (!end && used < kPieceSize) {
        return;
    }
    CheckDelimiter();
    if (format.characterSet == CDrillMachineFormat::EBCDIC) {
        for (std::size_t index = 0; index < used; ++index) {
            out[index] =
                static_cast<char>(kAsciiToEbcdic[static_cast<unsigned char>(out[index]) & 0x7F]);
        }
    }
    output->Take(out.data(), used);
    used = 0;
    bodyStart = 0;
}

void ProgramWriter::WriteHeader(const std::vector<DrillContent::Tool>& tools) {
    Put("M48\n");
    Put(format.unit == CDrillMachineFormat::MM ? "METRIC" : "INCH");
    if (!numbers.IsAuto()) {
        // LZ: leading zeros written; TZ: trailing zeros written.
        Put(format.zeroTruncation == CDrillMachineFormat::LEADING ? ",TZ" : ",LZ");
    }
    Put("\n");
    if (format.stepMode == CDrillMachineFormat::INCREMENTAL) {
        Put("ICI,ON\n");
    }
    const ToolLineWriter lines(numbers);
    int stated = CDrillWriter::PlatingUnknown;
    for (const std::size_t index : HeaderOrder(tools, numbers.IsAuto())) {
        const DrillContent::Tool& given = tools[index];
        StatePlating(given.plating, stated);
        std::string line;
        const DrillContent::Tool written = lines.Append(line, given);
        Put(line);
        const int item = static_cast<int>(index);
        Note(CWriteRounding::ToolDiameter, item, -1, given.diameter, written.diameter);
        Note(CWriteRounding::ToolWidth, item, -1, given.width, written.width);
        Note(CWriteRounding::ToolHeight, item, -1, given.height, written.height);
        givenWidths[given.tool] = RouteWidth(given);
        writtenWidths[written.tool] = RouteWidth(written);
    }
    Put("%\n");
}

void ProgramWriter::StatePlating(int plating, int& stated) {
    if (!numbers.IsAuto() || plating == stated || !KnownPlating(plating)) {
        return;
    }
    Put(plating == CDrillWriter::Plated ? ";TYPE=PLATED\n" : ";TYPE=NON_PLATED\n");
    stated = plating;
}

void ProgramWriter::WriteHole(const DrillContent::Hole& hole, int index) {
    SelectTool(hole.tool, CWriteRounding::HoleX, index, -1);
    if (!drilling) {
        Put("G05\n");
        drilling = true;
    }
    WritePoint(hole.x, hole.y, CWriteRounding::HoleX, CWriteRounding::HoleY, index, -1);
}

void ProgramWriter::WriteContour(const DrillContent::Contour& contour, int index) {
    const std::vector<CVbVertex>& vertices = contour.vertices;
    const std::size_t count = vertices.size();
    bool wellFormed = count >= 2 && vertices.front().r == 0 && vertices.back().r == 0;
    for (std::size_t vertex = 0; wellFormed && vertex < count; ++vertex) {
        const CVbVertex& v = vertices[vertex];
        wellFormed = v.x != CVbVrtxGeom::kBreakMarker && v.y != CVbVrtxGeom::kBreakMarker &&
                     (v.r == 0 || vertices[vertex + 1].r == 0);
    }
    if (!wellFormed) {
        throw WriteError(Describe(CWriteRounding::VertexX, index, -1) +
                         ": a contour is at least two points, with each arc centre " +
                         "between two of them and no breaks");
    }
    SelectTool(contour.tool, CWriteRounding::VertexX, index, -1);
    CheckWidth(contour, index);
    SetMotion("G00");
    drilling = false;
    readBack.clear();
    WritePoint(vertices[0].x, vertices[0].y, CWriteRounding::VertexX, CWriteRounding::VertexY,
               index, 0);
    Put("M15\n");
    for (std::size_t vertex = 1; vertex < count; ++vertex) {
        if (vertices[vertex].r != 0) {
            WriteArc(contour, index, vertex++);
            continue;
        }
        SetMotion("G01");
        WritePoint(vertices[vertex].x, vertices[vertex].y, CWriteRounding::VertexX,
                   CWriteRounding::VertexY, index, static_cast<int>(vertex));
    }
    Put("M16\n");
    CheckReadBack(index);
}

void ProgramWriter::WriteArc(const DrillContent::Contour& contour, int index, std::size_t centre) {
    if (format.arcStyle == CDrillMachineFormat::NONE) {
        throw WriteError("contour " + std::to_string(index) +
                         ": the machine format writes no arcs (.ArcStyle NONE)");
    }
    const CVbVertex& given = contour.vertices[centre];
    const CVbVertex& end = contour.vertices[centre + 1];
    const int vertex = static_cast<int>(centre);
    const AxisWriter::Candidate endX =
        Nearest(x, end.x, CWriteRounding::VertexX, index, vertex + 1);
    const AxisWriter::Candidate endY =
        Nearest(y, end.y, CWriteRounding::VertexY, index, vertex + 1);
    const bool writeX = !(modal && x.Holds(end.x));
    const bool writeY = !(modal && y.Holds(end.y));
    const ArcCentre::Point readEnd{writeX ? endX.nanometres : x.Position().nanometres,
                                   writeY ? endY.nanometres : y.Position().nanometres};
    const ArcWriter::Choice choice =
        arcs.Choose(x.Position(), y.Position(), readEnd, {given.x, given.y, given.r});
    if (!choice.fits) {
        throw WriteError(Describe(CWriteRounding::VertexRadius, index, vertex) +
                         ": the arc of radius " + std::to_string(given.r) +
                         " nm does not fit the format's digits in " + UnitName(format));
    }
    SetMotion(given.r > 0 ? "G02" : "G03");
    char* const line = Room(4 * CoordinateText::Text::kCapacity + 1);
    char* cursor = line;
    if (writeX) {
        x.Write(cursor, endX);
    }
    if (writeY) {
        y.Write(cursor, endY);
    }
    if (choice.byRadius) {
        a.Write(cursor, choice.a);
    } else {
        i.Write(cursor, choice.i);
        j.Write(cursor, choice.j);
    }
    *cursor++ = '\n';
    used += static_cast<std::size_t>(cursor - line);
    readBack.insert(readBack.end(),
                    {choice.centre.x, choice.centre.y, choice.centre.r, readEnd.x, readEnd.y, 0});
    Note(CWriteRounding::VertexX, index, vertex, given.x, choice.centre.x);
    Note(CWriteRounding::VertexY, index, vertex, given.y, choice.centre.y);
    Note(CWriteRounding::VertexRadius, index, vertex, given.r, choice.centre.r);
    Note(CWriteRounding::VertexX, index, vertex + 1, end.x, readEnd.x);
    Note(CWriteRounding::VertexY, index, vertex + 1, end.y, readEnd.y);
}

void ProgramWriter::CheckReadBack(int index) {
    // Rounded to the format's step, points may meet, and the reading then drops or normalises
    // the contour as it does any other.
    const std::vector<int>& words = readBack;
    CVbPolyarcPath path(0, words.data(), static_cast<int>(words.size()), 0, 0, 0, 0);
    const bool valid = path.Validate() != 0;
    const std::vector<CVbVertex> validated = GetContourVertices(path);
    bool same = valid && validated.size() * 3 == words.size();
    for (std::size_t vertex = 0; same && vertex < validated.size(); ++vertex) {
        same = validated[vertex].x == words[3 * vertex] &&
               validated[vertex].y == words[3 * vertex + 1] &&
               validated[vertex].r == words[3 * vertex + 2];
    }
    if (!same) {
        throw WriteError(Describe(CWriteRounding::VertexX, index, -1) +
                         ": rounded to the format's step, it reads back as another contour");
    }
}

void ProgramWriter::SelectTool(int tool, int value, int item, int vertex) {
    if (tool == selectedTool) {
        return;
    }
    if (tool < 0) {
        throw WriteError(
            Describe(value, item, vertex) + ": tool " + std::to_string(tool) +
            (tool == kNoTool ? " (none) cannot follow a selected tool" : " is no tool number"));
    }
    if (numbers.IsAuto() && tool > 99 && writtenWidths.count(tool) == 0) {
        throw WriteError(Describe(value, item, vertex) + ": the AUTO reading takes T" +
                         std::to_string(tool) +
                         " for a tool with an offset unless the tool is defined");
    }
    Put(tool < 10 ? "T0" + std::to_string(tool) + "\n" : "T" + std::to_string(tool) + "\n");
    selectedTool = tool;
}

void ProgramWriter::SetMotion(const char* code) {
    if (std::strcmp(motion, code) == 0) {
        return;
    }
    Put(code);
    motion = code;
}

void ProgramWriter::WritePoint(int pointX, int pointY, int valueX, int valueY, int item,
                               int vertex) {
    const bool writeX = !(modal && x.Holds(pointX));
    const bool writeY = !(modal && y.Holds(pointY));
    char* const line = Room(2 * CoordinateText::Text::kCapacity + 1);
    char* cursor = line;
    // A block needs a word to end it.
    if (writeX || !writeY) {
        x.Write(cursor, Nearest(x, pointX, valueX, item, vertex));
    }
    if (writeY) {
        y.Write(cursor, Nearest(y, pointY, valueY, item, vertex));
    }
    *cursor++ = '\n';
    used += static_cast<std::size_t>(cursor - line);
    if (vertex >= 0) {
        readBack.insert(readBack.end(), {x.Position().nanometres, y.Position().nanometres, 0});
    }
    Note(valueX, item, vertex, pointX, x.Position().nanometres);
    Note(valueY, item, vertex, pointY, y.Position().nanometres);
}

AxisWriter::Candidate ProgramWriter::Nearest(const AxisWriter& axis, int nanometres, int value,
                                             int item, int vertex) const {
    AxisWriter::Candidate candidate = axis.Nearest(nanometres);
    if (!candidate.fits) {
        RefuseDigits(nanometres, value, item, vertex);
    }
    return candidate;
}

void ProgramWriter::RefuseDigits(int nanometres, int value, int item, int vertex) const {
    const bool isX = value == CWriteRounding::HoleX || value == CWriteRounding::VertexX;
    throw WriteError(Describe(value, item, vertex) + (isX ? ": x " : ": y ") +
                     std::to_string(nanometres) + " nm needs more digits than the format " +
                     std::to_string(format.integerDigits) + "," +
                     std::to_string(format.decimalDigits) + " in " + UnitName(format) + " has");
}

void ProgramWriter::CheckWidth(const DrillContent::Contour& contour, int index) {
    const auto written = writtenWidths.find(contour.tool);
    const int writtenWidth = written != writtenWidths.end() ? written->second : 0;
    const auto given = givenWidths.find(contour.tool);
    const int givenWidth = given != givenWidths.end() ? given->second : 0;
    if (contour.width != givenWidth) {
        throw WriteError("contour " + std::to_string(index) + ": its width " +
                         std::to_string(contour.width) + " nm is not the route width " +
                         std::to_string(givenWidth) + " nm of its tool " +
                         std::to_string(contour.tool));
    }
    Note(CWriteRounding::ContourWidth, index, -1, contour.width, writtenWidth);
}

std::string ProgramWriter::Describe(int value, int item, int vertex) {
    const bool hole = value == CWriteRounding::HoleX || value == CWriteRounding::HoleY;
    std::string text = (hole ? "hole " : "contour ") + std::to_string(item);
    if (vertex >= 0) {
        text += " vertex " + std::to_string(vertex);
    }
    return text;
}

void ProgramWriter::Note(int value, int item, int vertex, int given, int written) {
    if (given != written) {
        roundings->push_back({value, item, vertex, given, written});
    }
}

void ProgramWriter::CheckDelimiter() const {
    const int delimiter = format.DelimiterCharacter();
    if (delimiter == '\n' || delimiter == ' ' ||
        std::memchr(out.data() + bodyStart, delimiter, used - bodyStart) == nullptr) {
        return;
    }
    throw WriteError(std::string("the delimiter '") + static_cast<char>(delimiter) +
                     "' of the machine format is a character the program needs");
}
