#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "ProgramReading.h"
#include "TempFile.h"

namespace {

constexpr int kRounds = 12;

// Reads path on a thread of its own once go is set.
class ReaderThread {
  public:
    ReaderThread(const std::string& path, const std::atomic<bool>& go)
        : thread([this, &path, &go] {
              while (!go.load()) {
                  std::this_thread::yield();
              }
              reading = ReadProgramAt(path);
          }) {}
    ~ReaderThread() {
        if (thread.joinable()) {
            thread.join();
        }
    }
    ReaderThread(const ReaderThread&) = delete;
    ReaderThread& operator=(const ReaderThread&) = delete;

    // Waits for the read and returns what it gave.
    const ProgramReading& Result() {
        thread.join();
        return reading;
    }

  private:
    ProgramReading reading;
    std::thread thread;
};

void ExpectSameReading(const ProgramReading& actual, const ProgramReading& expected, int round) {
    EXPECT_EQ(actual.result, expected.result) << round;
    EXPECT_EQ(actual.messages, expected.messages) << round;
    EXPECT_EQ(actual.transcript, expected.transcript) << round;
}

TEST(TwoReaders, ReadingDifferentFilesAtOnceGivesWhatSingleReadsGive) {
    const TempFile first(GenerateBoard(300, 60, 1), ".drl");
    // The second file differs in coordinates, in size and in an error before its end.
    std::string secondBoard = GenerateBoard(200, 110, 7);
    secondBoard.insert(secondBoard.size() - 4, "G70\n");
    const TempFile second(secondBoard, ".drl");
    const ProgramReading firstAlone = ReadProgramAt(first.Path());
    const ProgramReading secondAlone = ReadProgramAt(second.Path());
    ASSERT_EQ(firstAlone.result, 1);
    ASSERT_EQ(secondAlone.result, 0);
    ASSERT_NE(firstAlone.transcript, secondAlone.transcript);
    for (int round = 0; round < kRounds; ++round) {
        std::atomic<bool> go{false};
        ReaderThread one(first.Path(), go);
        ReaderThread two(second.Path(), go);
        go = true;
        ExpectSameReading(one.Result(), firstAlone, round);
        ExpectSameReading(two.Result(), secondAlone, round);
    }
}

}  // namespace
