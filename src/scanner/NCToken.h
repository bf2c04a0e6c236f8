#pragma once

#include <string>
#include <string_view>

#include "scanner/ExactLength.h"

// Token types the scanner hands to the interpreter.
enum NCTokenType : int {
    TOKEN_CODE = 0,
    TOKEN_TOOL = 1,
    TOKEN_X = 2,
    TOKEN_Y = 3,
    TOKEN_A = 4,
    TOKEN_I = 5,
    TOKEN_J = 6,
    TOKEN_R = 7,
    // Only the AUTO reading delivers the types below.
    // A tool definition read where it stands, for toolNumber; code is its NCDefinitionKind.
    TOKEN_TOOL_DEFINITION = 8,
    // A change of the unit of everything that follows: code is CDrillMachineFormat::IN or MM.
    TOKEN_UNIT = 9,
    // An error the scanner has reported; it is counted and the read goes on.
    TOKEN_COUNTED_ERROR = 10,
};

// Kinds of TOKEN_TOOL_DEFINITION, in its code.
enum NCDefinitionKind : int {
    // A real definition, whose text is in the form the tool table reads (number, hole type word,
    // sizes).
    DEFINITION_REAL = 0,
    // A comment table entry, which yields to a real definition of its number; its length is its
    // round diameter.
    DEFINITION_COMMENT_TABLE = 1,
    // The same, of a comment table that writes no tool numbers: numbered by its place there.
    DEFINITION_UNNUMBERED_TABLE = 2,
};

// Code numbers of TOKEN_CODE for the G and M codes the scanner knows.
enum NCCode : int {
    CODE_G00 = 0,
    CODE_G01 = 1,
    CODE_G02 = 2,
    CODE_G03 = 3,
    CODE_G04 = 4,
    CODE_G05 = 5,
    CODE_G06 = 6,
    CODE_G07 = 7,
    CODE_G10 = 8,
    CODE_G11 = 9,
    CODE_G12 = 10,
    CODE_G36 = 12,
    CODE_G37 = 13,
    CODE_G40 = 14,
    CODE_G41 = 15,
    CODE_G42 = 16,
    CODE_G54 = 17,
    CODE_G70 = 18,
    CODE_G71 = 19,
    CODE_G74 = 20,
    CODE_G75 = 21,
    CODE_G82 = 22,
    CODE_G83 = 23,
    CODE_G84 = 24,
    CODE_G85 = 25,
    CODE_G90 = 26,
    CODE_G91 = 27,
    CODE_G92 = 28,
    CODE_G93 = 29,
    CODE_M15 = 36,
    CODE_M16 = 37,
    CODE_M17 = 38,
    CODE_M30 = 39,
    CODE_M48 = 40,
    CODE_M71 = 41,
    CODE_M72 = 42,
    // Only the AUTO reading delivers the codes below.
    CODE_M00 = 43,
    // Panels: M25 begins a pattern, M01 ends it, M02 repeats it at an offset, M08 ends the step
    // and repeat; M70, M80 and M90 swap the axes or mirror X or Y in a repeat.
    CODE_M01 = 44,
    CODE_M02 = 45,
    CODE_M08 = 46,
    CODE_M25 = 47,
    CODE_M70 = 48,
    CODE_M80 = 49,
    CODE_M90 = 50,
    // Routed circles, clockwise and counter-clockwise.
    CODE_G32 = 51,
    CODE_G33 = 52,
};

// One token of a drill program. Fields that do not belong to the token's type keep their values.
struct NCToken {
    int type = TOKEN_CODE;
    // For TOKEN_TOOL in the AUTO reading, code is the tool that the first two digits of a T word
    // of four digits name (a tool and a tool offset: T0301 gives 3), or -1; for a number in a
    // pass over the words, whether it has a point (CAutoScanner::kWrittenWithPoint).
    int code = 0;
    int toolNumber = 0;
    // Text after G93; the caller empties it before each call of NextToken.
    std::string text;
    // In a pass over the words (see CAutoScanner::SetWordListener), for TOKEN_X to TOKEN_J: the
    // digits of the number, before and after its point, as one integer, exact up to 15 digits.
    double value = 0.0;
    // For TOKEN_X to TOKEN_J in the AUTO reading, in place of value: the number as written (an
    // increment stays an increment), as a length in the unit in force.
    ExactLength length;
    // In a pass over the words, for TOKEN_X to TOKEN_J: the number as written after its letter
    // (sign, digits and point); for a tool selection: the tool's digits (empty for the selection
    // that follows a definition in the body). Valid until the next call of NextToken.
    std::string_view written;
    // Line on which the token begins, for messages about it.
    int line = 1;
};
