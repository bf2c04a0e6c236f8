#include <gtest/gtest.h>

#include <string>
#include <utility>

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
    // Neither does one line of 20 MB, whose rest beyond the 65,536 characters kept still counts
    // for the content check: 1 + 65,536 + 20 Mi + 1 bytes.
    std::string line = "X";
    line.append(1 << 16, '1').append(20 << 20, '\x01').append("\n");
    const std::pair<const std::string*, const char*> inputs[] = {
        {&program, ""},
        {&line,
         "binary data, no drill program: 20971520 of its 21037058 bytes are control "
         "characters"}};
    for (const auto& [input, failure] : inputs) {
        CFormatDetector detector;
        CountingAllocator::PeakSinceLastCall();
        detector.DetectMemory(input->data(), input->size());
        EXPECT_LE(CountingAllocator::PeakSinceLastCall(), 16LL << 20);
        EXPECT_EQ(detector.GetFailure().Str().compare(failure), 0) << detector.GetFailure().Str();
    }
}

}  // namespace
