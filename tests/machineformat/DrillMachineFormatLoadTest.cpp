#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "MessageCapture.h"
#include "TempFile.h"
#include "machineformat/DrillMachineFormat.h"

namespace {

// Loads the file at path and renders its result, its messages ("{path}" for the path) and every
// field of the record in record order.
std::string LoadAt(const std::string& path) {
    MessageCapture capture;
    CDrillMachineFormat f;
    std::ostringstream text;
    text << f.Load(capture.Stream(), path) << ": " << f.dataType << ' ' << f.dataMode << ' '
         << f.stepMode << ' ' << f.zeroTruncation << ' ' << f.characterSet << ' ' << f.arcStyle
         << " [" << f.delimiter << "] [" << f.commentStr << "] " << f.recordLength << ' '
         << f.sequenceNumbering << ' ' << f.unit << ' ' << f.integerDigits << ' ' << f.decimalDigits
         << ' ' << f.comments << ' ' << f.unitLength << '\n';
    std::string messages = capture.Text();
    for (auto at = messages.find(path); at != std::string::npos; at = messages.find(path)) {
        messages.replace(at, path.size(), "{path}");
    }
    return text.str() + messages;
}

const char kDefaults[] = "0: 1 1 1 1 1 2 [#] [; ] 0 0 1 3 3 1 2.54e+07\n";

TEST(DrillMachineFormatLoad, SetsTheFieldsFromTheKeywordsInFileOrder) {
    const struct {
        const char* text;
        const char* loaded;
    } cases[] = {
        {"", kDefaults},
        {".Unit MM\n.Unit IN\n", kDefaults},
        {".FILETYPE DRILL_MACHINE_FILE\n.VERSION \"QK2002.1\"\n.CREATOR Someone else\n"
         ".DataType TRUDRILL\n.CharacterSet EBCIDIC\n.Unit MM\n.DataFormat 2,4\n"
         ".StepMode INCREMENTAL\n.DataMode NON_MODAL\n.ZeroTruncation TRAILING\n"
         ".SequenceNumbering SEQUENCENUMBERING_ON\n.Delimiter \"/\"\n.Comments COMMENTS_OFF\n"
         ".CommentStr \"\\tX\\\"\"\n.ArcStyle QUADRANT\n.RecordLength 0x50\n",
         "0: 2 0 2 2 2 1 [/] [\tX\"] 80 1 2 2 4 0 1e+06\n"},
        {".Unit MM\n.Unit IN\n.DataType generic\n.Delimiter \"\"\n"
         ".ALIAS \".Digits\" \".DataFormat\" .ALIAS \".Measure\" \".Unit\"\n.Digits 4 5\n"
         ".Measure mm\n",
         "0: 3 1 1 1 1 2 [*] [; ] 0 0 2 4 5 1 1e+06\n"},
        {".Comments TRAILING\n.DataFormat 2\n.StepMode ABSOLUTE\n",
         "3: 1 1 1 1 1 2 [#] [; ] 0 0 1 2 3 1 2.54e+07\n"
         "Error: Constant <TRAILING> not allowed\n   in keyword <.COMMENTS> at line # 1\n"
         "Error: Expected <1> arguments\n   in keyword <.COMMENTS> above line # 1\n"
         "Error: Expected <2> arguments\n   in keyword <.DATAFORMAT> above line # 2\n"
         "\nError, There were 3 machine format errors detected\n  in file \\\"{path}\\\"\n"},
    };
    for (const auto& c : cases) {
        const TempFile file(c.text, ".fmt");
        EXPECT_EQ(LoadAt(file.Path()), c.loaded) << c.text;
    }
}

// The bundled file sets every keyword to the value it has without one.
TEST(DrillMachineFormatLoad, LoadsTheBundledDefaultFileWithoutChange) {
    EXPECT_EQ(LoadAt(PERFOREX_SOURCE_DIR "/examples/default.fmt"), kDefaults);
    EXPECT_EQ(LoadAt("/nonexistent/perforex.fmt").substr(0, 3), "1: ");
}

}  // namespace
