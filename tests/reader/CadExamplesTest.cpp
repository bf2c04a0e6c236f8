#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "MessageCapture.h"
#include "RecordingHost.h"

namespace {

// What a read of one example program written in the style of a CAD tool delivers.
struct CadExample {
    const char* file;
    std::size_t tools;
    std::size_t holes;
    std::size_t contours;
    RecordingHost::Hit firstHole;
};

void PrintTo(const CadExample& c, std::ostream* os) {
    *os << c.file;
}

// Worked out from the programs by hand: the first hole in nanometres (inch 25400000, mm 1000000
// per unit, truncated), its tool, and the counts of tools, holes and slots or contours.
const CadExample kExamples[] = {
    {"allegro.drl", 3, 6, 0, {41910000, 58419999, 1}},
    {"altium.drl", 4, 6, 1, {59690000, 25400000, 1}},
    {"diptrace.drl", 2, 5, 0, {30480000, 21590000, 1}},
    {"eagle.drl", 3, 9, 0, {13335000, 8255000, 1}},
    {"easyeda.drl", 2, 4, 0, {33655000, -30861000, 1}},
    {"fritzing.drl", 3, 5, 0, {3175000, 3175000, 1}},
    {"geda.drl", 2, 3, 0, {31750000, 15875000, 99}},
    {"kicad.drl", 4, 7, 1, {112500000, -84250000, 1}},
    {"orcad.drl", 2, 6, 0, {25400000, 12700000, 1}},
    {"pads.drl", 3, 6, 0, {31750000, 12700000, 1}},
    {"target3001.drl", 3, 3, 1, {12700000, 7620000, 1}},
    {"upverter.drl", 2, 3, 0, {25400000, 50800000, 1}},
    {"zuken.drl", 2, 4, 0, {12700000, 5080000, 1}},
};

class CadExamples : public ::testing::TestWithParam<CadExample> {};

TEST_P(CadExamples, ReadCleanlyInTheAutoDialect) {
    const CadExample& c = GetParam();
    RecordingHost host;
    MessageCapture capture;
    host.SetDrillMachineFormatFile(PERFOREX_SOURCE_DIR "/examples/auto.fmt");
    const int result =
        host.Read(capture.Stream(), std::string(PERFOREX_SOURCE_DIR "/examples/cad/") + c.file);
    EXPECT_EQ(capture.Text(), "");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(host.tools.size(), c.tools);
    EXPECT_EQ(host.hits.size(), c.holes);
    EXPECT_EQ(host.contours.size(), c.contours);
    ASSERT_FALSE(host.hits.empty());
    EXPECT_EQ(host.hits.front(), c.firstHole);
}

INSTANTIATE_TEST_SUITE_P(Programs, CadExamples, ::testing::ValuesIn(kExamples),
                         [](const auto& info) {
                             const std::string file = info.param.file;
                             return file.substr(0, file.find('.'));
                         });

}  // namespace
