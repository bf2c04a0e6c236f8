#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

#include "MessageCapture.h"
#include "ProgramReading.h"
#include "TempFile.h"
#include "TranscriptHost.h"

#if defined(__SANITIZE_ADDRESS__)
#define PERFOREX_TRACKS_ALLOCATIONS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define PERFOREX_TRACKS_ALLOCATIONS 1
#endif
#endif

namespace {

constexpr int kReads = 500;
constexpr int kWarmUpReads = 20;
// Bound on the growth of resident memory over all the reads after the warm-up: none is seen,
// while a leak of a few kilobytes per read (a read buffer, a contour) would exceed it.
constexpr long kAllowedGrowthBytes = 2L << 20;

// Returns the resident set size of this process in bytes, or -1 when it cannot be read.
long ResidentBytes() {
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr) {
        return -1;
    }
    long pages = 0, resident = -1;
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
        resident = -1;
    }
    std::fclose(statm);
    return resident < 0 ? -1 : resident * sysconf(_SC_PAGESIZE);
}

// Checks the growth of resident memory, except under a sanitizer, whose quarantine of freed
// memory grows on purpose (leaks are LeakSanitizer's to find there).
void ExpectFlatMemory(long before, long after) {
#ifdef PERFOREX_TRACKS_ALLOCATIONS
    (void)before;
    (void)after;
#else
    ASSERT_GT(before, 0);
    EXPECT_LT(after - before, kAllowedGrowthBytes);
#endif
}

class Stability : public testing::Test {
  protected:
    void SetUp() override {
        reference = ReadProgramAt(drill.Path());
        ASSERT_EQ(reference.result, 1);
        ASSERT_EQ(reference.messages, "");
        // 80 rows of 10 holes and 4 repeats, 40 contours, 3 tools in the header.
        ASSERT_EQ(reference.hits, 80 * 14);
        ASSERT_EQ(reference.contours, 40);
        ASSERT_EQ(reference.tools, 3);
    }

    // Reads the board with host and checks that it gives exactly the reference.
    void ReadAndCompare(TranscriptHost& host, int read) {
        host.Clear();
        ASSERT_EQ(host.Read(messages.Stream(), drill.Path()), 1) << read;
        ASSERT_EQ(host.transcript, reference.transcript) << read;
    }

    const TempFile drill{GenerateBoard(80, 40, 5), ".drl"};
    const TempFile format{kInchFormat24, ".fmt"};
    ProgramReading reference;
    MessageCapture messages;
};

TEST_F(Stability, OneReaderReadsTheSameBoardAgainAndAgain) {
    TranscriptHost host;
    host.SetDrillMachineFormatFile(format.Path());
    long before = 0;
    for (int read = 0; read < kReads; ++read) {
        if (read == kWarmUpReads) {
            before = ResidentBytes();
        }
        ReadAndCompare(host, read);
    }
    ExpectFlatMemory(before, ResidentBytes());
    EXPECT_EQ(messages.Text(), "");
}

TEST_F(Stability, ManyReadersReadTheSameBoardOneAfterTheOther) {
    long before = 0;
    for (int read = 0; read < kReads; ++read) {
        if (read == kWarmUpReads) {
            before = ResidentBytes();
        }
        auto host = std::make_unique<TranscriptHost>();
        host->SetDrillMachineFormatFile(format.Path());
        ReadAndCompare(*host, read);
    }
    ExpectFlatMemory(before, ResidentBytes());
    EXPECT_EQ(messages.Text(), "");
}

}  // namespace
