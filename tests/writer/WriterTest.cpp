#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>

#include "TempFolder.h"
#include "WriterCapture.h"
#include "perforex/perforex.h"
#include "platform/NativeFile.h"

namespace {

const std::string kInch = ".Unit IN\n.DataFormat 3,3\n.ZeroTruncation LEADING\n";
const std::string kMetricIncremental =
    ".Unit MM\n.DataFormat 3,3\n.ZeroTruncation TRAILING\n.StepMode INCREMENTAL\n"
    ".ArcStyle QUADRANT\n";

// Two tools, three holes and a route with an arc, in thousandths of the unit (nanometres per
// thousandth: 25400 for inches, 1000 for millimetres).
void FeedBoard(CDrillWriter& writer, int thousandth) {
    writer.AddTool(1, CDrillWriter::Round, 35 * thousandth, 0, 0, 0.0);
    writer.AddTool(2, CDrillWriter::Round, 125 * thousandth, 0, 0, 0.0);
    writer.AddHit(1250 * thousandth, 500 * thousandth, 1);
    writer.AddHit(2750 * thousandth, 500 * thousandth, 1);
    writer.AddHit(2750 * thousandth, 3125 * thousandth, 2);
    const int t = thousandth;
    const int route[] = {0, 0, 0, 500 * t, 0, 500 * t, 1000 * t, 0, 0, 1000 * t, 1000 * t, 0};
    writer.AddContour(CVbPolyarcPath(35 * t, route, 12, 0, 0, 0, 0), 1);
}

struct HandCase {
    const std::string* format;
    int thousandth;
    const char* program;
};

const HandCase kHandCases[] = {
    {&kInch, 25400,
     "M48\nINCH,TZ\nT01C0.035\nT02C0.125\n%\nT01\nG05\nX1250Y500\nX2750\nT02\nY3125\nT01\n"
     "G00X0Y0\nM15\nG02X1000A500\nG01Y1000\nM16\nM30\n"},
    {&kMetricIncremental, 1000,
     "M48\nMETRIC,LZ\nICI,ON\nT01C0.035\nT02C0.125\n%\nT01\nG05\nX00125Y0005\nX0015\nT02\n"
     "Y002625\nT01\nG00X-00275Y-003125\nM15\nG02X001I0005J0\nG01Y001\nM16\nM30\n"},
};

TEST(DrillWriterTest, WritesTheHandWorkedProgramsThatReadBackAsGiven) {
    for (const HandCase& hand : kHandCases) {
        CDrillWriter writer;
        ASSERT_EQ(writer.SetDrillMachineFormatText(*hand.format), 1);
        FeedBoard(writer, hand.thousandth);
        CString program;
        ASSERT_EQ(writer.WriteProgram(program), 1) << writer.GetError().Str();
        EXPECT_EQ(program.Str(), hand.program);
        EXPECT_EQ(writer.GetRoundingCount(), 0);
        CDrillWriter again;
        again.SetDrillMachineFormatText(*hand.format);
        WriterCapture given(&again);
        given.SetDrillMachineFormatText(*hand.format);
        ASSERT_EQ(given.ReadMemory(NullSink(), hand.program, std::strlen(hand.program), "x"), 1);
        EXPECT_EQ(ReadBack(*hand.format, program.Str()).Transcript(), given.Transcript());
    }
}

struct PlatingCase {
    const char* format;
    int platings[3];
    const char* program;
    // The tools as the program reads back, as the capture lists them (sizes with %g).
    const char* tools;
};

TEST(DrillWriterTest, StatesPlatingBeforeItsToolsInAutoAndNeverInAStrictFormat) {
    // Tools of 0.035, 0.125 and 0.035 inch; a stated plating holds for the tools after it, so
    // those of unknown plating come first.
    const PlatingCase cases[] = {
        {".DataType AUTO\n.Unit IN\n",
         {CDrillWriter::Plated, CDrillWriter::NonPlated, CDrillWriter::Plated},
         "M48\nINCH\n;TYPE=PLATED\nT01C0.035\n;TYPE=NON_PLATED\nT02C0.125\n;TYPE=PLATED\n"
         "T03C0.035\n%\nM30\n",
         "tool 1 0 889000 0 0 0\ntool 2 0 3.175e+06 0 0 0\ntool 3 0 889000 0 0 0\n"},
        {".DataType AUTO\n.Unit IN\n",
         {CDrillWriter::NonPlated, CDrillWriter::PlatingUnknown, CDrillWriter::NonPlated},
         "M48\nINCH\nT02C0.125\n;TYPE=NON_PLATED\nT01C0.035\nT03C0.035\n%\nM30\n",
         "tool 2 0 3.175e+06 0 0 0\ntool 1 0 889000 0 0 0\ntool 3 0 889000 0 0 0\n"},
        {kInch.c_str(),
         {CDrillWriter::Plated, CDrillWriter::NonPlated, CDrillWriter::Plated},
         "M48\nINCH,TZ\nT01C0.035\nT02C0.125\nT03C0.035\n%\nM30\n",
         "tool 1 0 889000 0 0 0\ntool 2 0 3.175e+06 0 0 0\ntool 3 0 889000 0 0 0\n"},
    };
    for (const PlatingCase& c : cases) {
        CDrillWriter writer;
        ASSERT_EQ(writer.SetDrillMachineFormatText(c.format), 1);
        const int thousandths[] = {35, 125, 35};
        for (int tool = 1; tool <= 3; ++tool) {
            writer.AddTool(tool, CDrillWriter::Round, thousandths[tool - 1] * 25400, 0, 0, 0.0);
            writer.SetToolPlating(tool, c.platings[tool - 1]);
        }
        CString program;
        ASSERT_EQ(writer.WriteProgram(program), 1) << writer.GetError().Str();
        EXPECT_EQ(program.Str(), c.program);
        const WriterCapture back = ReadBack(c.format, program.Str());
        EXPECT_EQ(back.Transcript(), c.tools);
        // The reader takes the stated plating back; a strict program states none.
        const bool stated = std::strstr(c.format, "AUTO") != nullptr;
        for (int tool = 1; tool <= 3; ++tool) {
            EXPECT_EQ(back.GetToolPlating(tool),
                      stated ? c.platings[tool - 1] : +CPerforexReader::PlatingUnknown)
                << tool;
        }
    }
}

TEST(DrillWriterTest, ReportsEveryValueRoundedToTheStep) {
    CDrillWriter writer;
    writer.SetDrillMachineFormatText(kInch);
    writer.AddHit(1000, 12700, -1);
    CString program;
    ASSERT_EQ(writer.WriteProgram(program), 1);
    EXPECT_EQ(program.Str(), "M48\nINCH,TZ\n%\nG05\nX0Y1\nM30\n");
    ASSERT_EQ(writer.GetRoundingCount(), 2);
    const CWriteRounding x = writer.GetRounding(0);
    const CWriteRounding y = writer.GetRounding(1);
    EXPECT_EQ(std::make_tuple(x.value, x.item, x.vertex, x.given, x.written),
              std::make_tuple(+CWriteRounding::HoleX, 0, -1, 1000, 0));
    EXPECT_EQ(std::make_tuple(y.value, y.given, y.written),
              std::make_tuple(+CWriteRounding::HoleY, 12700, 25400));
}

TEST(DrillWriterTest, RefusesAValueBeyondTheIntegerDigitsAndWritesNothing) {
    TempFolder folder;
    const std::string path = folder.Path() + "board.drl";
    FILE* old = NativeFile::Open(path, "wb");
    std::fputs("old", old);
    std::fclose(old);
    CDrillWriter writer;
    writer.SetDrillMachineFormatText(".Unit MM\n.DataFormat 2,3\n");
    writer.AddHit(5000000, 100000000, 1);
    EXPECT_EQ(writer.Write(path), 0);
    EXPECT_EQ(writer.GetError().Str(),
              "hole 0: y 100000000 nm needs more digits than the format 2,3 in mm has");
    EXPECT_EQ(NativeFile::StatusOf(path).size, 3);
    EXPECT_EQ(NativeFile::StatusOf(path + ".partial").kind, NativeFile::Kind::kNone);
}

TEST(DrillWriterTest, ReadsOneProgramAndWritesItForAnotherMachineThroughAFile) {
    TempFolder folder;
    const std::string path = folder.Path() + "metric.drl";
    CDrillWriter writer;
    ASSERT_EQ(writer.SetDrillMachineFormatFile(PERFOREX_EXAMPLES "/metric.fmt"), 1);
    CWritingReader reader(writer);
    reader.SetDrillMachineFormatFile(PERFOREX_EXAMPLES "/default.fmt");
    ASSERT_EQ(reader.Read(NullSink(), PERFOREX_EXAMPLES "/board.drl"), 1);
    ASSERT_EQ(writer.Write(path), 1) << writer.GetError().Str();
    WriterCapture written;
    written.SetDrillMachineFormatFile(PERFOREX_EXAMPLES "/metric.fmt");
    EXPECT_EQ(written.Read(NullSink(), path), 1);
    EXPECT_EQ(NativeFile::StatusOf(path + ".partial").kind, NativeFile::Kind::kNone);
    EXPECT_EQ(writer.SetDrillMachineFormatText(".Unit CM\n"), 0);
    EXPECT_NE(writer.GetError().Str().find("Bad constant value <CM>"), std::string::npos);
}

}  // namespace
