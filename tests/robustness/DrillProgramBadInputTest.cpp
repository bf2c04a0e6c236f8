#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "MessageCapture.h"
#include "ProgramReading.h"
#include "TempFile.h"
#include "TranscriptHost.h"

namespace {

// One hole at (1.0, 1.0) inch with tool 0, as "T00\nX10000Y10000\n" gives it in format 2,4.
const char kHoleProgram[] = "T00\nX10000Y10000\n";
const char kHole[] = "hit 25400000 25400000 0\n";

std::string Tool(int number, int diameter) {
    return "tool " + std::to_string(number) + " 0 " + std::to_string(diameter) +
           " 0 0 0 0 0 0 0 0\n";
}

struct CleanCase {
    const char* name;
    std::string program;
    std::string transcript;
};

// Programs that end early or hold oversized parts but nothing the reader counts: each is read
// with result 1, without a message, and gives exactly the transcript.
TEST(DrillProgramBadInput, OddButCleanProgramsDeliverWhatTheyHold) {
    const std::string megabyte(1 << 20, 'x');
    const CleanCase cases[] = {
        {"empty file", "", ""},
        {"only end bytes", std::string(5000, '\xFF'), ""},
        {"end byte mid-file", kHoleProgram + std::string("\xFFX20000Y20000\n"), kHole},
        {"cut inside a comment", kHoleProgram + std::string(";T01C0.1"), kHole},
        {"cut inside a G04 comment", kHoleProgram + std::string("G04 note X20000Y20000\n"), kHole},
        {"megabyte comment line", ";" + megabyte + "\n" + kHoleProgram, kHole},
        {"megabyte G04 comment", "T00\nG04 " + megabyte + "#X10000Y10000\n", kHole},
        {"megabyte of separators",
         std::string(1 << 20, ' ') + std::string(1 << 10, '#') + std::string(1 << 10, '\n') +
             kHoleProgram,
         kHole},
        {"megabyte sequence number", "N" + std::string(1 << 20, '9') + "\n" + kHoleProgram, kHole},
        {"megabyte comment tool definition",
         ";T01C" + std::string(1 << 20, '0') + "\nM48\n%\nT01\nX10000Y10000\n",
         Tool(1, 0) + "hit 25400000 25400000 1\n"},
        {"megabyte header tool definition", "M48\nT01C0.035" + std::string(1 << 20, '5') + "\n%\n",
         Tool(1, 903111)},
    };
    for (const CleanCase& c : cases) {
        const ProgramReading reading = ReadProgram(c.program);
        EXPECT_EQ(reading.result, 1) << c.name;
        EXPECT_EQ(reading.messages, "") << c.name;
        EXPECT_EQ(reading.transcript, c.transcript) << c.name;
    }
}

TEST(DrillProgramBadInput, EbcdicEndBytesAreSpacesNotTheEnd) {
    // T00, X10000Y10000 in EBCDIC with bytes 0xFF and 0x15 (both read as spaces) around them.
    const std::string program =
        "\xFF\x15\xE3\xF0\xF0\x25\xFF\xE7\xF1\xF0\xF0\xF0\xF0\xE8\xF1\xF0\xF0\xF0\xF0\x25" +
        std::string(4096, '\xFF');
    const ProgramReading reading =
        ReadProgram(program, std::string(kInchFormat24) + ".CharacterSet EBCDIC\n");
    EXPECT_EQ(reading.result, 1);
    EXPECT_EQ(reading.messages, "");
    EXPECT_EQ(reading.transcript, kHole);
}

// The end of the input ends the last block like a line feed: a program whose last line has no
// line feed, or that was cut inside a number, still delivers that last block.
TEST(DrillProgramBadInput, LastBlockWithoutALineFeedIsDelivered) {
    const struct {
        std::string program;
        std::string transcript;
    } cases[] = {
        {"T00\nX10000Y10000", kHole},
        {kHoleProgram + std::string("X200"), kHole + std::string("hit 508000 25400000 0\n")},
        {"T00\nX10000Y10000\xFFX20000Y20000\n", kHole},
    };
    for (const auto& c : cases) {
        const ProgramReading reading = ReadProgram(c.program);
        EXPECT_EQ(reading.result, 1) << c.program;
        EXPECT_EQ(reading.messages, "") << c.program;
        EXPECT_EQ(reading.transcript, c.transcript) << c.program;
    }
}

TEST(DrillProgramBadInput, GarbageEndsTheReadAtTheTokenAfterIt) {
    // Every unknown byte is reported; the token that follows them is marked invalid, so the
    // read ends there without taking it, and whatever follows is never read.
    const ProgramReading reading =
        ReadProgram(std::string("\x01\x02\x7F") + kHoleProgram + "\x01X10000Y10000\n");
    EXPECT_EQ(reading.result, 0);
    EXPECT_EQ(reading.messages,
              "Error: Unknown character \x01 found at line number 1\n"
              "Error: Unknown character \x02 found at line number 1\n"
              "Error: Unknown character \x7F found at line number 1\n" +
                  Totals(1, 0));
    EXPECT_EQ(reading.transcript, "");
}

TEST(DrillProgramBadInput, GarbageAlwaysEndsWithAConsistentResult) {
    unsigned state = 7;
    for (int blob = 0; blob < 200; ++blob) {
        std::string garbage;
        for (int i = 0; i < 512; ++i) {
            state = state * 1103515245u + 12345u;
            // Mostly the program's own letters and digits, so that the scanner gets far; no R,
            // since a repeat count of many digits would make millions of holes.
            const char alphabet[] = "GMTXYAIJN0123456789%;#\n -.";
            garbage += (state >> 28) < 12 ? alphabet[(state >> 16) % (sizeof alphabet - 1)]
                                          : static_cast<char>(state >> 16);
        }
        const ProgramReading reading = ReadProgram(garbage);
        const bool counted =
            reading.messages.find("\n The Total number of Errors: ") != std::string::npos;
        EXPECT_EQ(reading.result, counted ? 0 : 1) << blob;
        if (counted) {
            EXPECT_TRUE(EndsWith(reading.messages, " in parsing\n\n  ")) << blob;
        }
    }
}

TEST(DrillProgramBadInput, TruncatedGCodeIsAnErrorThatEndsTheRead) {
    const ProgramReading reading = ReadProgram(kHoleProgram + std::string("G9"));
    EXPECT_EQ(reading.result, 0);
    EXPECT_EQ(reading.messages.rfind("Error: G-Codes are not followed by two digits\n", 0), 0u);
    EXPECT_TRUE(EndsWith(reading.messages, Totals(1, 0)));
    EXPECT_EQ(reading.transcript, kHole);
}

TEST(DrillProgramBadInput, TruncatedMCodeIsNotCounted) {
    const ProgramReading reading = ReadProgram(kHoleProgram + std::string("M4"));
    EXPECT_EQ(reading.result, 1);
    // The wait for the two characters after M ends at the end of the input; a message 8 for
    // it, if any, is not counted.
    EXPECT_TRUE(reading.messages.empty() ||
                reading.messages.rfind("Error: Unknown keyword M4", 0) == 0)
        << reading.messages;
    EXPECT_EQ(reading.transcript, kHole);
}

TEST(DrillProgramBadInput, LargeToolNumbersAreWarnedAboutAndUndefined) {
    const struct {
        const char* program;
        int tool;
    } cases[] = {{"T1200\n", 1200}, {"T2147483647\n", 2147483647}};
    for (const auto& c : cases) {
        const ProgramReading reading = ReadProgram(c.program);
        const std::string number = std::to_string(c.tool);
        EXPECT_EQ(reading.result, 0);
        EXPECT_EQ(reading.messages, "Warning: Aperture number of " + number +
                                        " found at line number 1. Allowed range is [10-999]\n"
                                        "Warning: Tool definition not found for tool number " +
                                        number + " at line number 1\n" + Totals(1, 1));
        EXPECT_EQ(reading.transcript, "");
    }
}

// The largest repeat count gives every hole; one more is out of range, reported with the line
// of its R, and its block gives none.
TEST(DrillProgramBadInput, RepeatCountsAreBoundedAt65535) {
    const ProgramReading reading = ReadProgram("T00\nX0Y0\nR65535X1\nR65536\nX1\n");
    EXPECT_EQ(reading.result, 0);
    EXPECT_EQ(reading.messages, "Error: Value out of range at line number 4\n" + Totals(1, 0));
    ASSERT_EQ(reading.hits, 65536);
    // Steps of 0.0001 inch added up in double precision: the sum and the last x of the repeats.
    long long sum = 0;
    int last = 0;
    const std::string& t = reading.transcript;
    for (std::size_t at = t.find('\n') + 1; at < t.size(); at = t.find('\n', at) + 1) {
        last = std::atoi(t.c_str() + at + 4);  // after "hit "
        sum += last;
    }
    EXPECT_EQ(sum, 5454525207127LL);
    EXPECT_EQ(last, 166458899);
}

struct CountedCase {
    const char* name;
    std::string program;
    std::string messages;
    std::string transcript;
};

// Values that do not fit in 32 bits, in the file or after the conversion to nanometres: each is
// reported and counted, and nothing with a cut or wrapped value reaches the host.
TEST(DrillProgramBadInput, ValuesBeyondThirtyTwoBitsAreErrorsNotWrongValues) {
    const std::string ones(300, '1');
    const std::string nines(300, '9');
    const std::string outOfRange2 = "Error: Value out of range at line number 2\n";
    const std::string outOfRange3 = "Error: Value out of range at line number 3\n";
    const std::string tooLong = "Warning: Length of co-ordinate data " + ones +
                                " is found to be greater than M+N length 6 at line number 2 "
                                "Which may cause loss of data\n";
    const CountedCase cases[] = {
        // 99.9999 inch is 2539997460 nm.
        {"far right", "T00\nX999999Y0\n", outOfRange2 + Totals(1, 0), ""},
        {"far down", "T00\nX0Y-999999\n", outOfRange2 + Totals(1, 0), ""},
        {"far hole kept apart from a near one", "T00\nX999999Y0\nX10000Y10000\n",
         outOfRange2 + Totals(1, 0), kHole},
        {"hundreds of digits", "T00\nX" + ones + "Y0\n", tooLong + outOfRange2 + Totals(1, 0), ""},
        {"hundreds of digits in a tool number", "T" + nines + "\n",
         "Warning: Aperture number of 2147483647 found at line number 1. Allowed range is "
         "[10-999]\nWarning: Tool definition not found for tool number 2147483647 at line "
         "number 1\n" +
             Totals(1, 1),
         ""},
        // G93 values are raw integers times the unit: 100 inches is 2540000000 nm.
        {"G93 point beyond the range", "M48\n%\nG93X100Y0\nM30\n", outOfRange3 + Totals(1, 0), ""},
        {"G93 point beyond 32 bits", "M48\n%\nG93X99999999999Y0\nM30\n", outOfRange3 + Totals(1, 0),
         ""},
    };
    for (const CountedCase& c : cases) {
        const ProgramReading reading = ReadProgram(c.program);
        EXPECT_EQ(reading.result, 0) << c.name;
        EXPECT_EQ(reading.messages, c.messages) << c.name;
        EXPECT_EQ(reading.transcript, c.transcript) << c.name;
    }
}

TEST(DrillProgramBadInput, ArcWithoutAStartPointIsAnErrorAndSkipped) {
    const ProgramReading reading = ReadProgram("G02X10000Y0A5000\nM30\n");
    EXPECT_EQ(reading.result, 0);
    EXPECT_EQ(reading.messages,
              "Error: Arc without a start point at line number 1\n" + Totals(1, 0));
    EXPECT_EQ(reading.transcript, "");
}

TEST(DrillProgramBadInput, UnreadableDrillPathsFailSilently) {
    for (const std::string path : {"/nonexistent-perforex-dir/board.drl", "/tmp", "/proc/self"}) {
        const ProgramReading reading = ReadProgramAt(path);
        EXPECT_EQ(reading.result, 0) << path;
        EXPECT_EQ(reading.messages, "") << path;
        EXPECT_EQ(reading.transcript, "") << path;
    }
}

TEST(DrillProgramBadInput, DirectoryAsMachineFormatFailsTheRead) {
    const TempFile drill(kHoleProgram, ".drl");
    MessageCapture capture;
    TranscriptHost host;
    host.SetDrillMachineFormatFile("/tmp");
    EXPECT_EQ(host.Read(capture.Stream(), drill.Path()), 0);
    EXPECT_EQ(capture.Text(),
              "\nError: while trying to read parser input file (/tmp).\n"
              "(check for bad or corrupted file)\n\n"
              "Error reading Drill Machine Format File \\\"/tmp\\\"\n");
    EXPECT_EQ(host.transcript, "");
}

}  // namespace
