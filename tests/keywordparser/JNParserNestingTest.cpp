#include <gtest/gtest.h>

#include <string>

#include "MessageCapture.h"
#include "ParseTranscript.h"
#include "TestSchema.h"
#include "keywordparser/JNParser.h"
#include "machineformat/DrillMachineSchema.h"

namespace {

struct Case {
    const char* text;
    const char* messages;
    int errors;
    const char* constructs;
};

const Case kCases[] = {
    {".BOARD\n..LAYER \"top\"\n...HOLE 1 2 3\n...HOLE 4 5 6\n..NOTE \"a\"\n..NOTE \"b\"\n"
     "..POINTS 1.5 2 3 4\n",
     "", 0, "1(){2(\"top\"){6(1,2,3) 6(4,5,6)} 3(\"a\") 3(\"b\") 4(1.5,2,3,4)}"},
    {".BOARD\n..NOTE \"x\"\n.BOARD\n..LAYER \"L\"",
     "Error: Required keyword <LAYER> does not exist\n   in keyword <.BOARD> above line # 3\n"
     "   The following keyword construct skipped due to errors\n.BOARD\n  ..NOTE \"x\" \n\n",
     1, "1(){2(\"L\")}"},
    {".BOARD\n..LAYER \"a\"\n..ORIGIN 1 2\n..ORIGIN 3 4\n",
     "Error: Duplicate keyword <..ORIGIN> not allowed\n   in keyword <.BOARD> above line # 5\n"
     "   The following keyword construct skipped due to errors\n  ..ORIGIN  ( 3 , 4 )\n\n",
     1, "1(){2(\"a\") 5(1,2)}"},
    {".BOARD ..LAYER \"a\" ..NOTE \"1\" ..ORIGIN 1 2 ..NOTE \"2\" ..ORIGIN 3 4 ..LAYER \"b\"",
     "Error: Duplicate keyword <..LAYER> not allowed\n   in keyword <.BOARD> above line # 1\n"
     "   The following keyword construct skipped due to errors\n  ..LAYER \"b\" \n\n"
     "Error: Duplicate keyword <..ORIGIN> not allowed\n   in keyword <.BOARD> above line # 1\n"
     "   The following keyword construct skipped due to errors\n  ..ORIGIN  ( 3 , 4 )\n\n",
     2, "1(){2(\"a\") 3(\"1\") 5(1,2) 3(\"2\")}"},
    {".BOARD\n..LAYER \"a\"\n..POINTS 1 2 3\n",
     "Error: Arguments <3> must be modulo <2>\n   in keyword <..POINTS> above line # 3\n", 0,
     "1(){2(\"a\") 4(1,2)}"},
    {".BOARD\n..LAYER \"a\"\n..POINTS 1\n",
     "Error: Expected <2> arguments\n   in keyword <..POINTS> above line # 3\n", 1,
     "1(){2(\"a\") 4(1)}"},
    {".BOARD ..LAYER \"a\" ..ORIGIN 0X10 FAST 1.5Q \"s\" 7",
     "Error: Unexpected int <0X10>\n   in keyword <..ORIGIN> at line # 1\n"
     "Error: Unexpected constant <FAST>\n   in keyword <..ORIGIN> at line # 1\n"
     "Error: Bad double value <1.5Q>\n   in keyword <..ORIGIN> at line # 1\n"
     "Error: Unexpected string <\"s\">\n   in keyword <..ORIGIN> at line # 1\n"
     "Error: Expected <2> arguments\n   in keyword <..ORIGIN> above line # 0\n",
     5, "1(){2(\"a\") 5(7)}"},
    {".BOARD ..LAYER \"a\" ..ORIGIN 1 INF",
     "Error: Expected <2> arguments\n   in keyword <..ORIGIN> above line # 0\n"
     "Error: Unknown keyword <INF> at line # 1\n",
     2, "1(){2(\"a\") 5(1)}"},
    {".BOARD\n..LAYER \"a\"\n...NOTE \"n\"\n",
     "Error: Keyword <...NOTE> not allowed\n   in keyword <.BOARD> at line # 3\n", 1,
     "1(){2(\"a\")}"},
    {".BOARD\n..LAYER \"a\"\n..HOLE 1 2 3\n",
     "Error: Keyword <..HOLE> not allowed\n   in keyword <.BOARD> at line # 3\n", 1,
     "1(){2(\"a\")}"},
    {".BOARD\n..GROUP\n..LAYER \"a\"\n",
     "Error: Required keyword <HOLE> does not exist\n   in keyword <..GROUP> above line # 4\n"
     "   The following keyword construct skipped due to errors\n  ..GROUP\n\n",
     1, "1(){2(\"a\")}"},
    {".BOARD\n..LAYER \"a\"\n..GROUP\n..NOTE \"n\"\n",
     "Error: Required keyword <HOLE> does not exist\n   in keyword <..GROUP> above line # 4\n"
     "   The following keyword construct skipped due to errors\n  ..GROUP\n\n",
     1, "1(){2(\"a\") 3(\"n\")}"},
    {".BOARD\n..LAYER \"a\"\n..GROUP\n...HOLE 1 2 3\n", "", 0, "1(){2(\"a\") 11(){6(1,2,3)}}"},
    {".BOARD ..LAYER \"a\" ..SET FAST",
     "Error: Constant <FAST> not allowed\n   in keyword <..SET> at line # 1\n"
     "Error: Expected <1> arguments\n   in keyword <..SET> above line # 0\n",
     2, "1(){2(\"a\") 9()}"},
    {".BOARD ..LAYER \"a\" ..ANY 1 \"2\" ..NOTE\n..NOTE \"n\"", "", 0,
     "1(){2(\"a\") 8() 3(\"n\")}"},
    {".BOARD ..LAYER \"a\" ..TAGS FAST SLOW FAST", "", 0, "1(){2(\"a\") 10(1,2,1)}"},
    {"..NOTE \"a\"\n..NOTE \"b\"\n.BOARD ..LAYER \"x\"",
     "Error: Keyword <..NOTE> not allowed\n   in keyword <..NOTE> at line # 2\n"
     "Error: Bad keyword hierarchy above line # 3\n"
     "   The following keyword construct was ignored:\n  ..NOTE \"a\" \n\n",
     2, "1(){2(\"x\")}"},
};

TEST(JNParserNesting, ParsesEveryCaseWithItsDiagnostics) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        const ParseTranscript transcript = Parse(c.text, kTestKeywords, kTestConstants);
        EXPECT_EQ(transcript.messages, c.messages);
        EXPECT_EQ(transcript.errors, c.errors);
        EXPECT_EQ(transcript.constructs, c.constructs);
    }
}

// Returns count lines, line i holding i dots, name and i (or argument).
std::string EverDeeper(int count, const std::string& name, const char* argument = nullptr) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += std::string(i, '.') + name + " " + (argument ? argument : std::to_string(i)) + "\n";
    }
    return text;
}

const int kNestOptional[] = {1, 0};
const JNP_KEYWORD_DEF kNestKeywords[] = {
    {"NEST", 1, JNP_INTEGER, 0, 1, nullptr, nullptr, kNestOptional},
    {nullptr, 0, 0, 0, 0, nullptr, nullptr, nullptr}};
const JNP_CONST_DEF kNoConstants[] = {{nullptr, 0}};

TEST(JNParserNesting, KeepsThirtyTwoLevelsOfThousandsAndSkipsTheRest) {
    const std::string text = EverDeeper(3000, "NEST");
    MessageCapture capture;
    JNParser parser;
    ASSERT_EQ(parser.Initialise(text.c_str(), capture.Stream(), kNestKeywords, kNoConstants, true),
              0);
    JNPResult* top = parser.NextResult();
    ASSERT_NE(top, nullptr);
    const JNPResult* deepest = top;
    int depth = 1;
    for (; deepest->firstChild != nullptr; deepest = deepest->firstChild, ++depth) {
        EXPECT_EQ(deepest->firstChild->integers[0], depth + 1);
    }
    EXPECT_EQ(depth, JNParser::kMaxLevel);
    EXPECT_EQ(std::string(deepest->name), std::string(31, '.'));
    EXPECT_EQ(parser.NextResult(), nullptr);
    EXPECT_EQ(parser.Errors(), 1);
    EXPECT_EQ(capture.Text(),
              "Error: Bad keyword hierarchy above line # 33\n"
              "   Keywords nested deeper than 32 levels skipped from <" +
                  std::string(33, '.') + "NEST> on\n");
    JNParser::FreeResult(top);
}

TEST(JNParserNesting, SurvivesThousandsOfEverDeeperKeywordsThatAreNotAllowed) {
    const ParseTranscript transcript =
        Parse(EverDeeper(3000, "UNIT", "MM"), kDrillMachineKeywords, kDrillMachineConstants);
    // Keywords of levels 2 to 32 are not allowed, one report for everything deeper.
    EXPECT_EQ(transcript.errors, 32);
    EXPECT_EQ(transcript.constructs, "15(2)");
    std::size_t notAllowed = 0;
    for (std::size_t at = 0;
         (at = transcript.messages.find("not allowed", at)) != std::string::npos; ++at) {
        ++notAllowed;
    }
    EXPECT_EQ(notAllowed, 31u);
    EXPECT_NE(transcript.messages.find("Error: Keyword <...UNIT> not allowed\n"
                                       "   in keyword <.UNIT> at line # 3\n"
                                       "Error: Keyword <....UNIT> not allowed\n"
                                       "   in keyword <..UNIT> at line # 4\n"),
              std::string::npos);
}

TEST(JNParserNesting, HandlesLongRunsOfSiblingsAndRejectedConstructs) {
    std::string siblings = ".BOARD ..LAYER \"a\"\n";
    std::string misplaced;
    std::string incomplete;
    for (int i = 0; i < 20000; ++i) {
        siblings += "..NOTE \"n\"\n";
        misplaced += "..NOTE \"n\"\nX\n";
        incomplete += ".GROUP\n";
    }
    const ParseTranscript many = Parse(siblings, kTestKeywords, kTestConstants);
    EXPECT_EQ(many.errors, 0);
    EXPECT_EQ(many.constructs.size(), std::string("1(){2(\"a\")}").size() + 20000 * 7);
    // Each NOTE is a bad hierarchy, each X an unknown keyword.
    const ParseTranscript bad = Parse(misplaced, kTestKeywords, kTestConstants);
    EXPECT_EQ(bad.errors, 40000);
    EXPECT_EQ(bad.constructs, "");
    const ParseTranscript missing = Parse(incomplete, kTestKeywords, kTestConstants);
    EXPECT_EQ(missing.errors, 20000);
    EXPECT_EQ(missing.constructs, "");
}

TEST(JNParserNesting, CutsLongKeywordNamesWhereTheyAreStored) {
    const JNP_KEYWORD_DEF keywords[] = {{"LONGKEYWORDNAMEWITHMORETHANTHIRTYTWOLETTERS", 1,
                                         JNP_INTEGER, 0, 1, nullptr, nullptr, nullptr},
                                        {nullptr, 0, 0, 0, 0, nullptr, nullptr, nullptr}};
    const ParseTranscript transcript =
        Parse(".longkeywordnamewithmorethanthirtytwoletters 1X", keywords, kNoConstants);
    EXPECT_EQ(
        transcript.messages,
        "Error: Bad int value <1X>\n   in keyword <.LONGKEYWORDNAMEWITHMORETHANTHI> at line # 1\n"
        "Error: Expected <1> arguments\n"
        "   in keyword <.LONGKEYWORDNAMEWITHMORETHANTHI> above line # 0\n");
    EXPECT_EQ(transcript.errors, 2);
    EXPECT_EQ(transcript.constructs, "1()");
}

}  // namespace
