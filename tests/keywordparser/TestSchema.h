#pragma once

#include "keywordparser/JNPConstDef.h"
#include "keywordparser/JNPKeywordDef.h"

// A small schema that takes the paths the machine format never takes: nesting, required and
// optional sub-keywords, repeatable keywords, variable argument counts and doubles.
//   BOARD 1 (no arguments) requires LAYER, allows NOTE POINTS ORIGIN ANY SET TAGS GROUP
//   LAYER 2 (1 string) allows HOLE; NOTE 3 (1 string, repeatable);
//   POINTS 4 (doubles, pairs, variable); ORIGIN 5 (2 doubles); HOLE 6 (3 integers, repeatable);
//   ANY 8 (argument type 9, unknown); SET 9 (1 constant, no list); TAGS 10 (constants, variable);
//   GROUP 11 (no arguments) requires HOLE;
//   LONGKEYWORDNAMEWITHMORETHANTHIRTYTWOLETTERS 12 (1 integer), a name longer than is stored.
enum TestKeywordId {
    kBoard = 1,
    kLayer = 2,
    kNote = 3,
    kPoints = 4,
    kOrigin = 5,
    kHole = 6,
    kAny = 8,
    kSet = 9,
    kTags = 10,
    kGroup = 11,
    kLong = 12,
};

extern const JNP_KEYWORD_DEF kTestKeywords[];
// FAST 1, SLOW 2, HALF 3.
extern const JNP_CONST_DEF kTestConstants[];
