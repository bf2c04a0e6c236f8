#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "MessageCapture.h"
#include "keywordparser/JNParser.h"
#include "machineformat/DrillMachineSchema.h"

namespace {

// A small schema that takes the paths the machine format never takes: nesting, required and
// optional sub-keywords, repeatable keywords, variable argument counts and doubles, an argument
// type the parser does not know, and a name longer than is stored.
enum TestKeywordId { kBoard = 1, kLayer, kNote, kPoints, kOrigin, kHole };
enum TestKeywordIdAfterAGap { kAny = 8, kSet, kTags, kGroup, kLong };

const int kBoardRequired[] = {kLayer, 0};
const int kBoardOptional[] = {kNote, kPoints, kOrigin, kAny, kSet, kTags, kGroup, 0};
const int kLayerOptional[] = {kHole, 0};
const int kGroupRequired[] = {kHole, 0};
const char* const kSpeeds[] = {"FAST", "SLOW", nullptr};

const JNP_KEYWORD_DEF kTestKeywords[] = {
    {"BOARD", kBoard, JNP_NO_ARGUMENTS, 0, 0, nullptr, kBoardRequired, kBoardOptional},
    {"LAYER", kLayer, JNP_STRING, 0, 1, nullptr, nullptr, kLayerOptional},
    {"NOTE", kNote, JNP_STRING, JNP_MAY_REPEAT, 1, nullptr, nullptr, nullptr},
    {"POINTS", kPoints, JNP_DOUBLE, JNP_VARIABLE_COUNT, 2, nullptr, nullptr, nullptr},
    {"ORIGIN", kOrigin, JNP_DOUBLE, 0, 2, nullptr, nullptr, nullptr},
    {"HOLE", kHole, JNP_INTEGER, JNP_MAY_REPEAT, 3, nullptr, nullptr, nullptr},
    {"ANY", kAny, 9, 0, 0, nullptr, nullptr, nullptr},
    {"SET", kSet, JNP_CONSTANT, 0, 1, nullptr, nullptr, nullptr},
    {"TAGS", kTags, JNP_CONSTANT, JNP_VARIABLE_COUNT, 1, kSpeeds, nullptr, nullptr},
    {"GROUP", kGroup, JNP_NO_ARGUMENTS, 0, 0, nullptr, kGroupRequired, nullptr},
    {"LONGKEYWORDNAMEWITHMORETHANTHIRTYTWOLETTERS", kLong, JNP_INTEGER, 0, 1, nullptr, nullptr,
     nullptr},
    {nullptr, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

const JNP_CONST_DEF kTestConstants[] = {{"FAST", 1}, {"HALF", 3}, {"SLOW", 2}, {nullptr, 0}};

// Everything one parse of a text produced: the diagnostic bytes, the constructs in a compact
// form and the error count.
struct ParseTranscript {
    std::string messages;
    std::string constructs;
    int errors;
};

// Joins a construct's integers, doubles and quoted strings with commas.
std::string Arguments(const JNPResult& construct) {
    std::string text;
    for (int value : construct.integers) {
        text += "," + std::to_string(value);
    }
    for (double value : construct.doubles) {
        char number[32];
        std::snprintf(number, sizeof number, ",%g", value);
        text += number;
    }
    for (const std::string& value : construct.texts) {
        text += ",\"" + value + "\"";
    }
    return text.empty() ? text : text.substr(1);
}

// Renders a construct chain as "id(arguments){children} next ...": integers and constants as
// numbers, doubles with %g, strings in double quotes.
std::string Describe(const JNPResult* construct) {
    std::string text;
    for (; construct != nullptr; construct = construct->next) {
        text += text.empty() ? "" : " ";
        text += std::to_string(construct->id) + "(" + Arguments(*construct) + ")";
        if (construct->firstChild != nullptr) {
            text += "{" + Describe(construct->firstChild) + "}";
        }
    }
    return text;
}

// Parses text the way a caller does, adding an alias for every construct whose id is aliasId
// and writing the result of that after it as "=0" or "=1"; top-level constructs are separated by
// "; ".
ParseTranscript Parse(const std::string& text, const JNP_KEYWORD_DEF* keywords,
                      const JNP_CONST_DEF* constants, int aliasId = 0) {
    MessageCapture capture;
    JNParser parser;
    ParseTranscript transcript{"", "", 0};
    if (parser.Initialise(text.c_str(), capture.Stream(), keywords, constants, true) != 0) {
        transcript.errors = -1;
        return transcript;
    }
    for (JNPResult* construct = parser.NextResult(); construct != nullptr;
         construct = parser.NextResult()) {
        transcript.constructs += (transcript.constructs.empty() ? "" : "; ") + Describe(construct);
        if (construct->id == aliasId) {
            transcript.constructs += "=" + std::to_string(parser.AddAlias(*construct));
        }
        JNParser::FreeResult(construct);
    }
    transcript.messages = capture.Text();
    transcript.errors = parser.Errors();
    return transcript;
}

// A text with the error count, constructs and diagnostic bytes that parsing it must give.
struct Case {
    const char* text;
    int errors;
    const char* constructs;
    const char* messages;
};

// Parses every case with one schema, adding an alias for every construct whose id is aliasId.
template <std::size_t N>
void ExpectTranscripts(const Case (&cases)[N], const JNP_KEYWORD_DEF* keywords,
                       const JNP_CONST_DEF* constants, int aliasId = 0) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ParseTranscript transcript = Parse(c.text, keywords, constants, aliasId);
        EXPECT_EQ(transcript.messages, c.messages);
        EXPECT_EQ(transcript.errors, c.errors);
        EXPECT_EQ(transcript.constructs, c.constructs);
    }
}

// The examples of docs/machine-format.md, which its own test loads, show a bad constant, a double
// for an integer and too many arguments.
const Case kMachineCases[] = {
    {".unit mm\n.DataFormat 2 4\n.DATAFORMAT (2, 4)", 0, "15(2); 7(2,4); 7(2,4)", ""},
    {"\n! header\n.UNIT IN!note\n.RECORDLENGTH 0X1F .RECORDLENGTH 010 .RECORDLENGTH -7", 0,
     "15(1); 12(31); 12(8); 12(-7)", ""},
    {".RECORDLENGTH 2147483647 .RECORDLENGTH -2147483648 .RECORDLENGTH 0X7FFFFFFF", 0,
     "12(2147483647); 12(-2147483648); 12(2147483647)", ""},
    {".FILETYPE DRILL_MACHINE_FILE 1 \"x\n.CREATOR any text\n.UNIT MM", 0, "11(); 6(); 15(2)", ""},
    {".RECORDLENGTH 12X MM \"s\" 4294967296 -\n", 6, "12()",
     "Error: Bad int value <12X>\n   in keyword <.RECORDLENGTH> at line # 1\n"
     "Error: Unexpected constant <MM>\n   in keyword <.RECORDLENGTH> at line # 1\n"
     "Error: Unexpected string <\"s\">\n   in keyword <.RECORDLENGTH> at line # 1\n"
     "Error: Bad int value <4294967296>\n   in keyword <.RECORDLENGTH> at line # 1\n"
     "Error: Expected <1> arguments\n   in keyword <.RECORDLENGTH> above line # 0\n"
     "Error: Unknown keyword <-> at line # 1\n"},
    {".UNIT 5 2.5 \"MM\" MM", 3, "15(2)",
     "Error: Unexpected int <5>\n   in keyword <.UNIT> at line # 1\n"
     "Error: Unexpected double <2.5>\n   n keyword <.UNIT> at line # 1\n"
     "Error: Unexpected string <\"MM\">\n   in keyword <.UNIT> at line # 1\n"},
    {".VERSION 5 1.5 MM \"a\" \"b\" ABC", 5, "16(\"a\")",
     "Error: Unexpected int <5>\n   in keyword <.VERSION> at line # 1\n"
     "Error: Unexpected double <1.5>\n   in keyword <.VERSION> at line # 1\n"
     "Error: Unexpected constant <MM>\n   in keyword <.VERSION> at line # 1\n"
     "Error: Too many arguments <2>\n   in keyword <.VERSION> above line # 0\n"
     "Error: Unknown keyword <ABC> at line # 1\n"},
    {"UNIT MM\n.UNIT IN", 1, "15(1)", "Error: Unknown keyword <UNIT> at line # 1\n"},
    {"..UNIT MM", 1, "",
     "Error: Bad keyword hierarchy above line # 1\n"
     "   The following keyword construct was ignored:\n  ..UNIT MM \n\n"},
    {".UNIT MM\n..VERSION \"x\"\n", 1, "15(2)",
     "Error: Keyword <..VERSION> not allowed\n   in keyword <.UNIT> at line # 2\n"},
    {".ALIAS \".measure\" \".unit\" .ALIAS \"..SIZE\" \".DATAFORMAT\"\n.MEASURE MM .SIZE 2 4", 0,
     "1(\".measure\",\".unit\")=0; 1(\"..SIZE\",\".DATAFORMAT\")=0; 15(2); 7(2,4)", ""},
    {".ALIAS \".MEASURE\" \"unit\"\n.UNIT MM\n", 1, "1(\".MEASURE\",\"unit\")=1; 15(2)",
     "Error: Attempted alias to non-existent keyword <UNIT>\n"
     "   in keyword <.ALIAS> above line # 2\n"
     "   The following keyword construct skipped due to errors\n"
     ".ALIAS  ( \".MEASURE\" , \"UNIT\" )\n\n"},
    {".ALIAS \".UNIT\" \".VERSION\"", 1, "1(\".UNIT\",\".VERSION\")=1",
     "Error: Attempted to alias an existing keyword <.UNIT>\n"
     "   in keyword <.ALIAS> above line # 1\n"
     "   The following keyword construct skipped due to errors\n"
     ".ALIAS  ( \".UNIT\" , \".VERSION\" )\n\n"},
    {".ALIAS \".MEASURE\"\n.MEASURE MM", 2, "1(\".MEASURE\")=1",
     "Error: Expected <2> arguments\n   in keyword <.ALIAS> above line # 1\n"
     "Error: Unknown keyword <.MEASURE> at line # 2\n"},
    {"\xFF.UNIT MM", 0, "", ""},
    {".UNIT MM\n\xFF.UNIT IN", 0, "15(2); 15(1)", ""},
    {".UNIT\r\nMM\r\n.UNIT\rIN\r\r\n.VERSION 1", 3, "15(2); 16()",
     "Error: Bad constant value <.UNITIN>\n   in keyword <.UNIT> at line # 3\n"
     "Error: Unexpected int <1>\n   in keyword <.VERSION> at line # 4\n"
     "Error: Expected <1> arguments\n   in keyword <.VERSION> above line # 3\n"},
};

TEST(JNParser, ParsesTheMachineSchemaWithItsDiagnostics) {
    ExpectTranscripts(kMachineCases, kDrillMachineKeywords, kDrillMachineConstants, kAliasKeyword);
}

const Case kNestingCases[] = {
    {".BOARD\n..LAYER \"top\"\n...HOLE 1 2 3\n...HOLE 4 5 6\n..NOTE \"a\"\n..NOTE \"b\"\n"
     "..POINTS 1.5 2 3 4\n",
     0, "1(){2(\"top\"){6(1,2,3) 6(4,5,6)} 3(\"a\") 3(\"b\") 4(1.5,2,3,4)}", ""},
    {".BOARD\n..NOTE \"x\"\n.BOARD\n..LAYER \"L\"", 1, "1(){2(\"L\")}",
     "Error: Required keyword <LAYER> does not exist\n   in keyword <.BOARD> above line # 3\n"
     "   The following keyword construct skipped due to errors\n.BOARD\n  ..NOTE \"x\" \n\n"},
    {".BOARD ..LAYER \"a\" ..NOTE \"1\" ..ORIGIN 1 2 ..NOTE \"2\" ..ORIGIN 3 4 ..LAYER \"b\"", 2,
     "1(){2(\"a\") 3(\"1\") 5(1,2) 3(\"2\")}",
     "Error: Duplicate keyword <..LAYER> not allowed\n   in keyword <.BOARD> above line # 1\n"
     "   The following keyword construct skipped due to errors\n  ..LAYER \"b\" \n\n"
     "Error: Duplicate keyword <..ORIGIN> not allowed\n   in keyword <.BOARD> above line # 1\n"
     "   The following keyword construct skipped due to errors\n  ..ORIGIN  ( 3 , 4 )\n\n"},
    {".BOARD\n..LAYER \"a\"\n..POINTS 1 2 3\n", 0, "1(){2(\"a\") 4(1,2)}",
     "Error: Arguments <3> must be modulo <2>\n   in keyword <..POINTS> above line # 3\n"},
    {".BOARD\n..LAYER \"a\"\n..POINTS 1\n", 1, "1(){2(\"a\") 4(1)}",
     "Error: Expected <2> arguments\n   in keyword <..POINTS> above line # 3\n"},
    {".BOARD ..LAYER \"a\" ..ORIGIN .5e3 -2.5E-1", 0, "1(){2(\"a\") 5(500,-0.25)}", ""},
    {".BOARD ..LAYER \"a\" ..ORIGIN 0X10 FAST 1.5Q \"s\" 7", 5, "1(){2(\"a\") 5(7)}",
     "Error: Unexpected int <0X10>\n   in keyword <..ORIGIN> at line # 1\n"
     "Error: Unexpected constant <FAST>\n   in keyword <..ORIGIN> at line # 1\n"
     "Error: Bad double value <1.5Q>\n   in keyword <..ORIGIN> at line # 1\n"
     "Error: Unexpected string <\"s\">\n   in keyword <..ORIGIN> at line # 1\n"
     "Error: Expected <2> arguments\n   in keyword <..ORIGIN> above line # 0\n"},
    {".BOARD ..LAYER \"a\" ..ORIGIN 1 INF", 2, "1(){2(\"a\") 5(1)}",
     "Error: Expected <2> arguments\n   in keyword <..ORIGIN> above line # 0\n"
     "Error: Unknown keyword <INF> at line # 1\n"},
    {".BOARD\n..LAYER \"a\"\n...NOTE \"n\"\n", 1, "1(){2(\"a\")}",
     "Error: Keyword <...NOTE> not allowed\n   in keyword <.BOARD> at line # 3\n"},
    {".BOARD\n..LAYER \"a\"\n..HOLE 1 2 3\n", 1, "1(){2(\"a\")}",
     "Error: Keyword <..HOLE> not allowed\n   in keyword <.BOARD> at line # 3\n"},
    {".BOARD\n..LAYER \"a\"\n..GROUP\n..NOTE \"n\"\n", 1, "1(){2(\"a\") 3(\"n\")}",
     "Error: Required keyword <HOLE> does not exist\n   in keyword <..GROUP> above line # 4\n"
     "   The following keyword construct skipped due to errors\n  ..GROUP\n\n"},
    {".BOARD\n..LAYER \"a\"\n..GROUP\n...HOLE 1 2 3\n", 0, "1(){2(\"a\") 11(){6(1,2,3)}}", ""},
    {".BOARD ..LAYER \"a\" ..SET FAST", 2, "1(){2(\"a\") 9()}",
     "Error: Constant <FAST> not allowed\n   in keyword <..SET> at line # 1\n"
     "Error: Expected <1> arguments\n   in keyword <..SET> above line # 0\n"},
    {".BOARD ..LAYER \"a\" ..ANY 1 \"2\" ..NOTE\n..NOTE \"n\"", 0, "1(){2(\"a\") 8() 3(\"n\")}",
     ""},
    {".BOARD ..LAYER \"a\" ..TAGS FAST SLOW FAST", 0, "1(){2(\"a\") 10(1,2,1)}", ""},
    {"..NOTE \"a\"\n..NOTE \"b\"\n.BOARD ..LAYER \"x\"", 2, "1(){2(\"x\")}",
     "Error: Keyword <..NOTE> not allowed\n   in keyword <..NOTE> at line # 2\n"
     "Error: Bad keyword hierarchy above line # 3\n"
     "   The following keyword construct was ignored:\n  ..NOTE \"a\" \n\n"},
    {"..TAGS FAST SLOW FAST SLOW FAST\n.BOARD ..LAYER \"x\"", 1, "1(){2(\"x\")}",
     "Error: Bad keyword hierarchy above line # 2\n"
     "   The following keyword construct was ignored:\n"
     "  ..TAGS  ( FAST , SLOW , FAST , SLOW )\n\tFAST \n\n"},
    // The stored name is cut to 32 characters.
    {".longkeywordnamewithmorethanthirtytwoletters 1X", 2, "12()",
     "Error: Bad int value <1X>\n   in keyword <.LONGKEYWORDNAMEWITHMORETHANTHI> at line # 1\n"
     "Error: Expected <1> arguments\n"
     "   in keyword <.LONGKEYWORDNAMEWITHMORETHANTHI> above line # 0\n"},
};

TEST(JNParser, ParsesNestedConstructsWithTheirDiagnostics) {
    ExpectTranscripts(kNestingCases, kTestKeywords, kTestConstants);
}

const int kNestOptional[] = {1, 0};
const JNP_KEYWORD_DEF kNestKeywords[] = {
    {"NEST", 1, JNP_INTEGER, 0, 1, nullptr, nullptr, kNestOptional},
    {nullptr, 0, 0, 0, 0, nullptr, nullptr, nullptr}};
const JNP_CONST_DEF kNoConstants[] = {{nullptr, 0}};

TEST(JNParser, KeepsThirtyTwoLevelsOfThousandsAndSkipsTheRest) {
    std::string text, kept;
    for (int level = 1; level <= 3000; ++level) {
        text += std::string(level, '.') + "NEST " + std::to_string(level) + "\n";
    }
    for (int level = 32; level >= 1; --level) {
        kept = "1(" + std::to_string(level) + ")" + (kept.empty() ? "" : "{" + kept + "}");
    }
    const ParseTranscript transcript = Parse(text, kNestKeywords, kNoConstants);
    EXPECT_EQ(transcript.constructs, kept);
    EXPECT_EQ(transcript.errors, 1);
    EXPECT_EQ(transcript.messages,
              "Error: Bad keyword hierarchy above line # 33\n"
              "   Keywords nested deeper than 32 levels skipped from <" +
                  std::string(33, '.') + "NEST> on\n");
}

}  // namespace
