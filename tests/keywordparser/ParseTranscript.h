#pragma once

#include <string>

#include "keywordparser/JNPConstDef.h"
#include "keywordparser/JNPKeywordDef.h"
#include "keywordparser/JNPResult.h"

// Everything one parse of a text produced: the diagnostic bytes, the constructs in a compact
// form and the error count.
struct ParseTranscript {
    std::string messages;
    std::string constructs;
    int errors;
};

// Renders a construct chain as "id(arguments){children} next ...": integers and constants as
// numbers, doubles with %g, strings in double quotes.
std::string Describe(const JNPResult* construct);

// Parses source, a text or with fromMemory false a file path, the way a caller does, adding an
// alias for every construct whose id is aliasId; top-level constructs are separated by "; ".
ParseTranscript Parse(const std::string& source, const JNP_KEYWORD_DEF* keywords,
                      const JNP_CONST_DEF* constants, int aliasId = 0, bool fromMemory = true);
