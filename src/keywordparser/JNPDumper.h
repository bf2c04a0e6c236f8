#pragma once

#include <cstdio>

#include "keywordparser/JNPDefinitions.h"
#include "keywordparser/JNPResult.h"

// Writes keyword constructs back in keyword-file form, so that a user sees what was dropped.
class JNPDumper {
  public:
    JNPDumper(const JNPDefinitions& definitions, FILE* stream)
        : definitions(definitions), stream(stream) {}

    // Writes construct, its sub-keywords and every sibling that follows it.
    void Dump(const JNPResult* construct) const;
    // Writes construct and its sub-keywords, leaving out its siblings.
    void DumpAlone(const JNPResult& construct) const;

  private:
    void WriteArguments(const JNPResult& construct) const;
    void WriteValue(const JNPResult& construct, int index) const;
    // Returns the first allowed constant name of keyword with value, or nullptr.
    const char* ConstantName(const JNPLookupNode& keyword, int value) const;

    const JNPDefinitions& definitions;
    FILE* stream;
};
