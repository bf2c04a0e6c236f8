#pragma once

#include <cstdio>
#include <functional>
#include <string_view>
#include <utility>

#include "keywordparser/JNPConstDef.h"
#include "keywordparser/JNPDefinitions.h"
#include "keywordparser/JNPKeywordDef.h"
#include "keywordparser/JNPMessageSink.h"
#include "keywordparser/JNPParserInput.h"
#include "keywordparser/JNPResult.h"
#include "keywordparser/JNPResultCode.h"
#include "keywordparser/JNPScanner.h"

// Reads a hierarchical keyword file whose keywords, arguments and nesting are given by two
// definition tables, one construct at a time, reporting and counting every problem it finds.
class JNParser {
  public:
    // Deepest keyword level read; deeper keywords are reported and skipped.
    static constexpr int kMaxLevel = 32;

    JNParser() = default;
    ~JNParser() { Release(); }
    JNParser(const JNParser&) = delete;
    JNParser& operator=(const JNParser&) = delete;

    // Prepares one parse of source, a file path or, when fromMemory, the keyword text itself.
    // Diagnostics go to messageStream (standard error when null). The tables must outlive the
    // parser. Returns JNP_SUCCESS, JNP_FILE_ERROR, JNP_NO_MEMORY or JNP_TABLE_ERROR.
    JNPResultCode Initialise(const char* source, FILE* messageStream,
                             const JNP_KEYWORD_DEF* keywordTable,
                             const JNP_CONST_DEF* constantTable, bool fromMemory);
    // Frees the lookup trees, the input text and the scanner, and closes the input file.
    void Release();

    // Returns the next construct, owned by the caller, or nullptr at the end of the input. The
    // caller passes no context; the parser passes the enclosing construct for sub-keywords.
    // Constructs refer to the parser's definitions and must be freed before Release.
    JNPResult* NextResult(JNPResult* context = nullptr);
    // Frees construct, its sub-keywords and the siblings after it.
    static void FreeResult(JNPResult* construct) { JNPResult::FreeChain(construct); }
    // Makes the first string argument of alias a new name for the keyword named by the second.
    // Returns 0 when the alias was added, 1 otherwise.
    int AddAlias(JNPResult& alias);
    // Writes construct, its sub-keywords and its siblings in keyword-file form to stream.
    void Dump(const JNPResult* construct, FILE* stream) const;

    int Errors() const { return sink.Errors(); }
    // Hands every diagnostic, as written to the message stream, to observer as well.
    void SetObserver(std::function<void(std::string_view)> observer) {
        sink.SetObserver(std::move(observer));
    }

  private:
    JNPResult* ReadConstruct(JNPResult* context);
    // Returns a construct for the keyword token just read, or nullptr when memory is short.
    JNPResult* NewConstruct(const JNPLookupNode& definition);
    void ReportUnknown();
    // Drops tokens up to the next keyword token, which stays pushed back, or the end.
    void SkipToKeyword(const char* context);
    // Reads the sub-keywords of construct and the siblings that follow it; scope is the
    // enclosing construct, or construct itself at the top level.
    void CollectNested(JNPResult& construct, JNPResult& scope);
    // Reads the next construct as a sub-keyword of construct and appends it; lastChild is the
    // current last sub-keyword.
    void ReadChild(JNPResult& construct, const JNPLookupNode& child, JNPResult& scope,
                   JNPResult*& lastChild);
    // Reads the next construct as a sibling within scope; returns false when none was read
    // although it was allowed.
    bool ReadSibling(const JNPLookupNode& sibling, JNPResult& scope, JNPResult*& lastSibling);
    void ReportNotAllowed(const JNPResult& scope);
    // Skips a keyword nested deeper than kMaxLevel with everything down to the next keyword
    // of level kMaxLevel or less.
    void SkipTooDeep(const JNPResult& construct);
    void ReportBadHierarchy(const JNPResult& construct);
    void RemoveDuplicates(JNPResult& construct);
    // Reports the required sub-keywords construct lacks and returns their number.
    int ReportMissingRequired(const JNPResult& construct);
    // Writes the notice of a dropped construct with its dump.
    void ReportSkipped(const JNPResult& construct, const char* notice);
    // Reports an alias of construct that cannot be added and counts the error.
    void RejectAlias(const JNPResult& alias, const char* format, const char* name);

    JNPMessageSink sink;
    JNPDefinitions definitions;
    JNPParserInput input;
    JNPScanner scanner{sink};
    int level = 1;
    char token[JNPScanner::kTokenSize] = {};
};
