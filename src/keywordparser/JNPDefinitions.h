#pragma once

#include "keywordparser/JNPConstDef.h"
#include "keywordparser/JNPKeywordDef.h"
#include "keywordparser/JNPLookupTree.h"
#include "keywordparser/JNPMessageSink.h"
#include "keywordparser/JNPResultCode.h"

// The keyword and constant lookup trees built from a schema's two definition tables, with the
// questions the parse loop asks about them.
class JNPDefinitions {
  public:
    // Room for an alias name, terminating zero included.
    static constexpr int kAliasNameSize = 64;

    // Builds both trees from the tables; reports failures on sink. Returns JNP_SUCCESS,
    // JNP_NO_MEMORY or JNP_TABLE_ERROR.
    JNPResultCode Build(const JNP_KEYWORD_DEF* keywords, const JNP_CONST_DEF* constants,
                        JNPMessageSink& sink);
    // Frees both trees.
    void Release();

    // Returns the definition named by a token after its leading dots, recording the number of
    // dots as its level; none for a token without dots or with an unknown name.
    JNPLookupNode* FindKeyword(const char* token);
    // Returns whether text names a constant, and its value (0 when it does not).
    bool FindConstant(const char* text, int& value) const;
    // Returns whether text is one of the constants the keyword allows.
    static bool ConstantAllowed(const JNPLookupNode& keyword, const char* text);
    // Returns whether child may stand as a sub-keyword of parent.
    static bool ChildAllowed(const JNPLookupNode& parent, const JNPLookupNode& child);
    // Returns the name of the first keyword table record with id, or "" when there is none.
    const char* RequiredName(int id) const;
    // Adds a keyword named aliasName (leading dots dropped, cut to kAliasNameSize - 1 characters)
    // with target's definition. Returns 0 when added, 1 when the name exists or memory is short.
    int AddAlias(const char* aliasName, const JNPLookupNode& target);

  private:
    JNPLookupTree keywords;
    JNPLookupTree constants;
    const JNP_KEYWORD_DEF* keywordTable = nullptr;
};
