#pragma once

// Kinds of arguments a keyword takes.
enum JNPArgType {
    JNP_INTEGER = 1,
    JNP_DOUBLE = 2,
    JNP_STRING = 3,
    JNP_CONSTANT = 4,
    JNP_NO_ARGUMENTS = 5,
    JNP_IGNORE_LINE = 6,
};

// Flag bits of a keyword definition.
enum JNPKeywordFlag {
    JNP_MAY_REPEAT = 1,
    JNP_VARIABLE_COUNT = 2,
};

// Describes one keyword of a schema; a table of them ends with a record whose id is 0.
struct JNPKeywordDef {
    const char* name;              // upper case, without leading dots
    int id;                        // never 0
    int type;                      // a JNPArgType; unknown values ignore the rest of the line
    int flags;                     // JNPKeywordFlag bits
    int count;                     // arguments expected, or the group size with JNP_VARIABLE_COUNT
    const char* const* constants;  // allowed constant names ending in nullptr, or nullptr
    const int* required;           // ids of required sub-keywords ending in 0, or nullptr
    const int* optional;           // ids of further allowed sub-keywords ending in 0, or nullptr
};

using JNP_KEYWORD_DEF = JNPKeywordDef;
