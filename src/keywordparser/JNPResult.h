#pragma once

#include <string>
#include <vector>

#include "keywordparser/JNPLookupNode.h"

// One keyword construct read from a keyword file: the keyword as written, its arguments, its
// sub-keywords and, below the top level, the siblings that follow it.
struct JNPResult {
    // Room for the keyword as written, terminating zero included.
    static constexpr int kNameSize = 32;

    // Stores token as the name, cut to kNameSize - 1 characters.
    void SetName(const char* token);
    int ArgumentCount() const;
    // Drops every argument after the first count.
    void KeepArguments(int count);
    // Frees node, its sub-keywords and every sibling after it.
    static void FreeChain(JNPResult* node);

    char name[kNameSize] = {};  // dots included, upper case, cut to kNameSize - 1 characters
    int id = 0;
    int type = 0;
    int level = 0;                              // number of leading dots
    std::vector<int> integers;                  // integer and constant arguments
    std::vector<double> doubles;                // double arguments
    std::vector<std::string> texts;             // string arguments, unescaped
    const JNPLookupNode* definition = nullptr;  // the parser's definition of the keyword
    JNPResult* next = nullptr;
    JNPResult* firstChild = nullptr;
};
