#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <string>
#include <thread>

#include "MessageCapture.h"
#include "RecordingHost.h"
#include "TempFile.h"
#include "perforex/perforex_c.h"

namespace {

const TempFile kFormat(".DataFormat 2,4\n.Unit IN\n", ".fmt");

// Returns the result, the messages and the callbacks of one read of path by a fresh reader.
std::string ReadAt(const std::string& path) {
    MessageCapture capture;
    RecordingHost host;
    host.SetDrillMachineFormatFile(kFormat.Path());
    const int result = host.Read(capture.Stream(), path);
    return std::to_string(result) + "\n" + capture.Text() + host.transcript;
}

// Returns the result, the holes, the contours' vertices and the messages of one read of path
// through the C interface.
std::string ReadThroughC(const std::string& path) {
    pfx_result* board = nullptr;
    std::string text = std::to_string(
        pfx_read_file(path.c_str(), kFormat.Path().c_str(), PFX_FORMAT_FILE, &board));
    text += ' ' + std::to_string(pfx_result_code(board)) + '\n';
    const std::int32_t* holes = pfx_holes(board);
    for (std::size_t word = 0; word < 3 * pfx_hole_count(board); ++word) {
        text += std::to_string(holes[word]) + ' ';
    }
    for (std::size_t index = 0; index < pfx_contour_count(board); ++index) {
        const pfx_contour& contour = pfx_contours(board)[index];
        for (std::size_t word = 0; word < 3 * contour.vertex_count; ++word) {
            text += std::to_string(contour.vertices[word]) + ' ';
        }
    }
    for (std::size_t index = 0; index < pfx_message_count(board); ++index) {
        text += pfx_messages(board)[index].text;
    }
    pfx_result_free(board);
    return text;
}

// A board of rows of holes, repeated holes and routed contours of lines and arcs; seed moves
// every coordinate so that two boards differ.
std::string Board(int rows, int contours, int seed, const std::string& tail = "") {
    std::string text = "M48\nT01C0.035\nT02C0.0200\nT03 Slot 0.1x0.05 R90\n%\n";
    const std::string y = "Y" + std::to_string(seed);
    for (int row = 0; row < rows; ++row) {
        text += row % 2 == 0 ? "T01\n" : "T02\n";
        for (int column = 0; column < 10; ++column) {
            text += "X" + std::to_string(1000 * column + seed) + "Y" +
                    std::to_string(700 * row + seed) + "\n";
        }
        text += "R4X500\n";
    }
    for (int contour = 0; contour < contours; ++contour) {
        const std::string x = "X" + std::to_string(2000 * contour + seed);
        const std::string x1 = "X" + std::to_string(2000 * contour + seed + 1000);
        text += "T03\nG00" + x + y + "\nM15\nG01" + x1 + y + "\nG02" + x1 + "Y2000A1000\nG03" + x +
                "Y2000I500J0\nG01" + x + y + "\nM16\n";
    }
    return text + tail + "M30\n";
}

// Reads two different files at once with read, twelve times, and compares each read with a read
// of the same file alone.
void ReadTwoAtOnce(std::string (*read)(const std::string&), const char* clean,
                   const char* withErrors) {
    const TempFile first(Board(300, 60, 1), ".drl");
    // The second file differs in coordinates, in size and in an error before its end.
    const TempFile second(Board(200, 110, 7, "G70\n"), ".drl");
    const std::string firstAlone = read(first.Path());
    const std::string secondAlone = read(second.Path());
    ASSERT_EQ(firstAlone.substr(0, std::strlen(clean)), clean);
    ASSERT_EQ(secondAlone.substr(0, std::strlen(withErrors)), withErrors);
    for (int round = 0; round < 12; ++round) {
        std::atomic<bool> go{false};
        std::string two;
        std::thread thread([&] {
            while (!go.load()) {
                std::this_thread::yield();
            }
            two = read(second.Path());
        });
        go = true;
        const std::string one = read(first.Path());
        thread.join();
        EXPECT_EQ(one, firstAlone) << round;
        EXPECT_EQ(two, secondAlone) << round;
    }
}

TEST(TwoReaders, ReadingDifferentFilesAtOnceGivesWhatSingleReadsGive) {
    ReadTwoAtOnce(ReadAt, "1\n", "0\n");
}

TEST(TwoReaders, ReadsThroughTheCInterfaceAreIndependent) {
    ReadTwoAtOnce(ReadThroughC, "0 1\n", "0 0\n");
}

}  // namespace
