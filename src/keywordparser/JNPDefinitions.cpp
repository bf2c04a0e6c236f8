#include "keywordparser/JNPDefinitions.h"

#include <cstring>
#include <new>

namespace {

const char kNoMemoryAdvice[] = "(check for sufficient memory on system)\n\n";
const char kTableAdvice[] = "(check for problem with the include file created by JNPcc)\n\n";

// Inserts node into tree, freeing it when the tree already holds its name.
void InsertOrDrop(JNPLookupTree& tree, JNPLookupNode* node) {
    if (tree.Insert(node) != 0) {
        delete node;
    }
}

JNPLookupNode* NewKeywordNode(const JNP_KEYWORD_DEF& record) {
    JNPLookupNode* node = new (std::nothrow) JNPLookupNode;
    if (node != nullptr) {
        node->name = record.name;
        node->id = record.id;
        node->type = record.type;
        node->flags = record.flags;
        node->count = record.count;
        node->constants = record.constants;
        node->required = record.required;
        node->optional = record.optional;
    }
    return node;
}

bool ListHolds(const int* ids, int id) {
    for (; ids != nullptr && *ids != 0; ++ids) {
        if (*ids == id) {
            return true;
        }
    }
    return false;
}

}  // namespace

JNPResultCode JNPDefinitions::Build(const JNP_KEYWORD_DEF* keywordRecords,
                                    const JNP_CONST_DEF* constantRecords, JNPMessageSink& sink) {
    keywordTable = keywordRecords;
    constantTable = constantRecords;
    const JNPResultCode result = BuildKeywordTree(keywordRecords, sink);
    return result != JNP_SUCCESS ? result : BuildConstantTree(constantRecords, sink);
}

JNPResultCode JNPDefinitions::BuildKeywordTree(const JNP_KEYWORD_DEF* table, JNPMessageSink& sink) {
    for (; table != nullptr && table->id != 0; ++table) {
        JNPLookupNode* node = NewKeywordNode(*table);
        if (node == nullptr) {
            sink.Write(
                "\nError: while initializing the keyword lookup tree for the JNP_KEYWORD_DEF "
                "table.\n");
            sink.Write("%s", kNoMemoryAdvice);
            return JNP_NO_MEMORY;
        }
        InsertOrDrop(keywords, node);
        if (keywords.Root() == nullptr) {
            sink.Write("\nError: on inserting keyword into the JNP_KEYWORD_DEF table.\n");
            sink.Write("%s", kTableAdvice);
            return JNP_TABLE_ERROR;
        }
    }
    return JNP_SUCCESS;
}

JNPResultCode JNPDefinitions::BuildConstantTree(const JNP_CONST_DEF* table, JNPMessageSink& sink) {
    for (; table != nullptr && table->name != nullptr; ++table) {
        JNPLookupNode* node = new (std::nothrow) JNPLookupNode;
        if (node == nullptr) {
            sink.Write(
                "\nError: while initializing the keyword lookup tree for the JNP_CONST_DEF "
                "table.\n");
            sink.Write("%s", kNoMemoryAdvice);
            return JNP_NO_MEMORY;
        }
        node->name = table->name;
        node->id = table->value;
        InsertOrDrop(constants, node);
        if (constants.Root() == nullptr) {
            sink.Write("\nError: on inserting keyword into the JNP_CONST_DEF table.\n");
            sink.Write("%s", kTableAdvice);
            return JNP_TABLE_ERROR;
        }
    }
    return JNP_SUCCESS;
}

void JNPDefinitions::Release() {
    keywords.Release();
    constants.Release();
}

JNPLookupNode* JNPDefinitions::FindKeyword(const char* token) {
    int dots = 0;
    while (token[dots] == '.') {
        ++dots;
    }
    if (dots == 0) {
        return nullptr;
    }
    JNPLookupNode* node = keywords.Search(token + dots);
    if (node != nullptr) {
        node->level = dots;
    }
    return node;
}

bool JNPDefinitions::FindConstant(const char* text, int& value) const {
    const JNPLookupNode* node = constants.Search(text);
    value = node != nullptr ? node->id : 0;
    return node != nullptr;
}

bool JNPDefinitions::ConstantAllowed(const JNPLookupNode& keyword, const char* text) {
    for (const char* const* name = keyword.constants; name != nullptr && *name != nullptr; ++name) {
        if (std::strcmp(*name, text) == 0) {
            return true;
        }
    }
    return false;
}

bool JNPDefinitions::ChildAllowed(const JNPLookupNode& parent, const JNPLookupNode& child) {
    return ListHolds(parent.required, child.id) || ListHolds(parent.optional, child.id);
}

const char* JNPDefinitions::RequiredName(int id) const {
    for (const JNP_KEYWORD_DEF* record = keywordTable; record != nullptr && record->id != 0;
         ++record) {
        if (record->id == id) {
            return record->name != nullptr ? record->name : "";
        }
    }
    return "";
}

int JNPDefinitions::AddAlias(const char* aliasName, const JNPLookupNode& target) {
    while (*aliasName == '.') {
        ++aliasName;
    }
    char* name = new (std::nothrow) char[kAliasNameSize];
    JNPLookupNode* node = name != nullptr ? new (std::nothrow) JNPLookupNode : nullptr;
    if (node == nullptr) {
        delete[] name;
        return 1;
    }
    std::strncpy(name, aliasName, kAliasNameSize - 1);
    name[kAliasNameSize - 1] = '\0';
    node->name = name;
    node->ownsName = true;
    node->id = target.id;
    node->type = target.type;
    node->flags = target.flags;
    node->count = target.count;
    node->constants = target.constants;
    node->required = target.required;
    node->optional = target.optional;
    const int result = keywords.Insert(node);
    if (result != 0) {
        delete node;
    }
    return result;
}
