#pragma once

#include "keywordparser/JNPConstDef.h"
#include "keywordparser/JNPKeywordDef.h"

// Ids of the keywords of a drill machine format file.
enum DrillMachineKeywordId {
    kAliasKeyword = 1,
    kArcStyleKeyword = 2,
    kCharacterSetKeyword = 3,
    kCommentsKeyword = 4,
    kCommentStrKeyword = 5,
    kCreatorKeyword = 6,
    kDataFormatKeyword = 7,
    kDataModeKeyword = 8,
    kDataTypeKeyword = 9,
    kDelimiterKeyword = 10,
    kFileTypeKeyword = 11,
    kRecordLengthKeyword = 12,
    kSequenceNumberingKeyword = 13,
    kStepModeKeyword = 14,
    kUnitKeyword = 15,
    kVersionKeyword = 16,
    kZeroTruncationKeyword = 17,
    kOverruleKeyword = 18,
};

// The keywords of a drill machine format file, ending with an all-zero record.
extern const JNP_KEYWORD_DEF kDrillMachineKeywords[];
// The constants of a drill machine format file, ending with a record without a name.
extern const JNP_CONST_DEF kDrillMachineConstants[];
