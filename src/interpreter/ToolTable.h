#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "interpreter/LengthConverter.h"
#include "messages/MessageOutput.h"
#include "scanner/ExactLength.h"
#include "scanner/PlatingStatements.h"

class CPerforexReader;

// The plating code of each tool number defined, as its latest definition had it.
using ToolPlatings = std::map<int, int>;

// The tools of one drill program: turns the collected tool definition lines into AddTool calls
// and keeps each defined tool's route width.
class ToolTable {
  public:
    // Starts an empty table that reports tools to owner and messages to messages, takes sizes in
    // the unit of lengths and sets the plating of each tool in platings before it reports it.
    ToolTable(CPerforexReader& owner, MessageOutput messages, const LengthConverter& lengths,
              ToolPlatings& platings);
    // Takes the sizes of the definitions that follow exactly from their decimal digits, in unit,
    // rounded to the nearest nanometre, as the AUTO reading does.
    void SetExactUnit(ExactLength::Unit unit) {
        exact = true;
        exactUnit = unit;
    }

    // Defines a tool for every usable line, in order, plated as statements noted for the line;
    // lineNumber goes into range messages. Returns the number of errors reported.
    int BuildToolTable(const std::vector<std::string>& toolLines,
                       const PlatingStatements& statements, int lineNumber);
    // Defines the tool of one line with the given plating; returns the number of errors reported
    // for it.
    int DefineTool(std::string_view line, int lineNumber, int plating);
    // Defines a round tool of the given diameter and plating; returns the number of errors
    // reported.
    int DefineRoundTool(int tool, ExactLength diameter, int lineNumber, int plating);
    // Tells whether a definition of tool was taken into the table, whatever its width.
    bool IsToolDefined(int tool) const;
    // Returns the route width of tool, or 0 when the table does not hold it.
    int WidthOf(int tool) const;
    // Returns the sizes of tool in millimetres ("0.9906", "2.54 x 1.27"), or "" when the table
    // does not hold it.
    std::string SizeText(int tool) const;
    // Returns the width a router cuts with a tool of this shape, sizes and whole-degree angle.
    static int RouteWidth(int holeType, int diameter, int width, int height, int angle);

  private:
    // Defines a round tool from its diameter; returns the number of errors reported.
    int DefineRoundTool(int tool, std::string_view parameters, int lineNumber);
    // Defines a square, slot or rectangle tool from its sizes and rotation; returns the number
    // of errors reported.
    int DefineSizedTool(int tool, int holeType, std::string_view parameters, int lineNumber);
    // Defines a round tool of the given diameter in nanometres, truncated toward zero; returns
    // the number of errors reported.
    int DefineRoundToolTruncated(int tool, double diameter, int lineNumber);
    // Defines the tool of one line with the plating of the definition being made.
    int DefineToolLine(std::string_view line, int lineNumber);
    // Reports a round tool of the given diameter in nanometres and takes it into the table.
    void AddRoundTool(int tool, int diameter);
    // Reports a tool to the owner, its plating set first so that the owner can ask for it.
    void DeliverTool(int tool, int holeType, int diameter, int width, int height, double angle);
    // Converts the size at the start of parameters to nanometres and drops it from them; returns
    // false when it does not fit in 32 bits.
    bool TakeSize(std::string_view& parameters, int& nanometres) const;
    // Writes the range message and returns its one error.
    int ReportOutOfRange(int lineNumber);

    CPerforexReader& owner;
    MessageOutput messages;
    LengthConverter lengths;
    // Set for sizes taken exactly in exactUnit.
    bool exact = false;
    ExactLength::Unit exactUnit = ExactLength::kInch;
    std::map<int, int> toolWidths;
    std::map<int, std::string> toolSizes;
    ToolPlatings& platings;
    // The plating of the definition being made.
    int definitionPlating = PlatingStatements::kUnknown;
};
