#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "machineformat/DrillMachineFormat.h"
#include "perforex/DrillWriter.h"
#include "writer/ArcWriter.h"
#include "writer/AxisWriter.h"
#include "writer/CoordinateText.h"
#include "writer/DrillContent.h"
#include "writer/ProgramOutput.h"

// Writes one program of a machine format: the M48 header with the unit and the tool table, then
// the holes and routed contours in their order, and M30. Works out for every value what the
// format's reading will take it for, and notes each one that moves.
class ProgramWriter {
  public:
    // Throws WriteError for a machine format that the writer cannot write.
    explicit ProgramWriter(const CDrillMachineFormat& format);
    ProgramWriter(const ProgramWriter&) = delete;
    ProgramWriter& operator=(const ProgramWriter&) = delete;

    // Hands the bytes of the program for content to output, a piece at a time, and appends every
    // value that moves to roundings. Throws WriteError for content that no program of the format
    // reads back as, after which output may have taken the beginning of the program.
    void Write(const DrillContent& content, std::vector<CWriteRounding>& roundings,
               ProgramOutput& output);

  private:
    // A tool selection that no T selects: that of a program before its first T.
    static constexpr int kNoTool = -1;

    void WriteHeader(const std::vector<DrillContent::Tool>& tools);
    // In AUTO, writes the comment line that states plating unless stated already says it.
    void StatePlating(int plating, int& stated);
    void WriteHole(const DrillContent::Hole& hole, int index);
    void WriteContour(const DrillContent::Contour& contour, int index);
    void WriteArc(const DrillContent::Contour& contour, int index, std::size_t centre);
    // Selects tool for the hole or contour that value, item and vertex name (as in Describe).
    // Throws WriteError when the contour just written, as the reading takes its points, would be
    // dropped or changed by the reading's normalisation.
    void CheckReadBack(int index);
    void SelectTool(int tool, int value, int item, int vertex);
    void SetMotion(const char* code);
    // Writes the X and Y words of a point, leaving out in a modal format what the reading holds
    // already, and notes what moved under the given value codes.
    void WritePoint(int x, int y, int valueX, int valueY, int item, int vertex);
    // Returns the nearest way of writing nanometres on axis; throws WriteError, naming the value
    // as Describe does, when the format cannot write it.
    AxisWriter::Candidate Nearest(const AxisWriter& axis, int nanometres, int value, int item,
                                  int vertex) const;
    // Throws the WriteError of a value that needs more digits than the format has.
    [[noreturn]] void RefuseDigits(int nanometres, int value, int item, int vertex) const;
    // Names a hole, a contour or a contour's vertex for an error, by a value code of
    // CWriteRounding, the item's index and the vertex (-1 for none).
    static std::string Describe(int value, int item, int vertex);
    void CheckWidth(const DrillContent::Contour& contour, int index);
    void Note(int value, int item, int vertex, int given, int written);
    // Returns where count bytes may be written after those written so far.
    char* Room(std::size_t count);
    void Put(std::string_view text);
    // Hands the bytes written so far to the output once they fill a piece, or at the end.
    void Flush(bool end);
    void CheckDelimiter() const;

    CDrillMachineFormat format;
    CoordinateText numbers;
    AxisWriter x;
    AxisWriter y;
    AxisWriter a;
    AxisWriter i;
    AxisWriter j;
    ArcWriter arcs;
    bool modal;
    // The bytes not yet handed to the output, the first used of them, and where the program's
    // body starts among them.
    std::string out;
    std::size_t used = 0;
    std::size_t bodyStart = 0;
    ProgramOutput* output = nullptr;
    std::vector<CWriteRounding>* roundings = nullptr;
    // The route widths of the tools, as given and as the program reads back.
    std::map<int, int> givenWidths;
    std::map<int, int> writtenWidths;
    // The vertex words of the contour being written, as the reading takes them.
    std::vector<int> readBack;
    int selectedTool = kNoTool;
    bool drilling = false;
    const char* motion = "";
};
