#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "MessageCapture.h"
#include "TestSchema.h"
#include "keywordparser/JNPDumper.h"
#include "machineformat/DrillMachineSchema.h"

namespace {

class JNPDumperTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(machine.Build(kDrillMachineKeywords, kDrillMachineConstants, sink), 0);
        ASSERT_EQ(test.Build(kTestKeywords, kTestConstants, sink), 0);
    }

    // Returns a construct for token with the given integer or constant values.
    JNPResult* Make(JNPDefinitions& definitions, const char* token,
                    std::initializer_list<int> values = {}) {
        auto* construct = new JNPResult;
        construct->definition = definitions.FindKeyword(token);
        construct->SetName(token);
        construct->id = construct->definition->id;
        construct->type = construct->definition->type;
        construct->level = construct->definition->level;
        construct->integers = values;
        return construct;
    }

    std::string Dumped(const JNPDefinitions& definitions, JNPResult* construct) {
        MessageCapture capture;
        JNPDumper(definitions, capture.Stream()).Dump(construct);
        JNPResult::FreeChain(construct);
        return capture.Text();
    }

    JNPMessageSink sink;
    JNPDefinitions machine;
    JNPDefinitions test;
};

TEST_F(JNPDumperTest, WritesArgumentsInGroupsByType) {
    JNPResult* doubles = Make(test, "..POINTS");
    doubles->doubles = {0.5, 1.25, 3, 4, 5, 6, 7, 8, 9, 10};
    const struct {
        JNPResult* construct;
        const char* text;
    } cases[] = {
        {Make(machine, ".DATAFORMAT", {3, 4}), ".DATAFORMAT  ( 3 , 4 )\n"},
        {Make(machine, ".DATAFORMAT", {2}), ".DATAFORMAT 2 \n"},
        {Make(machine, ".COMMENTS", {1}), ".COMMENTS COMMENTS_ON \n"},
        {Make(machine, ".SEQUENCENUMBERING", {0}), ".SEQUENCENUMBERING SEQUENCENUMBERING_OFF \n"},
        {Make(machine, ".UNIT", {9}), ".UNIT {UNKNOWN}(9) \n"},
        {Make(machine, ".RECORDLENGTH", {7}), ".RECORDLENGTH 7 \n"},
        {Make(machine, ".RECORDLENGTH"), ".RECORDLENGTH"},
        {Make(machine, ".FILETYPE"), ".FILETYPE\n"},
        {Make(test, "..SET", {1}), "  ..SET {UNKNOWN}(1) \n"},
        {Make(test, "..ANY"), "  ..ANY {UNKNOWN}\n"},
        {Make(test, "..TAGS", {1, 2, 1, 1, 2}),
         "  ..TAGS  ( FAST , SLOW , FAST , FAST )\n\tSLOW \n"},
        {doubles, "  ..POINTS  ( 0.5 , 1.25 ) ( 3 , 4 ) ( 5 , 6 ) ( 7 , 8 )\n\t ( 9 , 10 )\n"},
    };
    for (const auto& c : cases) {
        // Constant names come from the schema's own constant table.
        const bool ofTest = c.construct->definition == test.FindKeyword(c.construct->name);
        EXPECT_EQ(Dumped(ofTest ? test : machine, c.construct), c.text);
    }
}

TEST_F(JNPDumperTest, BreaksLongIntegerGroupsTwoToALine) {
    const JNP_KEYWORD_DEF keywords[] = {
        {"SIX", 1, JNP_INTEGER, JNP_VARIABLE_COUNT, 6, nullptr, nullptr, nullptr},
        {"FREE", 2, JNP_INTEGER, 0, 0, nullptr, nullptr, nullptr},
        {nullptr, 0, 0, 0, 0, nullptr, nullptr, nullptr}};
    JNPDefinitions definitions;
    ASSERT_EQ(definitions.Build(keywords, kTestConstants, sink), 0);
    EXPECT_EQ(
        Dumped(definitions, Make(definitions, ".SIX",
                                 {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18})),
        ".SIX  ( 1 , 2 , 3 , 4 , 5 , 6 ) ( 7 , 8 , 9 , 10 , 11 , 12 )\n"
        "\t ( 13 , 14 , 15 , 16 , 17 , 18 )\n");
    EXPECT_EQ(Dumped(definitions, Make(definitions, ".FREE", {1, 2, 3, 4, 5, 6, 7, 8, 9})),
              ".FREE  ( 1 , 2 , 3 , 4 , 5 , 6 , 7 , 8 )\n\t9 \n");
}

TEST_F(JNPDumperTest, WritesChildrenIndentedAndSiblingsInTurn) {
    JNPResult* board = Make(test, ".BOARD");
    JNPResult* layer = Make(test, "..LAYER");
    layer->texts = {"top"};
    layer->firstChild = Make(test, "...HOLE", {1, 2, 3});
    JNPResult* note = Make(test, "..NOTE");
    note->texts = {"n"};
    layer->next = note;
    board->firstChild = layer;
    EXPECT_EQ(Dumped(test, board),
              ".BOARD\n  ..LAYER \"top\" \n    ...HOLE  ( 1 , 2 , 3 )\n  ..NOTE \"n\" \n");
}

}  // namespace
