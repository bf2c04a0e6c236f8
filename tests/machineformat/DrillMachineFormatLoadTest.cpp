#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "MessageCapture.h"
#include "TempFile.h"
#include "machineformat/DrillMachineFormat.h"

namespace {

struct Loaded {
    CDrillMachineFormat format;
    int result;
    std::string messages;
    std::string path;
};

Loaded LoadAt(const std::string& path) {
    MessageCapture capture;
    Loaded loaded;
    loaded.result = loaded.format.Load(capture.Stream(), path);
    loaded.messages = capture.Text();
    loaded.path = path;
    return loaded;
}

Loaded Load(const std::string& bytes) {
    TempFile file(bytes, ".fmt");
    return LoadAt(file.Path());
}

// Renders every field of format in record order.
std::string Fields(const CDrillMachineFormat& f) {
    std::ostringstream text;
    text << f.dataType << ' ' << f.dataMode << ' ' << f.stepMode << ' ' << f.zeroTruncation << ' '
         << f.characterSet << ' ' << f.arcStyle << " [" << f.delimiter << "] [" << f.commentStr
         << "] " << f.recordLength << ' ' << f.sequenceNumbering << ' ' << f.unit << ' '
         << f.integerDigits << ' ' << f.decimalDigits << ' ' << f.comments << ' ' << f.unitLength;
    return text.str();
}

const char kDefaultFields[] = "1 1 1 1 1 2 [#] [; ] 0 0 1 3 3 1 2.54e+07";

TEST(DrillMachineFormatLoad, SetsEveryFieldFromItsKeyword) {
    const Loaded loaded = Load(
        ".FILETYPE DRILL_MACHINE_FILE\n.VERSION \"QK2002.1\"\n.CREATOR Someone else\n"
        ".DataType TRUDRILL\n.CharacterSet EBCIDIC\n.Unit MM\n.DataFormat 2,4\n"
        ".StepMode INCREMENTAL\n.DataMode NON_MODAL\n.ZeroTruncation TRAILING\n"
        ".SequenceNumbering SEQUENCENUMBERING_ON\n.Delimiter \"/\"\n.Comments COMMENTS_OFF\n"
        ".CommentStr \"\\tX\\\"\"\n.ArcStyle QUADRANT\n.RecordLength 0x50\n");
    EXPECT_EQ(loaded.result, 0);
    EXPECT_EQ(loaded.messages, "");
    EXPECT_EQ(Fields(loaded.format), "2 0 2 2 2 1 [/] [\tX\"] 80 1 2 2 4 0 1e+06");
}

// The bundled file sets every keyword to the value it has without one.
TEST(DrillMachineFormatLoad, LoadsTheBundledDefaultFileWithoutChange) {
    for (const Loaded& loaded : {Load(""), LoadAt(PERFOREX_SOURCE_DIR "/examples/default.fmt")}) {
        EXPECT_EQ(loaded.result, 0);
        EXPECT_EQ(loaded.messages, "");
        EXPECT_EQ(Fields(loaded.format), kDefaultFields);
    }
}

TEST(DrillMachineFormatLoad, AppliesValuesInFileOrderWithAliases) {
    const Loaded loaded = Load(
        ".Unit MM\n.Unit IN\n.DataType generic\n.Delimiter \"\"\n"
        ".ALIAS \".Digits\" \".DataFormat\" .ALIAS \".Measure\" \".Unit\"\n.Digits 4 5\n"
        ".Measure mm\n");
    EXPECT_EQ(loaded.result, 0);
    EXPECT_EQ(loaded.messages, "");
    EXPECT_EQ(Fields(loaded.format), "3 1 1 1 1 2 [*] [; ] 0 0 2 4 5 1 1e+06");

    const Loaded back = Load(".Unit MM\n.Unit IN\n");
    EXPECT_EQ(Fields(back.format), kDefaultFields);
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
    EXPECT_EQ(Fields(loaded.format), "1 1 1 1 1 2 [#] [; ] 0 0 1 2 3 1 2.54e+07");
}

}  // namespace
