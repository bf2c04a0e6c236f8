#pragma once

#include <string>

#include "writer/CoordinateText.h"
#include "writer/DrillContent.h"

// Writes the tool definitions of the header, "T01C0.035" for a round tool and "T03 Slot
// 0.1x0.05 R90" for the others, with sizes that the format's reading takes back as given
// wherever it can.
class ToolLineWriter {
  public:
    explicit ToolLineWriter(const CoordinateText& numbers) : numbers(numbers) {}

    // Appends the line that defines tool and returns the tool as the reading delivers it. Throws
    // WriteError for a tool that no line defines.
    DrillContent::Tool Append(std::string& out, const DrillContent::Tool& tool) const;

  private:
    // Appends the line that defines tool, T, definition and line feed, as Append.
    DrillContent::Tool AppendDefinition(std::string& out, const DrillContent::Tool& tool) const;
    // Returns the text of a size of nanometres whose reading comes nearest to them, and writes
    // what it reads back as to readBack. A round tool's diameter passes through single precision
    // in the strict reading.
    std::string SizeText(int nanometres, bool diameter, int& readBack) const;
    // Returns the nanometres the reading takes a size text for.
    int ReadSize(const std::string& text, bool diameter) const;

    const CoordinateText& numbers;
};
