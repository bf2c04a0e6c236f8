#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

#include "MessageCapture.h"
#include "RecordingHost.h"
#include "TempFile.h"
#include "perforex/perforex_c.h"

namespace {

const TempFile kFormat(".DataFormat 2,4\n.Unit IN\n", ".fmt");

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

// Two boards that differ in coordinates, in size and in an error before the second one's end.
const TempFile kFirst(Board(300, 60, 1), ".drl");
const TempFile kSecond(Board(200, 110, 7, "G70\n"), ".drl");

// Expects each job alone to give a text that begins with its head, then runs the two at once on
// two threads, round after round, and expects of each what it gives alone.
void ExpectSameTogether(const std::function<std::string()>& first, const std::string& firstHead,
                        const std::function<std::string()>& second, const std::string& secondHead) {
    const std::string firstAlone = first();
    const std::string secondAlone = second();
    ASSERT_EQ(firstAlone.substr(0, firstHead.size()), firstHead);
    ASSERT_EQ(secondAlone.substr(0, secondHead.size()), secondHead);
    for (int round = 0; round < 12; ++round) {
        std::atomic<bool> go{false};
        std::string two;
        std::thread thread([&] {
            while (!go.load()) {
                std::this_thread::yield();
            }
            two = second();
        });
        go = true;
        const std::string one = first();
        thread.join();
        EXPECT_EQ(one, firstAlone) << round;
        EXPECT_EQ(two, secondAlone) << round;
    }
}

// Returns the status, the result, the holes, the contours' vertices and the messages of one read
// of path through the C interface, with the machine format file or the format detected.
std::string ReadThroughC(const std::string& path, bool detect) {
    pfx_result* board = nullptr;
    const int status =
        detect ? pfx_read_file(path.c_str(), nullptr, PFX_FORMAT_DETECT, &board)
               : pfx_read_file(path.c_str(), kFormat.Path().c_str(), PFX_FORMAT_FILE, &board);
    std::string text = std::to_string(status) + ' ' + std::to_string(pfx_result_code(board)) + '\n';
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

// Returns the evidence, the result, the messages and the callbacks of a detection of the program's
// format and a read with it by a fresh detector and reader: from the file at path, or from the
// program's bytes when they are given.
std::string DetectAndRead(const std::string& path, const std::string& bytes = std::string()) {
    CFormatDetector detector;
    MessageCapture capture;
    RecordingHost host;
    const bool fromFile = bytes.empty();
    std::string text =
        std::to_string(fromFile ? detector.DetectFile(path)
                                : detector.DetectMemory(bytes.data(), bytes.size(), path));
    host.SetDrillMachineFormatText(detector.GetMachineFormatText());
    text += std::to_string(
        fromFile ? host.Read(capture.Stream(), path)
                 : host.ReadMemory(capture.Stream(), bytes.data(), bytes.size(), path));
    for (const CFormatEvidence& decision : detector.GetEvidence()) {
        text += "\n" + decision.text.Str();
    }
    return text + "\n" + capture.Text() + host.transcript;
}

TEST(TwoDetectors, DetectingAndReadingDifferentProgramsAtOnceGivesWhatSingleRunsGive) {
    // A program that states nothing, read from its file in the fallback's inch, and one that
    // states METRIC, read from memory.
    const std::string second = "M48\nMETRIC\n" + Board(200, 110, 7).substr(4);
    ExpectSameTogether([] { return DetectAndRead(kFirst.Path()); }, "11",
                       [&] { return DetectAndRead("second.drl", second); }, "1");
}

// The C interface reads through a reader of its own each time: two of them at once, one with a
// machine format file and one with the format detected, are two independent readers at work.
TEST(TwoReaders, ReadsThroughTheCInterfaceAreIndependent) {
    ExpectSameTogether([] { return ReadThroughC(kFirst.Path(), false); }, "0 1\n",
                       [] { return ReadThroughC(kSecond.Path(), true); }, "0 0\n");
}

}  // namespace
