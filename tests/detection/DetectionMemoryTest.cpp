#include <gtest/gtest.h>

#include <string>

#include "CountingAllocator.h"
#include "perforex/FormatDetector.h"

namespace {

// 600,000 holes of 20 tools (defined in the body), each a grid of 500 by 60 at 0.02 in (200 units
// of 2,4) under a header that states only INCH: kept whole, their places would take 19.2 MB.
TEST(DetectionMemory, StaysWithin16MegabytesWhateverTheProgramsSize) {
    std::string program = "M48\nINCH\n%\n";
    for (int tool = 1; tool <= 20; ++tool) {
        program += "T" + std::to_string(tool) + "C0.010\n";
        for (int hole = 0; hole < 30000; ++hole) {
            program += "X" + std::to_string(10000 + hole % 500 * 200) + "Y" +
                       std::to_string(10000 + hole / 500 * 200) + "\n";
        }
    }
    program += "M30\n";
    CFormatDetector detector;
    CountingAllocator::PeakSinceLastCall();
    ASSERT_EQ(detector.DetectMemory(program.data(), program.size()), 1);
    EXPECT_LE(CountingAllocator::PeakSinceLastCall(), 16LL << 20);
}

}  // namespace
