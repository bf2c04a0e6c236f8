#include "keywordparser/JNParser.h"

#include <cstring>
#include <new>

#include "keywordparser/JNPArgumentReader.h"
#include "keywordparser/JNPDumper.h"

namespace {

const char kSkippedNotice[] = "   The following keyword construct skipped due to errors\n";
const char kAboveLine[] = "   in keyword <%s> above line # %d\n";

int CountDots(const char* token) {
    int dots = 0;
    while (token[dots] == '.') {
        ++dots;
    }
    return dots;
}

JNPResult* LastOf(JNPResult* chain) {
    while (chain->next != nullptr) {
        chain = chain->next;
    }
    return chain;
}

void UpperCase(std::string& text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
}

}  // namespace

JNPResultCode JNParser::Initialise(const char* source, FILE* messageStream,
                                   const JNP_KEYWORD_DEF* keywordTable,
                                   const JNP_CONST_DEF* constantTable, bool fromMemory) {
    sink.SetStream(messageStream);
    const JNPResultCode built = definitions.Build(keywordTable, constantTable, sink);
    if (built != JNP_SUCCESS) {
        return built;
    }
    if (!scanner.AllocatePushBack()) {
        sink.Write("\nError: on allocating memory for token scanner.\n");
        sink.Write("(check for sufficient memory on system)\n\n");
        return JNP_NO_MEMORY;
    }
    if (fromMemory) {
        input.LoadText(source);
    } else {
        const JNPResultCode loaded = input.LoadFile(source, sink);
        if (loaded != JNP_SUCCESS) {
            return loaded;
        }
    }
    scanner.Attach(input.Begin(), input.End());
    level = 1;
    sink.ResetErrors();
    return JNP_SUCCESS;
}

void JNParser::Release() {
    definitions.Release();
    input.Release();
    scanner.Release();
}

JNPResult* JNParser::NextResult(JNPResult* context) {
    const int savedLevel = level;
    JNPResult* result = ReadConstruct(context);
    level = savedLevel;
    return result;
}

JNPResult* JNParser::ReadConstruct(JNPResult* context) {
    for (;;) {
        const char* contextName = context != nullptr ? context->name : "";
        const int tokenType = scanner.ScanToken(contextName, token);
        if (tokenType == JNPScanner::kEnd) {
            return nullptr;
        }
        const JNPLookupNode* definition =
            tokenType == JNPScanner::kWord ? definitions.FindKeyword(token) : nullptr;
        if (definition == nullptr) {
            ReportUnknown();
            SkipToKeyword(contextName);
            context = nullptr;
            continue;
        }
        JNPResult* construct = NewConstruct(*definition);
        if (construct == nullptr) {
            return nullptr;
        }
        JNPArgumentReader(scanner, definitions, sink, token).Read(*construct);
        CollectNested(*construct, context != nullptr ? *context : *construct);
        if (construct->level >= 2 && context == nullptr) {
            ReportBadHierarchy(*construct);
            FreeResult(construct);
            continue;
        }
        RemoveDuplicates(*construct);
        const int missing = ReportMissingRequired(*construct);
        if (missing == 0) {
            return construct;
        }
        ReportSkipped(*construct, kSkippedNotice);
        sink.CountErrors(missing);
        const bool topLevel = construct->level == 1;
        JNPResult* siblings = construct->next;
        construct->next = nullptr;
        FreeResult(construct);
        if (!topLevel) {
            return siblings;
        }
        FreeResult(siblings);
        context = nullptr;
    }
}

JNPResult* JNParser::NewConstruct(const JNPLookupNode& definition) {
    JNPResult* construct = new (std::nothrow) JNPResult;
    if (construct == nullptr) {
        return nullptr;
    }
    construct->SetName(token);
    construct->id = definition.id;
    construct->type = definition.type;
    construct->level = CountDots(token);
    construct->definition = &definition;
    const bool variable = (definition.flags & JNP_VARIABLE_COUNT) != 0;
    const int room = definition.count < 1 || variable ? 16 : definition.count;
    if (definition.type == JNP_DOUBLE) {
        construct->doubles.reserve(static_cast<std::size_t>(room));
    } else if (definition.type == JNP_STRING) {
        construct->texts.reserve(static_cast<std::size_t>(room));
    } else if (definition.type == JNP_INTEGER || definition.type == JNP_CONSTANT) {
        construct->integers.reserve(static_cast<std::size_t>(room));
    }
    return construct;
}

void JNParser::ReportUnknown() {
    sink.Write("Error: Unknown keyword <%s> at line # %d\n", token, scanner.Line());
    sink.CountErrors(1);
}

void JNParser::SkipToKeyword(const char* context) {
    for (;;) {
        const int tokenType = scanner.ScanToken(context, token);
        if (tokenType == JNPScanner::kEnd) {
            return;
        }
        if (tokenType == JNPScanner::kWord && definitions.FindKeyword(token) != nullptr) {
            scanner.PushBack(token);
            return;
        }
    }
}

void JNParser::CollectNested(JNPResult& construct, JNPResult& scope) {
    JNPResult* lastChild = nullptr;
    JNPResult* lastSibling = &construct;
    for (;;) {
        const int tokenType = scanner.ScanToken(construct.name, token);
        scanner.PushBack(token);
        const JNPLookupNode* keyword =
            tokenType == JNPScanner::kWord ? definitions.FindKeyword(token) : nullptr;
        if (keyword == nullptr || keyword->level == 1) {
            return;
        }
        const int keywordLevel = keyword->level;
        if (keywordLevel > kMaxLevel) {
            SkipTooDeep(construct);
        } else if (keywordLevel > construct.level) {
            ReadChild(construct, *keyword, scope, lastChild);
        } else if (keywordLevel == construct.level && construct.level > level) {
            const int savedLevel = level;
            level = construct.level;
            const bool more = ReadSibling(*keyword, scope, lastSibling);
            level = savedLevel;
            if (!more) {
                return;
            }
        } else {
            return;
        }
    }
}

void JNParser::ReadChild(JNPResult& construct, const JNPLookupNode& child, JNPResult& scope,
                         JNPResult*& lastChild) {
    if (!JNPDefinitions::ChildAllowed(*construct.definition, child)) {
        ReportNotAllowed(scope);
        FreeResult(NextResult(&construct));
        return;
    }
    JNPResult* read = NextResult(&construct);
    if (read == nullptr) {
        return;
    }
    if (lastChild == nullptr) {
        construct.firstChild = read;
    } else {
        lastChild->next = read;
    }
    lastChild = LastOf(read);
}

bool JNParser::ReadSibling(const JNPLookupNode& sibling, JNPResult& scope,
                           JNPResult*& lastSibling) {
    if (!JNPDefinitions::ChildAllowed(*scope.definition, sibling)) {
        ReportNotAllowed(scope);
        FreeResult(NextResult(&scope));
        return true;
    }
    JNPResult* read = NextResult(&scope);
    if (read == nullptr) {
        return false;
    }
    lastSibling->next = read;
    lastSibling = LastOf(read);
    return true;
}

void JNParser::ReportNotAllowed(const JNPResult& scope) {
    sink.Write("Error: Keyword <%s> not allowed\n", token);
    sink.Write("   in keyword <%s> at line # %d\n", scope.name, scanner.Line());
    sink.CountErrors(1);
}

void JNParser::SkipTooDeep(const JNPResult& construct) {
    scanner.ScanToken(construct.name, token);
    sink.Write("Error: Bad keyword hierarchy above line # %d\n", scanner.Line());
    sink.Write("   Keywords nested deeper than %d levels skipped from <%s> on\n", kMaxLevel, token);
    sink.CountErrors(1);
    for (;;) {
        const int tokenType = scanner.ScanToken(construct.name, token);
        if (tokenType == JNPScanner::kEnd) {
            return;
        }
        if (tokenType == JNPScanner::kWord && CountDots(token) <= kMaxLevel &&
            definitions.FindKeyword(token) != nullptr) {
            scanner.PushBack(token);
            return;
        }
    }
}

void JNParser::ReportBadHierarchy(const JNPResult& construct) {
    sink.Write("Error: Bad keyword hierarchy above line # %d\n", scanner.Line());
    ReportSkipped(construct, "   The following keyword construct was ignored:\n");
    sink.CountErrors(1);
}

void JNParser::RemoveDuplicates(JNPResult& construct) {
    JNPResult* child = construct.firstChild;
    while (child != nullptr) {
        const int id = child->id;
        if ((child->definition->flags & JNP_MAY_REPEAT) != 0) {
            while (child != nullptr && child->id == id) {
                child = child->next;
            }
            continue;
        }
        for (JNPResult* previous = child; previous->next != nullptr;) {
            JNPResult* sibling = previous->next;
            if (sibling->id != id) {
                previous = sibling;
                continue;
            }
            sink.Write("Error: Duplicate keyword <%s> not allowed\n", sibling->name);
            sink.Write(kAboveLine, construct.name, scanner.Line());
            ReportSkipped(*sibling, kSkippedNotice);
            previous->next = sibling->next;
            sibling->next = nullptr;
            FreeResult(sibling);
            sink.CountErrors(1);
        }
        child = child->next;
    }
}

int JNParser::ReportMissingRequired(const JNPResult& construct) {
    int missing = 0;
    for (const int* id = construct.definition->required; id != nullptr && *id != 0; ++id) {
        const JNPResult* child = construct.firstChild;
        while (child != nullptr && child->id != *id) {
            child = child->next;
        }
        if (child == nullptr) {
            sink.Write("Error: Required keyword <%s> does not exist\n",
                       definitions.RequiredName(*id));
            sink.Write(kAboveLine, construct.name, scanner.Line());
            ++missing;
        }
    }
    return missing;
}

void JNParser::ReportSkipped(const JNPResult& construct, const char* notice) {
    sink.Write("%s", notice);
    JNPDumper(definitions, sink.Stream()).DumpAlone(construct);
    sink.Write("\n");
}

int JNParser::AddAlias(JNPResult& alias) {
    if (alias.texts.size() != 2) {
        return 1;
    }
    UpperCase(alias.texts[0]);
    UpperCase(alias.texts[1]);
    const JNPLookupNode* target = definitions.FindKeyword(alias.texts[1].c_str());
    if (target == nullptr) {
        RejectAlias(alias, "Error: Attempted alias to non-existent keyword <%s>\n",
                    alias.texts[1].c_str());
        return 1;
    }
    if (definitions.FindKeyword(alias.texts[0].c_str()) != nullptr) {
        RejectAlias(alias, "Error: Attempted to alias an existing keyword <%s>\n",
                    alias.texts[0].c_str());
        return 1;
    }
    return definitions.AddAlias(alias.texts[0].c_str(), *target);
}

void JNParser::RejectAlias(const JNPResult& alias, const char* format, const char* name) {
    sink.CountErrors(1);
    sink.Write(format, name);
    sink.Write(kAboveLine, alias.name, scanner.Line());
    ReportSkipped(alias, kSkippedNotice);
}

void JNParser::Dump(const JNPResult* construct, FILE* stream) const {
    JNPDumper(definitions, stream).Dump(construct);
}
