#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "MessageCapture.h"
#include "TempFile.h"
#include "machineformat/DrillMachineFormat.h"

namespace {

struct Loaded {
    CDrillMachineFormat format;
    int result = 0;
    std::string messages;
};

Loaded LoadPath(const std::string& path) {
    MessageCapture capture;
    Loaded loaded;
    loaded.result = loaded.format.Load(capture.Stream(), path);
    loaded.messages = capture.Text();
    return loaded;
}

Loaded LoadBytes(const std::string& bytes) {
    const TempFile file(bytes, ".fmt");
    return LoadPath(file.Path());
}

// Returns the count of non-overlapping occurrences of part in text.
int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The closing lines of a load that found errors, with the count and the path.
std::string ErrorTotals(int errors, const std::string& path) {
    return "\nError, There were " + std::to_string(errors) +
           " machine format errors detected\n  in file \\\"" + path + "\\\"\n";
}

// The lines of a file that cannot be read: the parser's two lines, then the load's own.
std::string Unreadable(const std::string& firstLine, const std::string& advice,
                       const std::string& path) {
    return firstLine + advice + "Error reading Drill Machine Format File \\\"" + path + "\\\"\n";
}

const char kCorruptAdvice[] = "(check for bad or corrupted file)\n\n";
const char kOpenAdvice[] = "(check for a file or directory permission problem)\n\n";

bool HasDefaults(const CDrillMachineFormat& f) {
    const CDrillMachineFormat d;
    return f.dataType == d.dataType && f.dataMode == d.dataMode && f.stepMode == d.stepMode &&
           f.zeroTruncation == d.zeroTruncation && f.characterSet == d.characterSet &&
           f.arcStyle == d.arcStyle && f.delimiter == d.delimiter && f.commentStr == d.commentStr &&
           f.recordLength == d.recordLength && f.sequenceNumbering == d.sequenceNumbering &&
           f.unit == d.unit && f.integerDigits == d.integerDigits &&
           f.decimalDigits == d.decimalDigits && f.comments == d.comments &&
           f.unitLength == d.unitLength;
}

TEST(MachineFormatBadInput, EmptyAndEndOfInputFilesLoadCleanWithDefaults) {
    for (const std::string& bytes :
         {std::string(), std::string(4096, '\xFF'), std::string("\xFF.UNIT MM\n"),
          std::string("\x01\x02\x1F \n")}) {
        const Loaded loaded = LoadBytes(bytes);
        EXPECT_EQ(loaded.result, 0);
        EXPECT_EQ(loaded.messages, "");
        EXPECT_TRUE(HasDefaults(loaded.format));
    }
}

TEST(MachineFormatBadInput, BinaryGarbageFailsWithItsErrorCount) {
    std::string garbage;
    unsigned state = 12345;
    while (garbage.size() < 65536) {
        state = state * 1103515245u + 12345u;
        const char byte = static_cast<char>((state >> 16) % 255);  // never the end byte 0xFF
        garbage += byte;
    }
    const TempFile file(garbage, ".fmt");
    const Loaded loaded = LoadPath(file.Path());
    ASSERT_GT(loaded.result, 0);
    EXPECT_TRUE(EndsWith(loaded.messages, ErrorTotals(loaded.result, file.Path())));
}

TEST(MachineFormatBadInput, MegabyteIgnoredLineIsSkippedWhole) {
    const Loaded loaded = LoadBytes(".CREATOR " + std::string(3 << 20, 'x') + "\n.UNIT MM\n");
    EXPECT_EQ(loaded.result, 0);
    EXPECT_EQ(loaded.messages, "");
    EXPECT_EQ(loaded.format.unit, CDrillMachineFormat::MM);
}

TEST(MachineFormatBadInput, MegabyteStringIsCutAndCountedAsErrors) {
    const TempFile file(".VERSION \"" + std::string(1 << 20, 'x') + "\"\n.UNIT MM\n", ".fmt");
    const Loaded loaded = LoadPath(file.Path());
    ASSERT_GT(loaded.result, 0);
    EXPECT_EQ(loaded.messages.find("Error: Exceeded buffer size of 4096 reading jnp.\n"
                                   "   in keyword <.VERSION> above line # 0\n"),
              0u);
    EXPECT_TRUE(EndsWith(loaded.messages, ErrorTotals(loaded.result, file.Path())));
}

TEST(MachineFormatBadInput, IntegersBeyondThirtyTwoBitsAreErrorsNotValues) {
    const std::string hundreds(300, '9');
    for (const std::string& number : {hundreds, std::string("2147483648"),
                                      std::string("-2147483649"), std::string("0X100000000")}) {
        const TempFile file(".RecordLength " + number + "\n", ".fmt");
        const Loaded loaded = LoadPath(file.Path());
        EXPECT_EQ(loaded.result, 2) << number;  // the bad value, then the missing argument
        EXPECT_EQ(Occurrences(loaded.messages, "Error: Bad int value <" + number + ">\n"), 1)
            << number;
        EXPECT_EQ(loaded.format.recordLength, 0) << number;
    }
}

TEST(MachineFormatBadInput, IntegersAtTheThirtyTwoBitLimitsAreKept) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"2147483647", 2147483647},
                 {"-2147483648", -2147483647 - 1},
                 {"0X7FFFFFFF", 2147483647},
                 {"017777777777", 2147483647}};
    for (const auto& c : cases) {
        const Loaded loaded = LoadBytes(std::string(".RecordLength ") + c.text + "\n");
        EXPECT_EQ(loaded.result, 0) << c.text;
        EXPECT_EQ(loaded.format.recordLength, c.value) << c.text;
    }
}

TEST(MachineFormatBadInput, DeeplyDottedKeywordsAreReportedAndSkipped) {
    std::string text = ".UNIT MM\n";
    for (int dots = 2; dots <= 400; ++dots) {
        text += std::string(static_cast<std::size_t>(dots), '.') + "UNIT IN\n";
    }
    text += ".DataFormat 2,4\n";
    const TempFile file(text, ".fmt");
    const Loaded loaded = LoadPath(file.Path());
    ASSERT_GT(loaded.result, 0);
    EXPECT_EQ(loaded.format.unit, CDrillMachineFormat::MM);
    EXPECT_EQ(loaded.format.integerDigits, 2);
    EXPECT_TRUE(EndsWith(loaded.messages, ErrorTotals(loaded.result, file.Path())));
}

TEST(MachineFormatBadInput, KeyedHeadersThatLieAboutTheirLengthAreUnreadable) {
    const std::string cases[] = {
        std::string("\x05\x06\x13\x7F"
                    "ab",
                    6),  // key of 127 bytes in a 6-byte file
        std::string("\x05\x06\x13\x00\x05"
                    "abc",
                    8),  // key of 5 bytes, 3 left
        std::string("\x05\x06\x13\x80"
                    ".UNIT MM\n",
                    13),  // negative key length
        std::string("\x05\x06\x13\x00\xFF"
                    "abcd",
                    9),  // negative key length at offset 4
    };
    for (const std::string& bytes : cases) {
        const TempFile file(bytes, ".fmt");
        const Loaded loaded = LoadPath(file.Path());
        EXPECT_EQ(loaded.result, 1);
        EXPECT_EQ(loaded.messages, Unreadable("\nError: while trying to read parser input file (" +
                                                  file.Path() + ").\n",
                                              kCorruptAdvice, file.Path()));
        EXPECT_TRUE(HasDefaults(loaded.format));
    }
}

TEST(MachineFormatBadInput, KeyedHeadersThatFitTheFileAreDecoded) {
    const Loaded empty =
        LoadBytes(std::string("\x05\x06\x13\x00\x00"
                              ".UNIT MM\n",
                              14));
    EXPECT_EQ(empty.result, 0);
    EXPECT_EQ(empty.format.unit, CDrillMachineFormat::MM);
    const Loaded keyOnly =
        LoadBytes(std::string("\x05\x06\x13\x02"
                              "kk",
                              6));
    EXPECT_EQ(keyOnly.result, 0);
    EXPECT_TRUE(HasDefaults(keyOnly.format));
}

TEST(MachineFormatBadInput, MissingPathIsUnreadable) {
    const std::string path = "/nonexistent-perforex-dir/format.fmt";
    const Loaded loaded = LoadPath(path);
    EXPECT_EQ(loaded.result, 1);
    EXPECT_EQ(loaded.messages,
              Unreadable("\nError: on opening parser input file (" + path + ") for reading.\n",
                         kOpenAdvice, path));
}

TEST(MachineFormatBadInput, DirectoriesCannotBeReadAsFormatFiles) {
    // /proc/self reports a size of 0, /tmp a size of a block: neither may pass as an empty file.
    for (const std::string path : {"/proc/self", "/tmp"}) {
        const Loaded loaded = LoadPath(path);
        EXPECT_EQ(loaded.result, 1) << path;
        EXPECT_EQ(loaded.messages,
                  Unreadable("\nError: while trying to read parser input file (" + path + ").\n",
                             kCorruptAdvice, path));
        EXPECT_TRUE(HasDefaults(loaded.format));
    }
}

TEST(MachineFormatBadInput, FileWithoutReadPermissionIsUnreadable) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop the superuser";
    }
    const TempFile file(".UNIT MM\n", ".fmt");
    ASSERT_EQ(chmod(file.Path().c_str(), 0), 0);
    const Loaded loaded = LoadPath(file.Path());
    EXPECT_EQ(loaded.result, 1);
    EXPECT_EQ(loaded.format.unit, CDrillMachineFormat::IN);
}

}  // namespace
