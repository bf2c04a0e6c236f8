#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "MessageCapture.h"
#include "RecordingHost.h"
#include "TempFile.h"

namespace {

const char kDefaultFormat[] =
    ".FILETYPE DRILL_MACHINE_FILE\n"
    ".VERSION \"QK2002.1\"\n"
    ".DataFormat 2,4\n";

const char kMissingPath[] = "/nonexistent/perforex/none.drl";

TEST(Reader, UnreadableMachineFormatFailsEveryReadAndIsRetried) {
    TempFile drill("");
    RecordingHost host;
    MessageCapture capture;
    const std::string first =
        "\nError: on opening parser input file () for reading.\n"
        "(check for a file or directory permission problem)\n\n"
        "Error reading Drill Machine Format File \\\"\\\"\n";
    EXPECT_EQ(host.Read(capture.Stream(), drill.Path()), 0);
    EXPECT_EQ(capture.Text(), first);

    EXPECT_EQ(host.Read(capture.Stream(), drill.Path()), 0);
    EXPECT_EQ(capture.Text(), first + first);

    TempFile format(kDefaultFormat);
    host.SetDrillMachineFormatFile(format.Path());
    EXPECT_EQ(host.Read(capture.Stream(), drill.Path()), 1);
}

// A null message stream is refused before and after loading. The first read loads the machine
// format, even with a missing drill file, and it is kept although its file is gone.
TEST(Reader, MissingDrillFileFailsSilentlyAndTheLoadedFormatIsKept) {
    auto format = std::make_unique<TempFile>(kDefaultFormat);
    TempFile drill("");
    RecordingHost host;
    MessageCapture capture;
    host.SetDrillMachineFormatFile(format->Path());
    EXPECT_EQ(host.Read(nullptr, drill.Path()), 0);
    EXPECT_EQ(host.Read(capture.Stream(), kMissingPath), 0);
    format.reset();
    EXPECT_EQ(host.Read(nullptr, drill.Path()), 0);
    EXPECT_EQ(host.Read(capture.Stream(), drill.Path()), 1);
    EXPECT_EQ(capture.Text(), "");
}

// Another name replaces the loaded format at the next read; the loaded format's own name again
// loads nothing, so its file may be gone by then.
TEST(Reader, AnotherMachineFormatNameIsLoadedAtTheNextRead) {
    TempFile inch(kDefaultFormat);
    auto metric = std::make_unique<TempFile>(
        ".FILETYPE DRILL_MACHINE_FILE\n.VERSION \"QK2002.1\"\n.Unit MM\n.DataFormat 3,3\n");
    TempFile drill("G05\nX10000Y0\nM30\n");
    RecordingHost host;
    MessageCapture capture;
    host.SetDrillMachineFormatFile(inch.Path());
    ASSERT_EQ(host.Read(capture.Stream(), drill.Path()), 1);
    host.SetDrillMachineFormatFile(metric->Path());
    ASSERT_EQ(host.Read(capture.Stream(), drill.Path()), 1);
    host.SetDrillMachineFormatFile(metric->Path());
    metric.reset();
    EXPECT_EQ(host.Read(capture.Stream(), drill.Path()), 1);
    EXPECT_EQ(host.transcript, "hit 25400000 0 -1\nhit 10000000 0 -1\nhit 10000000 0 -1\n");
    EXPECT_EQ(capture.Text(), "");
    host.SetDrillMachineFormatFile(kMissingPath);
    EXPECT_EQ(host.Read(capture.Stream(), drill.Path()), 0);
    EXPECT_EQ(capture.Text(), std::string("\nError: on opening parser input file (") +
                                  kMissingPath +
                                  ") for reading.\n(check for a file or directory permission "
                                  "problem)\n\nError reading Drill Machine Format File \\\"" +
                                  kMissingPath + "\\\"\n");
}

// A copy made before the machine format is loaded and one made after it read with their own
// format, also once the source is gone, and call themselves back.
TEST(ReaderCopy, CopiesCallThemselvesBackWithTheirOwnFormat) {
    const std::string hole = "hit 25400000 25400000 -1\n";
    TempFile drill("G05\nX10000Y10000\nM30\n");
    MessageCapture capture;
    RecordingHost assigned;
    std::unique_ptr<RecordingHost> copy;
    {
        TempFile format(kDefaultFormat);
        RecordingHost source;
        source.SetDrillMachineFormatFile(format.Path());
        assigned = source;
        ASSERT_EQ(source.Read(capture.Stream(), drill.Path()), 1);
        copy = std::make_unique<RecordingHost>(source);
        ASSERT_EQ(assigned.Read(capture.Stream(), drill.Path()), 1);
        EXPECT_EQ(source.transcript, hole);
    }
    copy->transcript.clear();
    ASSERT_EQ(copy->Read(capture.Stream(), drill.Path()), 1);
    EXPECT_EQ(copy->transcript, hole);
    EXPECT_EQ(assigned.transcript, hole);
}

}  // namespace
