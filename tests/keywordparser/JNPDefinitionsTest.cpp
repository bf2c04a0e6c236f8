#include <gtest/gtest.h>

#include "MessageCapture.h"
#include "TestSchema.h"
#include "keywordparser/JNPDefinitions.h"
#include "machineformat/DrillMachineSchema.h"

namespace {

TEST(JNPDefinitions, KeepsTheFirstOfTwoRecordsWithOneName) {
    const JNP_KEYWORD_DEF keywords[] = {{"SAME", 4, JNP_STRING, 0, 1, nullptr, nullptr, nullptr},
                                        {"SAME", 9, JNP_INTEGER, 0, 2, nullptr, nullptr, nullptr},
                                        {nullptr, 0, 0, 0, 0, nullptr, nullptr, nullptr}};
    const JNP_CONST_DEF constants[] = {{"C", 1}, {"C", 2}, {nullptr, 0}};
    JNPMessageSink sink;
    JNPDefinitions definitions;
    ASSERT_EQ(definitions.Build(keywords, constants, sink), 0);
    EXPECT_EQ(definitions.FindKeyword(".SAME")->id, 4);
    EXPECT_EQ(definitions.FindKeyword(".SAME")->type, JNP_STRING);
    int value = 0;
    EXPECT_TRUE(definitions.FindConstant("C", value));
    EXPECT_EQ(value, 1);
    EXPECT_STREQ(definitions.RequiredName(9), "SAME");
}

TEST(JNPDefinitions, RefusesAKeywordTableThatCannotBeInserted) {
    const JNP_KEYWORD_DEF keywords[] = {{nullptr, 3, JNP_STRING, 0, 1, nullptr, nullptr, nullptr},
                                        {nullptr, 0, 0, 0, 0, nullptr, nullptr, nullptr}};
    MessageCapture capture;
    JNPMessageSink sink;
    sink.SetStream(capture.Stream());
    JNPDefinitions definitions;
    EXPECT_EQ(definitions.Build(keywords, kTestConstants, sink), 7);
    EXPECT_EQ(capture.Text(),
              "\nError: on inserting keyword into the JNP_KEYWORD_DEF table.\n"
              "(check for problem with the include file created by JNPcc)\n\n");
}

TEST(JNPDefinitions, AliasesCopyTheTargetAndCutLongNames) {
    JNPMessageSink sink;
    JNPDefinitions machine;
    ASSERT_EQ(machine.Build(kDrillMachineKeywords, kDrillMachineConstants, sink), 0);
    const JNPLookupNode& unit = *machine.FindKeyword(".UNIT");
    EXPECT_EQ(machine.AddAlias("..MEASURE", unit), 0);
    EXPECT_EQ(machine.AddAlias(".MEASURE", unit), 1);
    const JNPLookupNode* alias = machine.FindKeyword(".MEASURE");
    ASSERT_NE(alias, nullptr);
    EXPECT_STREQ(alias->name, "MEASURE");
    EXPECT_EQ(alias->id, 15);
    EXPECT_EQ(alias->constants, unit.constants);
    const std::string longName(100, 'L');
    EXPECT_EQ(machine.AddAlias(longName.c_str(), unit), 0);
    const JNPLookupNode* cut = machine.FindKeyword(("." + longName).c_str());
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(std::string(cut->name), std::string(63, 'L'));
}

}  // namespace
