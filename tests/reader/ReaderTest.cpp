#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "MessageCapture.h"
#include "RecordingHost.h"
#include "TempFile.h"
#include "scanner/CharacterSource.h"

namespace {

const char kDefaultFormat[] =
    ".FILETYPE DRILL_MACHINE_FILE\n"
    ".VERSION \"QK2002.1\"\n"
    ".DataFormat 2,4\n";

const char kMetricFormat[] =
    ".FILETYPE DRILL_MACHINE_FILE\n.VERSION \"QK2002.1\"\n.Unit MM\n.DataFormat 3,3\n";

const char kMissingPath[] = "/nonexistent/perforex/none.drl";

// The messages of a read whose machine format file cannot be opened.
std::string FormatNotOpened(const std::string& path) {
    return "\nError: on opening parser input file (" + path +
           ") for reading.\n(check for a file or directory permission problem)\n\nError reading "
           "Drill Machine Format File \\\"" +
           path + "\\\"\n";
}

// A host given a machine format file of kDefaultFormat, and the stream its messages go to.
struct FormattedHost {
    FormattedHost() { host.SetDrillMachineFormatFile(format.Path()); }
    TempFile format{kDefaultFormat};
    RecordingHost host;
    MessageCapture capture;
};

TEST(Reader, UnreadableMachineFormatFailsEveryReadAndIsRetried) {
    TempFile drill("");
    RecordingHost host;
    MessageCapture capture;
    const std::string first = FormatNotOpened("");
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
    FormattedHost f;
    auto metric = std::make_unique<TempFile>(kMetricFormat);
    TempFile drill("G05\nX10000Y0\nM30\n");
    ASSERT_EQ(f.host.Read(f.capture.Stream(), drill.Path()), 1);
    f.host.SetDrillMachineFormatFile(metric->Path());
    ASSERT_EQ(f.host.Read(f.capture.Stream(), drill.Path()), 1);
    f.host.SetDrillMachineFormatFile(metric->Path());
    metric.reset();
    EXPECT_EQ(f.host.Read(f.capture.Stream(), drill.Path()), 1);
    EXPECT_EQ(f.host.transcript, "hit 25400000 0 -1\nhit 10000000 0 -1\nhit 10000000 0 -1\n");
    EXPECT_EQ(f.capture.Text(), "");
    f.host.SetDrillMachineFormatFile(kMissingPath);
    EXPECT_EQ(f.host.Read(f.capture.Stream(), drill.Path()), 0);
    EXPECT_EQ(f.capture.Text(), FormatNotOpened(kMissingPath));
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

// Programs that a file and the same bytes in memory must read alike: messages naming the file,
// a line-ended warning, an error ending the read, CR LF across the block edge, a byte 0xFF, none.
using MemoryCase = std::pair<const char*, std::string>;

std::string LongBlock() {
    std::string text = "M48\nT01C0.035\n%\nT01\n";
    while (text.size() + 1 < CharacterSource::kBlockSize) {
        text += "X0100Y0200\r\n";
    }
    return text + "M15\nM30\n";
}

const MemoryCase kMemoryCases[] = {
    {"contour_warnings", "M48\nT01C0.035\n%\nT01\nG00X0Y0\nM15\nG01X10000Y0\nM30\n"},
    {"long_number", "G05\nX12345678901Y1\nM30\n"},
    {"unknown_character", "G05\nX1Y1\nQ\nX2Y2\n"},
    {"crlf_across_blocks", LongBlock()},
    {"end_byte", std::string("G05\nX1Y1\n\xff", 11) + "X2Y2\n"},
    {"end_byte_closing_a_block",
     std::string(CharacterSource::kBlockSize - 1, ' ') + "\xff" + "X2Y2\n"},
    {"end_byte_last_of_all", std::string(CharacterSource::kBlockSize - 1, ' ') + "\xff"},
    {"empty", ""},
};

TEST(ReaderMemory, ReadsBytesInMemoryAsTheFileHoldingThem) {
    for (const auto& [name, program] : kMemoryCases) {
        TempFile drill(program);
        FormattedHost file, memory;
        const int fileResult = file.host.Read(file.capture.Stream(), drill.Path());
        EXPECT_EQ(memory.host.ReadMemory(memory.capture.Stream(), program.data(), program.size(),
                                         drill.Path()),
                  fileResult)
            << name;
        EXPECT_EQ(memory.capture.Text(), file.capture.Text()) << name;
        EXPECT_EQ(memory.host.transcript, file.host.transcript) << name;
        EXPECT_EQ(memory.host.messages, file.host.messages) << name;
    }
}

TEST(ReaderMemory, NoBytesAtANullAddressIsAnEmptyProgramAndMoreIsRefused) {
    FormattedHost f;
    EXPECT_EQ(f.host.ReadMemory(f.capture.Stream(), nullptr, 0, "none"), 1);
    EXPECT_EQ(f.host.ReadMemory(f.capture.Stream(), nullptr, 5, "none"), 0);
    EXPECT_EQ(f.capture.Text(), "");
}

// Each message reaches the host with its number, the line it names and how it was counted, and
// the texts in order are the bytes of the stream.
TEST(ReaderMessages, ReachTheHostAsData) {
    FormattedHost f;
    const std::string program = "G91\nT05\nM30\n";
    EXPECT_EQ(f.host.ReadMemory(f.capture.Stream(), program.data(), program.size(), "p.drl"), 0);
    const std::string step =
        "Warning: Change of step mode wanted from input gerb file at line number 1 and doing the "
        "change\n";
    const std::string tool =
        "Warning: Tool definition not found for tool number 5 at line number 2\n";
    const std::string totals = "\n The Total number of Errors: 1 Warnings:1 in parsing\n\n  ";
    EXPECT_EQ(f.capture.Text(), step + tool + totals);
    EXPECT_EQ(f.host.messages, "14 1 2 |" + step + "|19 2 1 |" + tool + "|22 0 0 |" + totals + "|");
}

// A host that writes a line of its own to the message stream for each hit, and either ignores
// the messages or checks at each one that its text is already in the stream.
class StreamSharingHost : public CPerforexReader {
  public:
    StreamSharingHost(FILE* stream, bool listens) : stream(stream), listens(listens) {}
    void AddContour(const CVbVrtxGeom&, int) override { Write("contour\n"); }
    void AddHit(int, int, int) override { Write("hit\n"); }
    void AddTool(int, int, int, int, int, double, int, int, int, int, int) override {}
    void AddMessage(const CReaderMessage& message) override {
        if (!listens) {
            CPerforexReader::AddMessage(message);
            return;
        }
        written += static_cast<long>(message.text.GetLength());
        textsInStream = textsInStream && std::ftell(stream) == written;
    }

    bool textsInStream = true;

  private:
    void Write(const std::string& text) {
        written += static_cast<long>(std::fwrite(text.data(), 1, text.size(), stream));
    }

    FILE* stream;
    bool listens;
    long written = 0;
};

// After G05, 200 blocks out of range, a hole, one more out of range, a contour: the texts of the
// messages and what the host writes keep their order in the stream, and a host that listens finds
// each text there.
TEST(ReaderMessages, KeepTheirPlaceAmongWhatTheHostWritesToTheStream) {
    TempFile format(kDefaultFormat);
    const std::string outOfRange = "X990000Y990000\n";
    std::string program = "G05\n";
    std::string expected;
    for (int line = 2; line <= 201; ++line) {
        program += outOfRange;
        expected += "Error: Value out of range at line number " + std::to_string(line) + "\n";
    }
    program +=
        "X010000Y010000\n" + outOfRange + "G00X000000Y000000\nM15\nG01X010000Y000000\nM16\nM30\n";
    expected +=
        "hit\nError: Value out of range at line number 203\ncontour\n"
        "\n The Total number of Errors: 201 Warnings:0 in parsing\n\n  ";
    for (const bool listens : {false, true}) {
        MessageCapture capture;
        StreamSharingHost host(capture.Stream(), listens);
        host.SetDrillMachineFormatFile(format.Path());
        EXPECT_EQ(host.ReadMemory(capture.Stream(), program.data(), program.size(), "p.drl"), 0);
        EXPECT_EQ(capture.Text(), expected) << (listens ? "listening" : "ignoring");
        EXPECT_TRUE(host.textsInStream);
    }
}

// A machine format text loads as its file would; another text replaces it at the next read, and
// a text with errors names itself in the messages.
TEST(ReaderFormatText, IsLoadedAsAFileAndReplacedByAnotherText) {
    TempFile drill("G05\nX10000Y0\nM30\n");
    RecordingHost host;
    MessageCapture capture;
    host.SetDrillMachineFormatText(kMetricFormat);
    ASSERT_EQ(host.Read(capture.Stream(), drill.Path()), 1);
    host.SetDrillMachineFormatText(kDefaultFormat);
    ASSERT_EQ(host.Read(capture.Stream(), drill.Path()), 1);
    EXPECT_EQ(host.transcript, "hit 10000000 0 -1\nhit 25400000 0 -1\n");

    host.SetDrillMachineFormatText(std::string(kDefaultFormat) + ".BOGUS 1\n");
    EXPECT_EQ(host.Read(capture.Stream(), drill.Path()), 0);
    const std::string unknown = "Error: Unknown keyword <.BOGUS> at line # 4\n";
    const std::string count = "\nError, There were 1 machine format errors detected\n";
    const std::string name = "  in file \\\"machine format text\\\"\n";
    EXPECT_EQ(capture.Text(), unknown + count + name);
    EXPECT_EQ(host.messages, "0 0 1 |" + unknown + "|3 0 0 |" + count + "|4 0 0 |" + name + "|");
}

}  // namespace
