#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "MessageCapture.h"
#include "RecordingHost.h"
#include "TempFile.h"
#include "TempFolder.h"
#include "detection/BuiltInFormat.h"
#include "machineformat/DrillMachineFormat.h"
#include "perforex/FormatDetector.h"

namespace {

const std::string kExamples = PERFOREX_EXAMPLES;

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Reads the drill file with the machine format the detector decided and returns its holes.
std::string HitsReadWith(const CFormatDetector& detector, const std::string& drillFile) {
    RecordingHost host;
    MessageCapture capture;
    host.SetDrillMachineFormatText(detector.GetMachineFormatText());
    EXPECT_EQ(host.Read(capture.Stream(), drillFile), 1) << capture.Text();
    std::istringstream lines(host.transcript);
    std::string hits;
    for (std::string line; std::getline(lines, line);) {
        if (line.compare(0, 4, "hit ") == 0) {
            hits += line.substr(4) + "\n";
        }
    }
    return hits;
}

// The holes of examples/eagle/board.drd, a multiple of 0.125 in each, so that every product with
// 25400000 nm is exact: read in 2,5 (X50000 is 0.5 in), and ten times as far out in 2,4.
const char kHitsIn25[] =
    "12700000 12700000 1\n15875000 12700000 1\n19050000 12700000 1\n12700000 38100000 1\n"
    "31750000 25400000 2\n34925000 25400000 2\n"
    "6350000 6350000 3\n69850000 6350000 3\n69850000 44450000 3\n6350000 44450000 3\n";
const char kHitsIn24[] =
    "127000000 127000000 1\n158750000 127000000 1\n190500000 127000000 1\n127000000 381000000 1\n"
    "317500000 254000000 2\n349250000 254000000 2\n"
    "63500000 63500000 3\n698500000 63500000 3\n698500000 444500000 3\n63500000 444500000 3\n";

// Returns the decisions of the latest detection, a line each, as item|value|reason|line|text.
std::string Decisions(const CFormatDetector& detector) {
    std::string lines;
    for (const CFormatEvidence& decision : detector.GetEvidence()) {
        lines += decision.item.Str() + "|" + decision.value.Str() + "|" + decision.reason.Str() +
                 "|" + std::to_string(decision.line) + "|" + decision.text.Str() + "\n";
    }
    return lines;
}

TEST(FormatDetector, TheDrillStationInfoFileBesideAnEagleProgramGivesItsDigits) {
    const std::string folder = kExamples + "/eagle";
    const std::string program = FileText(folder + "/board.drd");
    const TempFile alone(program, ".drd");
    // Names beyond ASCII, in the temporary folder, which on Windows is a path of backslashes
    // after a drive.
    const TempFolder copies;
    const std::string copy = "Bohrung-ÄÖÜ-€";
    // The drill file; its name and side file folder for a detection in memory; the info file
    // beside it, if any.
    const std::string places[][4] = {
        {folder + "/board.drd", "board.drd", folder, folder + "/board.dri"},
        {copies.Add(copy + ".drd", program), copy + ".drd", copies.Path(),
         copies.Add(copy + ".dri", FileText(folder + "/board.dri"))},
        {alone.Path(), "board.drd", "", ""},
    };
    for (const auto& [drillFile, name, sideFileFolder, infoFile] : places) {
        // Beside the info file, every decision; without it, the last.
        const std::string expected =
            infoFile.empty()
                ? "digits: 2,4, the usual for inch: the places of the holes allow them\n"
                : "fallback format from " + infoFile + ": IN 2,5 LEADING ABSOLUTE\n" +
                      "unit: inch, from M72 on line 2\nzero suppression: LEADING: no "
                      "number begins with 0 and their lengths vary from 5 to 6 digits\n";
        CFormatDetector fromFile, fromMemory;
        ASSERT_EQ(fromFile.DetectFile(drillFile), 1);
        ASSERT_EQ(fromMemory.DetectMemory(program.data(), program.size(), name, sideFileFolder), 1);
        for (const CFormatDetector* detector : {&fromFile, &fromMemory}) {
            std::string texts;
            for (const CFormatEvidence& decision : detector->GetEvidence()) {
                texts = (infoFile.empty() ? "" : texts) + decision.text.Str() + "\n";
            }
            EXPECT_EQ(texts, expected);
            EXPECT_EQ(HitsReadWith(*detector, drillFile), infoFile.empty() ? kHitsIn24 : kHitsIn25);
        }
    }
}

TEST(FormatDetector, EachDecisionIsAnItemWithItsValueReasonAndLine) {
    // A sign is no digit, and a lone 0 has no length to compare.
    const std::string program = "M72\nT01C0.035\nX+0125000Y0100000\nX0150000Y0\nM30\n";
    CFormatDetector detector;
    ASSERT_EQ(detector.DetectMemory(program.data(), program.size()), 1);
    EXPECT_EQ(Decisions(detector),
              "unit|inch|from M72 on line 1|1|unit: inch, from M72 on line 1\n"
              "zero suppression|NONE|X+0125000 on line 3 begins with 0 and every number has 7 "
              "digits|3|zero suppression: NONE: X+0125000 on line 3 begins with 0 and every number "
              "has 7 digits\n"
              "digits|3,4|the usual for inch, in 7 digits like the longest number: the places of "
              "the holes allow them|0|digits: 3,4, the usual for inch, in 7 digits like the "
              "longest number: the places of the holes allow them\n");
    EXPECT_EQ(detector.GetMachineFormatText().Str(),
              std::string(BuiltInFormat::Text()) +
                  "! Detected for the drill program, for what it does not state itself.\n"
                  ".DataType AUTO\n.Unit IN\n.DataFormat 3,4\n.ZeroTruncation NONE\n"
                  ".StepMode ABSOLUTE\n");

    const std::string sideFile = kExamples + "/allegro/nc_param.txt";
    ASSERT_EQ(detector.DetectFile(kExamples + "/allegro/drill.drl"), 1);
    EXPECT_EQ(Decisions(detector), "fallback|MM 3,3 NONE ABSOLUTE|from " + sideFile +
                                       "|0|fallback format from " + sideFile +
                                       ": MM 3,3 NONE ABSOLUTE\n");
}

struct BadInput {
    const char* name;
    std::string bytes;
    std::string failure;
};

TEST(FormatDetector, InputThatIsNoDrillProgramFailsWithItsReasonAndKeepsTheFallback) {
    const BadInput cases[] = {
        {"empty", "", "the program is empty"},
        {"nul", std::string("M48\nT01C0.035\n%\nT01\nX1000\0Y1000\n", 32),
         "binary data, no drill program: a NUL byte on line 5"},
        {"controls", "\x01\x02M48\x03\x04\n",
         "binary data, no drill program: 4 of its 8 bytes "
         "are control characters"},
        {"deletes", "X\x7f\x7f\x7f\x7f\x7f\x7f\n",
         "binary data, no drill program: 6 of its 8 bytes are control characters"},
        {"jpeg", "\xff\xd8\xff\xe0", "binary data, no drill program: a byte 0xFF on line 1"},
        {"gerber",
         "G04 top copper*\n%FSLAX26Y26*%\n%MOMM*%\nD10*\nX0Y0D02*\nX1000000Y0D01*\nM02*\n",
         "a Gerber file, no drill program: %FS on line 2"},
    };
    for (const BadInput& input : cases) {
        CFormatDetector detector;
        EXPECT_EQ(detector.DetectMemory(input.bytes.data(), input.bytes.size(), input.name), 0);
        EXPECT_EQ(detector.GetFailure().Str(), input.failure);
        EXPECT_EQ(detector.GetMachineFormatText().Str().rfind(BuiltInFormat::Text(), 0), 0u);
        EXPECT_FALSE(detector.GetEvidence().empty());
    }
    const std::string paths[][2] = {
        {kExamples, "cannot read " + kExamples + ": Is a directory"},
        {"/nonexistent/none.drl", "cannot read /nonexistent/none.drl: No such file or directory"},
        // On Windows bytes that are no UTF-8 name no file either.
        {"bad-\xff.drl", "cannot read bad-\xff.drl: No such file or directory"},
    };
    for (const auto& [path, failure] : paths) {
        CFormatDetector detector;
        EXPECT_EQ(detector.DetectFile(path), 0);
        EXPECT_EQ(detector.GetFailure().Str(), failure);
        EXPECT_EQ(detector.GetMachineFormatText().Str(),
                  BuiltInFormat::TextFor(BuiltInFormat::Fallback()));
    }
    // A good program after a bad one is judged on its own; one control character in ten bytes
    // is no binary data yet.
    CFormatDetector detector;
    detector.DetectMemory("", 0);
    EXPECT_EQ(detector.DetectMemory("\x01M48\nX1Y1\n", 10), 1);
    EXPECT_EQ(detector.GetFailure().Str(), "");
}

// A strict format that agrees with the header, or that states no more than the unit or does not
// load, draws no warning; the tool's tests show each warning of one that disagrees.
TEST(FormatDetector, AStrictFormatThatAgreesWithTheHeaderDrawsNoWarning) {
    const std::string program = "M48\nMETRIC,LZ,000.000\nT01C0.8\n%\nT01\nX1000Y1000\nM30\n";
    CFormatDetector detector;
    detector.DetectMemory(program.data(), program.size());
    for (const char* agreeing : {".Unit MM\n.DataFormat 3,3\n.ZeroTruncation TRAILING\n",
                                 ".DataType AUTO\n.Unit IN\n", ".Unit INCHES\n"}) {
        EXPECT_TRUE(
            detector.CheckMachineFormat(std::string(".FILETYPE DRILL_MACHINE_FILE\n") + agreeing)
                .empty())
            << agreeing;
    }
}

TEST(FormatDetector, TheBuiltInFormatIsTheBundledAutoFormatWithItsFallback) {
    EXPECT_EQ(BuiltInFormat::Text(), FileText(kExamples + "/auto.fmt"));
    MessageCapture capture;
    CDrillMachineFormat settings;
    ASSERT_EQ(settings.LoadText(capture.Stream(), BuiltInFormat::Text()), 0) << capture.Text();
    const DrillFormat fallback = BuiltInFormat::Fallback();
    EXPECT_EQ(settings.dataType, CDrillMachineFormat::AUTO);
    EXPECT_EQ((std::vector<int>{settings.unit, settings.integerDigits, settings.decimalDigits,
                                settings.zeroTruncation, settings.stepMode}),
              (std::vector<int>{fallback.unit, fallback.integerDigits, fallback.decimalDigits,
                                fallback.zeroTruncation, fallback.stepMode}));
}

}  // namespace
