#include "TestSchema.h"

namespace {

const int kBoardRequired[] = {kLayer, 0};
const int kBoardOptional[] = {kNote, kPoints, kOrigin, kAny, kSet, kTags, kGroup, 0};
const int kLayerOptional[] = {kHole, 0};
const int kGroupRequired[] = {kHole, 0};
const char* const kSpeeds[] = {"FAST", "SLOW", nullptr};

}  // namespace

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

const JNP_CONST_DEF kTestConstants[] = {
    {"FAST", 1},
    {"HALF", 3},
    {"SLOW", 2},
    {nullptr, 0},
};
