#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "MessageCapture.h"
#include "TempFile.h"
#include "machineformat/DrillMachineFormat.h"

namespace {

const char kDefaultFile[] =
    ".FILETYPE DRILL_MACHINE_FILE\n"
    ".VERSION \"QK2002.1\"\n"
    ".CREATOR \"Larkspur Corporation\"\n"
    "\n"
    ".DataType EXCELLON\n"
    ".CharacterSet ASCII\n"
    ".Unit IN\n"
    ".DataFormat 3,3\n"
    ".StepMode ABSOLUTE\n"
    ".DataMode MODAL\n"
    ".ZeroTruncation LEADING\n"
    ".SequenceNumbering OFF\n"
    ".Delimiter \"#\"\n"
    ".Comments ON\n"
    ".CommentStr \"; \"\n"
    ".ArcStyle RADIUS\n"
    ".RecordLength 0\n";

// Returns the keyed form of text: marker, key length, key, then every byte XORed with the key.
std::string Keyed(const std::string& text, const std::string& key, bool lengthAtOffsetFour) {
    std::string file = "\x05\x06\x13";
    if (lengthAtOffsetFour) {
        file += '\0';
    }
    file += static_cast<char>(key.size());
    file += key;
    for (std::size_t i = 0; i < text.size(); ++i) {
        file += static_cast<char>(text[i] ^ key[i % key.size()]);
    }
    return file;
}

struct Loaded {
    CDrillMachineFormat format;
    int result;
    std::string messages;
    std::string path;
};

Loaded Load(const std::string& bytes) {
    TempFile file(bytes, ".fmt");
    MessageCapture capture;
    Loaded loaded;
    loaded.result = loaded.format.Load(capture.Stream(), file.Path());
    loaded.messages = capture.Text();
    loaded.path = file.Path();
    return loaded;
}

void ExpectDefaults(const CDrillMachineFormat& format) {
    const CDrillMachineFormat defaults;
    EXPECT_EQ(format.dataType, defaults.dataType);
    EXPECT_EQ(format.dataMode, defaults.dataMode);
    EXPECT_EQ(format.stepMode, defaults.stepMode);
    EXPECT_EQ(format.zeroTruncation, defaults.zeroTruncation);
    EXPECT_EQ(format.characterSet, defaults.characterSet);
    EXPECT_EQ(format.arcStyle, defaults.arcStyle);
    EXPECT_EQ(format.delimiter, defaults.delimiter);
    EXPECT_EQ(format.commentStr, defaults.commentStr);
    EXPECT_EQ(format.recordLength, defaults.recordLength);
    EXPECT_EQ(format.sequenceNumbering, defaults.sequenceNumbering);
    EXPECT_EQ(format.unit, defaults.unit);
    EXPECT_EQ(format.integerDigits, defaults.integerDigits);
    EXPECT_EQ(format.decimalDigits, defaults.decimalDigits);
    EXPECT_EQ(format.comments, defaults.comments);
    EXPECT_EQ(format.unitLength, defaults.unitLength);
}

TEST(DrillMachineFormatLoad, SetsEveryFieldFromItsKeyword) {
    const Loaded loaded = Load(
        ".FILETYPE DRILL_MACHINE_FILE\n.VERSION \"QK2002.1\"\n.CREATOR Someone else\n"
        ".DataType TRUDRILL\n.CharacterSet EBCIDIC\n.Unit MM\n.DataFormat 2,4\n"
        ".StepMode INCREMENTAL\n.DataMode NON_MODAL\n.ZeroTruncation TRAILING\n"
        ".SequenceNumbering SEQUENCENUMBERING_ON\n.Delimiter \"/\"\n.Comments COMMENTS_OFF\n"
        ".CommentStr \"\\tX\\\"\"\n.ArcStyle QUADRANT\n.RecordLength 0x50\n");
    EXPECT_EQ(loaded.result, 0);
    EXPECT_EQ(loaded.messages, "");
    const CDrillMachineFormat& format = loaded.format;
    EXPECT_EQ(format.dataType, 2);
    EXPECT_EQ(format.characterSet, 2);
    EXPECT_EQ(format.unit, 2);
    EXPECT_EQ(format.unitLength, 1000000.0);
    EXPECT_EQ(format.integerDigits, 2);
    EXPECT_EQ(format.decimalDigits, 4);
    EXPECT_EQ(format.stepMode, 2);
    EXPECT_EQ(format.dataMode, 0);
    EXPECT_EQ(format.zeroTruncation, 2);
    EXPECT_EQ(format.sequenceNumbering, 1);
    EXPECT_EQ(format.delimiter, "/");
    EXPECT_EQ(format.comments, 0);
    EXPECT_EQ(format.commentStr, "\tX\"");
    EXPECT_EQ(format.arcStyle, 1);
    EXPECT_EQ(format.recordLength, 80);
}

TEST(DrillMachineFormatLoad, LoadsTheDefaultFilePlainAndKeyedWithoutChange) {
    for (const std::string& bytes :
         {std::string(""), std::string(kDefaultFile), Keyed(kDefaultFile, "K3y!", false),
          Keyed(kDefaultFile, std::string("\x7F\x80\x00\xFF", 4), true)}) {
        const Loaded loaded = Load(bytes);
        EXPECT_EQ(loaded.result, 0);
        EXPECT_EQ(loaded.messages, "");
        ExpectDefaults(loaded.format);
    }
}

TEST(DrillMachineFormatLoad, LoadsTheBundledDefaultFile) {
    std::ifstream bundled(PERFOREX_SOURCE_DIR "/examples/default.fmt", std::ios::binary);
    std::stringstream text;
    text << bundled.rdbuf();
    EXPECT_EQ(text.str(), kDefaultFile);
    MessageCapture capture;
    CDrillMachineFormat format;
    EXPECT_EQ(format.Load(capture.Stream(), PERFOREX_SOURCE_DIR "/examples/default.fmt"), 0);
    EXPECT_EQ(capture.Text(), "");
}

TEST(DrillMachineFormatLoad, AppliesValuesInFileOrderWithAliases) {
    const Loaded loaded = Load(
        ".Unit MM\n.Unit IN\n.DataType generic\n.Delimiter \"\"\n"
        ".ALIAS \".Digits\" \".DataFormat\" .ALIAS \".Measure\" \".Unit\"\n.Digits 4 5\n"
        ".Measure mm\n");
    EXPECT_EQ(loaded.result, 0);
    EXPECT_EQ(loaded.messages, "");
    EXPECT_EQ(loaded.format.dataType, 3);
    EXPECT_EQ(loaded.format.delimiter, "*");
    EXPECT_EQ(loaded.format.integerDigits, 4);
    EXPECT_EQ(loaded.format.decimalDigits, 5);
    EXPECT_EQ(loaded.format.unit, 2);
    EXPECT_EQ(loaded.format.unitLength, 1000000.0);

    const Loaded back = Load(".Unit MM\n.Unit IN\n");
    EXPECT_EQ(back.format.unit, 1);
    EXPECT_EQ(back.format.unitLength, 25400000.0);
}

TEST(DrillMachineFormatLoad, CountsErrorsAndNamesTheFile) {
    const Loaded loaded = Load(".Comments TRAILING\n.DataFormat 2\n.StepMode ABSOLUTE\n");
    EXPECT_EQ(loaded.result, 3);
    EXPECT_EQ(loaded.messages,
              "Error: Constant <TRAILING> not allowed\n   in keyword <.COMMENTS> at line # 1\n"
              "Error: Expected <1> arguments\n   in keyword <.COMMENTS> above line # 1\n"
              "Error: Expected <2> arguments\n   in keyword <.DATAFORMAT> above line # 2\n"
              "\nError, There were 3 machine format errors detected\n  in file \\\"" +
                  loaded.path + "\\\"\n");
    EXPECT_EQ(loaded.format.comments, 1);
    EXPECT_EQ(loaded.format.integerDigits, 2);
    EXPECT_EQ(loaded.format.decimalDigits, 3);
}

TEST(DrillMachineFormatLoad, ReportsAnUnreadableFileAndKeepsTheRecord) {
    const std::string path = "/nonexistent/perforex/format.fmt";
    MessageCapture capture;
    CDrillMachineFormat format;
    format.integerDigits = 5;
    EXPECT_EQ(format.Load(capture.Stream(), path), 1);
    EXPECT_EQ(capture.Text(), "\nError: on opening parser input file (" + path +
                                  ") for reading.\n"
                                  "(check for a file or directory permission problem)\n\n"
                                  "Error reading Drill Machine Format File \\\"" +
                                  path + "\\\"\n");
    EXPECT_EQ(format.integerDigits, 5);

    const Loaded keyed = Load(std::string("\x05\x06\x13\x40", 4) + "short");
    EXPECT_EQ(keyed.result, 1);
    EXPECT_EQ(keyed.messages, "\nError: while trying to read parser input file (" + keyed.path +
                                  ").\n(check for bad or corrupted file)\n\n"
                                  "Error reading Drill Machine Format File \\\"" +
                                  keyed.path + "\\\"\n");
}

}  // namespace
