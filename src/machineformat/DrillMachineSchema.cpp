#include "machineformat/DrillMachineSchema.h"

namespace {

const char* const kArcStyles[] = {"QUADRANT", "RADIUS", "NONE", nullptr};
const char* const kCharacterSets[] = {"ASCII", "EBCDIC", "EBCIDIC", nullptr};
const char* const kCommentModes[] = {"COMMENTS_ON", "COMMENTS_OFF", "ON", "OFF", nullptr};
const char* const kDataModes[] = {"MODAL", "NON_MODAL", nullptr};
// The settings that an AUTO program's own statements may be overruled in.
const char* const kOverrules[] = {"PROGRAM_UNIT", "PROGRAM_ZEROTRUNCATION", "PROGRAM_DATAFORMAT",
                                  nullptr};
const char* const kDataTypes[] = {"EXCELLON", "TRUDRILL", "GENERIC", "AUTO", nullptr};
const char* const kSequenceModes[] = {"SEQUENCENUMBERING_ON", "SEQUENCENUMBERING_OFF", "ON", "OFF",
                                      nullptr};
const char* const kStepModes[] = {"ABSOLUTE", "INCREMENTAL", nullptr};
const char* const kUnits[] = {"IN", "MM", nullptr};
const char* const kZeroTruncations[] = {"LEADING", "TRAILING", "NONE", nullptr};

}  // namespace

const JNP_KEYWORD_DEF kDrillMachineKeywords[] = {
    {"ALIAS", kAliasKeyword, JNP_STRING, JNP_MAY_REPEAT, 2, nullptr, nullptr, nullptr},
    {"ARCSTYLE", kArcStyleKeyword, JNP_CONSTANT, 0, 1, kArcStyles, nullptr, nullptr},
    {"CHARACTERSET", kCharacterSetKeyword, JNP_CONSTANT, 0, 1, kCharacterSets, nullptr, nullptr},
    {"COMMENTS", kCommentsKeyword, JNP_CONSTANT, 0, 1, kCommentModes, nullptr, nullptr},
    {"COMMENTSTR", kCommentStrKeyword, JNP_STRING, 0, 1, nullptr, nullptr, nullptr},
    {"CREATOR", kCreatorKeyword, JNP_IGNORE_LINE, 0, 0, nullptr, nullptr, nullptr},
    {"DATAFORMAT", kDataFormatKeyword, JNP_INTEGER, 0, 2, nullptr, nullptr, nullptr},
    {"DATAMODE", kDataModeKeyword, JNP_CONSTANT, 0, 1, kDataModes, nullptr, nullptr},
    {"DATATYPE", kDataTypeKeyword, JNP_CONSTANT, 0, 1, kDataTypes, nullptr, nullptr},
    {"DELIMITER", kDelimiterKeyword, JNP_STRING, 0, 1, nullptr, nullptr, nullptr},
    {"FILETYPE", kFileTypeKeyword, JNP_IGNORE_LINE, 0, 1, nullptr, nullptr, nullptr},
    {"OVERRULE", kOverruleKeyword, JNP_CONSTANT, JNP_MAY_REPEAT, 1, kOverrules, nullptr, nullptr},
    {"RECORDLENGTH", kRecordLengthKeyword, JNP_INTEGER, 0, 1, nullptr, nullptr, nullptr},
    {"SEQUENCENUMBERING", kSequenceNumberingKeyword, JNP_CONSTANT, 0, 1, kSequenceModes, nullptr,
     nullptr},
    {"STEPMODE", kStepModeKeyword, JNP_CONSTANT, 0, 1, kStepModes, nullptr, nullptr},
    {"UNIT", kUnitKeyword, JNP_CONSTANT, 0, 1, kUnits, nullptr, nullptr},
    {"VERSION", kVersionKeyword, JNP_STRING, 0, 1, nullptr, nullptr, nullptr},
    {"ZEROTRUNCATION", kZeroTruncationKeyword, JNP_CONSTANT, 0, 1, kZeroTruncations, nullptr,
     nullptr},
    {nullptr, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

const JNP_CONST_DEF kDrillMachineConstants[] = {
    {"ABSOLUTE", 1},
    {"ASCII", 1},
    {"AUTO", 4},
    {"COMMENTS_OFF", 0},
    {"COMMENTS_ON", 1},
    {"EBCDIC", 2},
    {"EBCIDIC", 2},
    {"EXCELLON", 1},
    {"GENERIC", 3},
    {"IN", 1},
    {"INCREMENTAL", 2},
    {"LEADING", 1},
    {"MM", 2},
    {"MODAL", 1},
    {"NONE", 0},
    {"NON_MODAL", 0},
    {"OFF", 0},
    {"PROGRAM_DATAFORMAT", 4},
    {"PROGRAM_UNIT", 1},
    {"PROGRAM_ZEROTRUNCATION", 2},
    {"ON", 1},
    {"QUADRANT", 1},
    {"RADIUS", 2},
    {"SEQUENCENUMBERING_OFF", 0},
    {"SEQUENCENUMBERING_ON", 1},
    {"TRAILING", 2},
    {"TRUDRILL", 2},
    {nullptr, 0},
};
