#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "WriterCapture.h"
#include "perforex/perforex.h"

namespace {

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Machine formats to write in, between them every unit, zero suppression, step mode, arc style,
// character set and dialect, and a delimiter.
const std::vector<std::string> kTargets = {
    FileText(PERFOREX_EXAMPLES "/default.fmt"),
    FileText(PERFOREX_EXAMPLES "/metric.fmt"),
    FileText(PERFOREX_EXAMPLES "/auto.fmt"),
    ".Unit IN\n.DataFormat 2,4\n.ZeroTruncation NONE\n.StepMode INCREMENTAL\n"
    ".CharacterSet EBCDIC\n.ArcStyle QUADRANT\n.DataMode NON_MODAL\n",
    ".DataType AUTO\n.Unit MM\n.StepMode INCREMENTAL\n.Delimiter \"/\"\n.ArcStyle QUADRANT\n",
    ".Unit MM\n.DataFormat 4,6\n.ZeroTruncation LEADING\n.StepMode INCREMENTAL\n",
};

// The readings of every example program: with the format the library detects, and with each
// bundled strict format that reads it cleanly.
std::vector<std::pair<std::string, std::string>> Readings() {
    std::vector<std::pair<std::string, std::string>> readings;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(PERFOREX_EXAMPLES)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".drl" && extension != ".drd") {
            continue;
        }
        const std::string path = entry.path().string();
        CFormatDetector detector;
        detector.DetectFile(path);
        readings.emplace_back(path, detector.GetMachineFormatText().Str());
        for (const std::string& format : {kTargets[0], kTargets[1]}) {
            WriterCapture clean;
            clean.SetDrillMachineFormatText(format);
            if (clean.Read(NullSink(), path) == 1) {
                readings.emplace_back(path, format);
            }
        }
    }
    return readings;
}

TEST(DrillWriterRoundTripTest, EveryExampleReadsBackAsReadOrAsReportedRounded) {
    int exact = 0;
    int rounded = 0;
    int refused = 0;
    for (const auto& [path, source] : Readings()) {
        for (const std::string& target : kTargets) {
            CDrillWriter writer;
            ASSERT_EQ(writer.SetDrillMachineFormatText(target), 1);
            WriterCapture read(&writer);
            read.SetDrillMachineFormatText(source);
            read.Read(NullSink(), path);
            CString program;
            if (writer.WriteProgram(program) == 0) {
                EXPECT_NE(writer.GetError().Str().find("needs more digits"), std::string::npos)
                    << path << ": " << writer.GetError().Str();
                ++refused;
                continue;
            }
            (writer.GetRoundingCount() == 0 ? exact : rounded) += 1;
            // In its own format a program moves by no more than the nanometre that the reading's
            // sums of repeated holes may lose.
            for (int index = 0; target == source && index < writer.GetRoundingCount(); ++index) {
                const CWriteRounding moved = writer.GetRounding(index);
                EXPECT_LE(std::abs(moved.written - moved.given), 1) << path;
            }
            read.Apply(writer);
            EXPECT_EQ(ReadBack(target, program.Str()).Transcript(), read.Transcript())
                << path << " read with\n"
                << source << "written with\n"
                << target;
        }
    }
    std::printf("round trips: %d exact, %d rounded as reported, %d refused\n", exact, rounded,
                refused);
    EXPECT_GT(exact, 2 * (rounded + refused));
}

}  // namespace
