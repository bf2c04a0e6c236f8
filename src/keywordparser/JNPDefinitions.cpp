#include "keywordparser/JNPDefinitions.h"

#include <cstring>
#include <new>

namespace {

const char kNoMemoryAdvice[] = "(check for sufficient memory on system)\n\n";
const char kTableAdvice[] = "(check for problem with the include file created by JNPcc)\n\n";

// Copies the fields a keyword definition and a keyword node share.
template <class Definition>
void CopyDefinition(JNPLookupNode& node, const Definition& definition) {
    node.id = definition.id;
    node.type = definition.type;
    node.flags = definition.flags;
    node.count = definition.count;
    node.constants = definition.constants;
    node.required = definition.required;
    node.optional = definition.optional;
}

JNPLookupNode* NewKeywordNode(const JNP_KEYWORD_DEF& record) {
    JNPLookupNode* node = new (std::nothrow) JNPLookupNode;
    if (node != nullptr) {
        node->name = record.name;
        CopyDefinition(*node, record);
    }
    return node;
}

JNPLookupNode* NewConstantNode(const JNP_CONST_DEF& record) {
    JNPLookupNode* node = new (std::nothrow) JNPLookupNode;
    if (node != nullptr) {
        node->name = record.name;
        node->id = record.value;
    }
    return node;
}

// Links node, made from a record of the table named tableName, into tree; a node whose name the
// tree holds already is freed. Reports a node that could not be made and a tree that stays empty.
JNPResultCode InsertRecord(JNPLookupTree& tree, JNPLookupNode* node, const char* tableName,
                           JNPMessageSink& sink) {
    if (node == nullptr) {
        sink.Write("\nError: while initializing the keyword lookup tree for the %s table.\n",
                   tableName);
        sink.Write("%s", kNoMemoryAdvice);
        return JNP_NO_MEMORY;
    }
    if (tree.Insert(node) != 0) {
        delete node;
    }
    if (tree.Root() == nullptr) {
        sink.Write("\nError: on inserting keyword into the %s table.\n", tableName);
        sink.Write("%s", kTableAdvice);
        return JNP_TABLE_ERROR;
    }
    return JNP_SUCCESS;
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
    for (; keywordRecords != nullptr && keywordRecords->id != 0; ++keywordRecords) {
        const JNPResultCode result =
            InsertRecord(keywords, NewKeywordNode(*keywordRecords), "JNP_KEYWORD_DEF", sink);
        if (result != JNP_SUCCESS) {
            return result;
        }
    }
    for (; constantRecords != nullptr && constantRecords->name != nullptr; ++constantRecords) {
        const JNPResultCode result =
            InsertRecord(constants, NewConstantNode(*constantRecords), "JNP_CONST_DEF", sink);
        if (result != JNP_SUCCESS) {
            return result;
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
    CopyDefinition(*node, target);
    const int result = keywords.Insert(node);
    if (result != 0) {
        delete node;
    }
    return result;
}
