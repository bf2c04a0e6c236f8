#pragma once

// Ids of the reader's messages. The numbers are part of the interface: hosts and stored logs know
// the texts by them.
enum MessageId : int {
    kParserInitializationError = 1,
    kDrillPreferenceFileUnreadable = 2,
    kMachineFormatErrorCount = 3,
    kMachineFormatErrorFile = 4,
    kCannotOpenFile = 5,
    kGCodeWithoutTwoDigits = 6,
    kUnknownGCode = 7,
    kUnknownMCode = 8,
    kUnknownCharacter = 9,
    kWrongParameter = 10,
    kMachineFormatUnreadable = 11,
    kMachineFormatErrorCountContinued = 12,
    kUnknownHoleType = 13,
    kStepModeChange = 14,
    kContourNotClosed = 15,
    kContourNotStarted = 16,
    kCodeWithoutEffect = 17,
    kToolNumberOutOfRange = 18,
    kToolNotDefined = 19,
    kUnknownArcMode = 20,
    kWrongTokenType = 21,
    kTotals = 22,
    kTrailingZeroWritten = 23,
    kNumberTooLong = 24,
    kNumberExpected = 25,
    kArcWithoutStart = 26,
    kValueOutOfRange = 27,
    kSkippedAfterPercent = 28,
    kHeaderWithoutPercent = 29,
    kG04CommentToEnd = 30,
    kEndByteBeforeEndOfFile = 31,
    kPatternNotClosed = 32,
    kNoPatternToRepeat = 33,
    kCopiesCut = 34,
    kPatternCut = 35,
    kArcWithoutRadius = 36,
    kToolWithoutSize = 37,
    kCommandInHeader = 38,
    kToolRedefined = 39,
};

// Number of the last message of the reader's message table (ids run from 1).
constexpr int kLastMessageId = kToolRedefined;

// Returns the text of message id exactly as stored, or nullptr for an id outside the table.
const char* MessageText(int id);
