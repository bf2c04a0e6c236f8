#include <gtest/gtest.h>

#include <string>

#include "ParseTranscript.h"
#include "machineformat/DrillMachineSchema.h"

namespace {

struct Case {
    const char* text;
    const char* messages;
    int errors;
    const char* constructs;
};

const Case kCases[] = {
    {".UNIT MM", "", 0, "15(2)"},
    {".unit mm\n.DataFormat 2 4\n.DATAFORMAT (2, 4)", "", 0, "15(2); 7(2,4); 7(2,4)"},
    {"\n! header\n.UNIT IN!note\n.RECORDLENGTH 0X1F .RECORDLENGTH 010 .RECORDLENGTH -7", "", 0,
     "15(1); 12(31); 12(8); 12(-7)"},
    {".FILETYPE DRILL_MACHINE_FILE 1 \"x\n.CREATOR any text\n.UNIT MM", "", 0, "11(); 6(); 15(2)"},
    {".UNIT INCH",
     "Error: Bad constant value <INCH>\n   in keyword <.UNIT> at line # 1\n"
     "Error: Expected <1> arguments\n   in keyword <.UNIT> above line # 0\n",
     2, "15()"},
    {".DATAFORMAT 2,4,6\n",
     "Error: Too many arguments <3>\n   in keyword <.DATAFORMAT> above line # 1\n", 1, "7(2,4)"},
    {".RECORDLENGTH 1.5\n",
     "Error: Unexpected double <1.5>\n   in keyword <.RECORDLENGTH> at line # 1\n"
     "Error: Expected <1> arguments\n   in keyword <.RECORDLENGTH> above line # 1\n",
     2, "12()"},
    {".RECORDLENGTH ABC\n",
     "Error: Expected <1> arguments\n   in keyword <.RECORDLENGTH> above line # 0\n"
     "Error: Unknown keyword <ABC> at line # 1\n",
     2, "12()"},
    {".RECORDLENGTH 12X MM \"s\" 4294967296 -\n",
     "Error: Bad int value <12X>\n   in keyword <.RECORDLENGTH> at line # 1\n"
     "Error: Unexpected constant <MM>\n   in keyword <.RECORDLENGTH> at line # 1\n"
     "Error: Unexpected string <\"s\">\n   in keyword <.RECORDLENGTH> at line # 1\n"
     "Error: Bad int value <4294967296>\n   in keyword <.RECORDLENGTH> at line # 1\n"
     "Error: Expected <1> arguments\n   in keyword <.RECORDLENGTH> above line # 0\n"
     "Error: Unknown keyword <-> at line # 1\n",
     6, "12()"},
    {".COMMENTS TRAILING\n",
     "Error: Constant <TRAILING> not allowed\n   in keyword <.COMMENTS> at line # 1\n"
     "Error: Expected <1> arguments\n   in keyword <.COMMENTS> above line # 1\n",
     2, "4()"},
    {".UNIT 5 2.5 \"MM\" MM",
     "Error: Unexpected int <5>\n   in keyword <.UNIT> at line # 1\n"
     "Error: Unexpected double <2.5>\n   n keyword <.UNIT> at line # 1\n"
     "Error: Unexpected string <\"MM\">\n   in keyword <.UNIT> at line # 1\n",
     3, "15(2)"},
    {".VERSION 5 1.5 MM \"a\" \"b\" ABC",
     "Error: Unexpected int <5>\n   in keyword <.VERSION> at line # 1\n"
     "Error: Unexpected double <1.5>\n   in keyword <.VERSION> at line # 1\n"
     "Error: Unexpected constant <MM>\n   in keyword <.VERSION> at line # 1\n"
     "Error: Too many arguments <2>\n   in keyword <.VERSION> above line # 0\n"
     "Error: Unknown keyword <ABC> at line # 1\n",
     5, "16(\"a\")"},
    {"UNIT MM\n.UNIT IN", "Error: Unknown keyword <UNIT> at line # 1\n", 1, "15(1)"},
    {"\"x\" .UNIT IN", "Error: Unknown keyword <x> at line # 1\n", 1, "15(1)"},
    {"..UNIT MM",
     "Error: Bad keyword hierarchy above line # 1\n"
     "   The following keyword construct was ignored:\n  ..UNIT MM \n\n",
     1, ""},
    {"..UNIT MM\n.UNIT IN",
     "Error: Bad keyword hierarchy above line # 2\n"
     "   The following keyword construct was ignored:\n  ..UNIT MM \n\n",
     1, "15(1)"},
    {".UNIT MM\n..VERSION \"x\"\n",
     "Error: Keyword <..VERSION> not allowed\n   in keyword <.UNIT> at line # 2\n", 1, "15(2)"},
    {".ALIAS \".MEASURE\" \".UNIT\"\n.MEASURE MM\n", "", 0, "1(\".MEASURE\",\".UNIT\"); 15(2)"},
    {".ALIAS \".measure\" \".unit\" .ALIAS \"..SIZE\" \".DATAFORMAT\"\n.MEASURE MM .SIZE 2 4", "",
     0, "1(\".MEASURE\",\".UNIT\"); 1(\"..SIZE\",\".DATAFORMAT\"); 15(2); 7(2,4)"},
    {".ALIAS \".MEASURE\" \"unit\"\n.UNIT MM\n",
     "Error: Attempted alias to non-existent keyword <UNIT>\n"
     "   in keyword <.ALIAS> above line # 2\n"
     "   The following keyword construct skipped due to errors\n"
     ".ALIAS  ( \".MEASURE\" , \"UNIT\" )\n\n",
     1, "1(\".MEASURE\",\"UNIT\"); 15(2)"},
    {".ALIAS \".UNIT\" \".VERSION\"",
     "Error: Attempted to alias an existing keyword <.UNIT>\n"
     "   in keyword <.ALIAS> above line # 1\n"
     "   The following keyword construct skipped due to errors\n"
     ".ALIAS  ( \".UNIT\" , \".VERSION\" )\n\n",
     1, "1(\".UNIT\",\".VERSION\")"},
    {".ALIAS \".MEASURE\"\n.MEASURE MM",
     "Error: Expected <2> arguments\n   in keyword <.ALIAS> above line # 1\n"
     "Error: Unknown keyword <.MEASURE> at line # 2\n",
     2, "1(\".MEASURE\")"},
    {"\xFF.UNIT MM", "", 0, ""},
    {".UNIT MM\n\xFF.UNIT IN", "", 0, "15(2); 15(1)"},
    {".UNIT\r\nMM\r\n.UNIT\rIN\r\r\n.VERSION 1",
     "Error: Bad constant value <.UNITIN>\n   in keyword <.UNIT> at line # 3\n"
     "Error: Unexpected int <1>\n   in keyword <.VERSION> at line # 4\n"
     "Error: Expected <1> arguments\n   in keyword <.VERSION> above line # 3\n",
     3, "15(2); 16()"},
};

TEST(JNParserMachineSchema, ParsesEveryCaseWithItsDiagnostics) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        const ParseTranscript transcript =
            Parse(c.text, kDrillMachineKeywords, kDrillMachineConstants, kAliasKeyword);
        EXPECT_EQ(transcript.messages, c.messages);
        EXPECT_EQ(transcript.errors, c.errors);
        EXPECT_EQ(transcript.constructs, c.constructs);
    }
}

}  // namespace
