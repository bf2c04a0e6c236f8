#include "platform/NativeMemory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

namespace {

// The advice is a hint: an array filled before it, over an unaligned span of many pages, keeps
// every value, and so does one filled after it.
TEST(NativeMemory, AdviceOnLargePagesKeepsWhatTheMemoryHolds) {
    std::vector<std::int32_t> filled(3 << 20);
    std::iota(filled.begin(), filled.end(), 1);
    NativeMemory::PreferLargePages(filled.data() + 1, (filled.size() - 2) * sizeof filled[0]);
    EXPECT_EQ(std::accumulate(filled.begin(), filled.end(), std::int64_t{0}),
              std::int64_t{3 << 20} * ((3 << 20) + 1) / 2);

    std::vector<std::int32_t> later;
    later.reserve(3 << 20);
    NativeMemory::PreferLargePages(later.data(), later.capacity() * sizeof later[0]);
    for (std::int32_t value = 0; value < (3 << 20); ++value) {
        later.push_back(value);
    }
    EXPECT_EQ(later.front(), 0);
    EXPECT_EQ(later[12345], 12345);
    EXPECT_EQ(later.back(), (3 << 20) - 1);
}

}  // namespace
