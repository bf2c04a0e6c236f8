#pragma once

// Names one constant of a schema; a table of them ends with a record whose name is nullptr.
struct JNPConstDef {
    const char* name;  // upper case
    int value;
};

using JNP_CONST_DEF = JNPConstDef;
