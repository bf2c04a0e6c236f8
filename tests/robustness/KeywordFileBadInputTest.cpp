#include <gtest/gtest.h>

#include <string>

#include "MessageCapture.h"
#include "keywordparser/JNParser.h"

namespace {

enum NestingId { kNode = 1 };

const int kNodeChildren[] = {kNode, 0};

// A schema whose one keyword may hold itself, so that a file can nest it without end.
const JNP_KEYWORD_DEF kNestingKeywords[] = {
    {"NODE", kNode, JNP_NO_ARGUMENTS, JNP_MAY_REPEAT, 0, nullptr, nullptr, kNodeChildren},
    {nullptr, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

const JNP_CONST_DEF kNoConstants[] = {{nullptr, 0}};

std::string Dots(int count) {
    return std::string(static_cast<std::size_t>(count), '.');
}

int Depth(const JNPResult* construct) {
    int depth = 0;
    for (; construct != nullptr; construct = construct->firstChild) {
        ++depth;
    }
    return depth;
}

TEST(KeywordFileBadInput, NestingBeyondTheDeepestLevelIsSkippedNotRecursed) {
    const int deepest = JNParser::kMaxLevel;
    std::string text;
    for (int level = 1; level <= 3000; ++level) {
        text += Dots(level) + "NODE\n";
    }
    text += ".NODE\n";
    MessageCapture capture;
    JNParser parser;
    ASSERT_EQ(
        parser.Initialise(text.c_str(), capture.Stream(), kNestingKeywords, kNoConstants, true), 0);
    JNPResult* first = parser.NextResult();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Depth(first), deepest);
    JNPResult* second = parser.NextResult();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->level, 1);
    EXPECT_EQ(parser.NextResult(), nullptr);
    EXPECT_EQ(parser.Errors(), 1);
    EXPECT_EQ(capture.Text(), "Error: Bad keyword hierarchy above line # " +
                                  std::to_string(deepest + 1) +
                                  "\n   Keywords nested deeper than " + std::to_string(deepest) +
                                  " levels skipped from <" + Dots(deepest + 1) + "NODE> on\n");
    JNParser::FreeResult(first);
    JNParser::FreeResult(second);
}

TEST(KeywordFileBadInput, TensOfThousandsOfSiblingsAreReadAndFreed) {
    std::string text = ".NODE\n";
    for (int sibling = 0; sibling < 20000; ++sibling) {
        text += "..NODE\n";
    }
    MessageCapture capture;
    JNParser parser;
    ASSERT_EQ(
        parser.Initialise(text.c_str(), capture.Stream(), kNestingKeywords, kNoConstants, true), 0);
    JNPResult* construct = parser.NextResult();
    ASSERT_NE(construct, nullptr);
    int siblings = 0;
    for (const JNPResult* child = construct->firstChild; child != nullptr; child = child->next) {
        ++siblings;
    }
    EXPECT_EQ(siblings, 20000);
    EXPECT_EQ(parser.Errors(), 0);
    EXPECT_EQ(capture.Text(), "");
    JNParser::FreeResult(construct);
}

}  // namespace
