#include "interpreter/ToolTable.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "messages/MessageTable.h"
#include "perforex/PerforexReader.h"

namespace {

constexpr int kNoHoleType = -1;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsNumberCharacter(char c) {
    return IsDigit(c) || c == '.';
}

bool IsSpace(char c) {
    return c == ' ';
}

bool IsHoleTypeCharacter(char c) {
    return !IsDigit(c) && !IsSpace(c);
}

bool IsSizeSeparator(char c) {
    return c == ' ' || c == 'x' || c == 'X';
}

// Splits the run of characters that satisfy belongs off the front of text and returns it.
template <typename Predicate>
std::string_view TakeRun(std::string_view& text, Predicate belongs) {
    std::size_t length = 0;
    while (length < text.size() && belongs(text[length])) {
        ++length;
    }
    const std::string_view run = text.substr(0, length);
    text.remove_prefix(length);
    return run;
}

// Splits the leading number (digits and points) off text and converts it as atof does.
double TakeLeadingNumber(std::string_view& text) {
    return std::atof(std::string(TakeRun(text, IsNumberCharacter)).c_str());
}

// Converts a run of digits as atoi does; returns false when the value does not fit in 32 bits.
bool ParseToolNumber(std::string_view digits, int& tool) {
    long long value = 0;
    for (const char digit : digits) {
        value = value * 10 + (digit - '0');
        if (value > INT_MAX) {
            return false;
        }
    }
    tool = static_cast<int>(value);
    return true;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char a = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 32) : text[i];
        const char b = word[i] >= 'a' && word[i] <= 'z' ? static_cast<char>(word[i] - 32) : word[i];
        if (a != b) {
            return false;
        }
    }
    return true;
}

// Returns the hole type a definition's word names, or kNoHoleType.
int ClassifyHoleType(std::string_view word) {
    const bool roundWord =
        word.empty() || word[0] == 'C' || word[0] == 'c' ||
        (word[0] == 'R' && word.size() > 1 && (word[1] == 'O' || word[1] == 'o'));
    if (roundWord) {
        return CPerforexReader::Round;
    }
    if (EqualsIgnoringCase(word, "Square")) {
        return CPerforexReader::Square;
    }
    if (EqualsIgnoringCase(word, "Slot")) {
        return CPerforexReader::Slot;
    }
    if (EqualsIgnoringCase(word, "Rectangle")) {
        return CPerforexReader::Rectangle;
    }
    return kNoHoleType;
}

// Reads the rotation that follows the first R of rest from its digits and points alone;
// returns false when rest names no rotation.
bool FindRotation(std::string_view rest, double& angle) {
    const std::size_t letter = rest.find_first_of("Rr");
    if (letter == std::string_view::npos || letter + 1 == rest.size()) {
        return false;
    }
    std::string number;
    for (const char c : rest.substr(letter + 1)) {
        if (IsNumberCharacter(c)) {
            number += c;
        }
    }
    angle = std::atof(number.c_str());
    return true;
}

// Returns the angle's whole degrees reduced modulo 360, which keeps multiples of 90 and 180
// apart from the rest for any finite angle.
int WholeDegrees(double angle) {
    return static_cast<int>(std::fmod(std::trunc(angle), 360.0));
}

// Writes a size in nanometres as millimetres, without trailing zeros; sizes are read from digits
// and points alone, so never negative.
std::string Millimetres(int nanometres) {
    const std::string whole = std::to_string(nanometres / 1000000);
    std::string fraction = std::to_string(1000000 + nanometres % 1000000).substr(1);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return fraction.empty() ? whole : whole + "." + fraction;
}

}  // namespace

ToolTable::ToolTable(CPerforexReader& owner, MessageOutput messages, const LengthConverter& lengths,
                     ToolPlatings& platings)
    : owner(owner), messages(messages), lengths(lengths), platings(platings) {}

int ToolTable::BuildToolTable(const std::vector<std::string>& toolLines,
                              const PlatingStatements& statements, int lineNumber) {
    int errors = 0;
    for (std::size_t index = 0; index < toolLines.size(); ++index) {
        definitionPlating = statements.OfToolLine(index);
        errors += DefineToolLine(toolLines[index], lineNumber);
    }
    return errors;
}

bool ToolTable::IsToolDefined(int tool) const {
    return toolWidths.count(tool) != 0;
}

int ToolTable::WidthOf(int tool) const {
    const auto entry = toolWidths.find(tool);
    return entry != toolWidths.end() ? entry->second : 0;
}

std::string ToolTable::SizeText(int tool) const {
    const auto entry = toolSizes.find(tool);
    return entry != toolSizes.end() ? entry->second : std::string();
}

int ToolTable::RouteWidth(int holeType, int diameter, int width, int height, int angle) {
    switch (holeType) {
        case CPerforexReader::Round:
            return diameter;
        case CPerforexReader::Square:
            return width;
        case CPerforexReader::Slot:
        case CPerforexReader::Rectangle:
            if (angle % 180 == 0) {
                return width;
            }
            return angle % 90 == 0 ? height : 0;
        default:
            return 0;
    }
}

int ToolTable::DefineTool(std::string_view line, int lineNumber, int plating) {
    definitionPlating = plating;
    return DefineToolLine(line, lineNumber);
}

int ToolTable::DefineToolLine(std::string_view line, int lineNumber) {
    std::string_view rest = line;
    int tool = 0;
    if (!ParseToolNumber(TakeRun(rest, IsDigit), tool)) {
        return ReportOutOfRange(lineNumber);
    }
    const std::size_t space = rest.find(' ');
    if (space != std::string_view::npos) {
        rest.remove_prefix(space + 1);
    }
    const std::string_view word = TakeRun(rest, IsHoleTypeCharacter);
    TakeRun(rest, IsSpace);
    const int holeType = ClassifyHoleType(word);
    if (holeType == kNoHoleType) {
        messages.Write(kUnknownHoleType, MessageKind::Error, lineNumber, std::string(word).c_str());
        return 1;
    }
    if (holeType == CPerforexReader::Round) {
        return DefineRoundTool(tool, rest, lineNumber);
    }
    return DefineSizedTool(tool, holeType, rest, lineNumber);
}

int ToolTable::DefineRoundTool(int tool, std::string_view parameters, int lineNumber) {
    if (exact) {
        return DefineRoundTool(
            tool, ExactLength::FromLeadingNumber(TakeRun(parameters, IsNumberCharacter), exactUnit),
            lineNumber, definitionPlating);
    }
    const double number = TakeLeadingNumber(parameters);
    // The diameter passes through single precision, as the drilling machines' tables hold it.
    if (!(number <= FLT_MAX)) {
        return ReportOutOfRange(lineNumber);
    }
    return DefineRoundToolTruncated(tool, static_cast<float>(number) * lengths.UnitLength(),
                                    lineNumber);
}

int ToolTable::DefineRoundTool(int tool, ExactLength diameter, int lineNumber, int plating) {
    definitionPlating = plating;
    int nanometres = 0;
    if (!diameter.ToNanometres(nanometres)) {
        return ReportOutOfRange(lineNumber);
    }
    AddRoundTool(tool, nanometres);
    return 0;
}

int ToolTable::DefineRoundToolTruncated(int tool, double diameter, int lineNumber) {
    int nanometres = 0;
    if (!LengthConverter::Truncate(diameter, nanometres)) {
        return ReportOutOfRange(lineNumber);
    }
    AddRoundTool(tool, nanometres);
    return 0;
}

void ToolTable::AddRoundTool(int tool, int diameter) {
    DeliverTool(tool, CPerforexReader::Round, diameter, 0, 0, 0.0);
    toolWidths[tool] = diameter;
    toolSizes[tool] = Millimetres(diameter);
}

void ToolTable::DeliverTool(int tool, int holeType, int diameter, int width, int height,
                            double angle) {
    platings[tool] = definitionPlating;
    messages.FlushBatch();
    owner.AddTool(tool, holeType, diameter, width, height, angle, 0, 0, 0, 0, 0);
}

int ToolTable::DefineSizedTool(int tool, int holeType, std::string_view parameters,
                               int lineNumber) {
    int width = 0;
    int height = 0;
    bool fits = TakeSize(parameters, width);
    if (holeType != CPerforexReader::Square) {
        TakeRun(parameters, IsSizeSeparator);
        fits = TakeSize(parameters, height) && fits;
    }
    double angle = 0.0;
    if (!FindRotation(parameters, angle)) {
        return 0;
    }
    if (!std::isfinite(angle) || !fits) {
        return ReportOutOfRange(lineNumber);
    }
    DeliverTool(tool, holeType, 0, width, height, angle);
    toolWidths[tool] = RouteWidth(holeType, 0, width, height, WholeDegrees(angle));
    toolSizes[tool] = holeType == CPerforexReader::Square
                          ? Millimetres(width)
                          : Millimetres(width) + " x " + Millimetres(height);
    return 0;
}

bool ToolTable::TakeSize(std::string_view& parameters, int& nanometres) const {
    if (exact) {
        return ExactLength::FromLeadingNumber(TakeRun(parameters, IsNumberCharacter), exactUnit)
            .ToNanometres(nanometres);
    }
    return lengths.ToNanometres(TakeLeadingNumber(parameters), nanometres);
}

int ToolTable::ReportOutOfRange(int lineNumber) {
    messages.Write(kValueOutOfRange, MessageKind::Error, lineNumber, lineNumber);
    return 1;
}
