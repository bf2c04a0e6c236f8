#include "keywordparser/JNPDumper.h"

#include <algorithm>

#include "keywordparser/JNPKeywordDef.h"

namespace {

// How the arguments of a construct are laid out: values per group and groups per line.
struct Layout {
    int groupSize;
    int groupsPerLine;
};

Layout ArgumentLayout(int type, int count, int arguments) {
    if (count > 1) {
        const bool numbers = type == JNP_INTEGER || type == JNP_DOUBLE;
        return {count, numbers ? (count <= 4 ? 4 : 2) : 1};
    }
    switch (type) {
        case JNP_STRING:
            return {std::min(arguments, 2), 1};
        case JNP_CONSTANT:
            return {std::min(arguments, 4), 1};
        default:
            return {std::min(arguments, 8), 1};
    }
}

}  // namespace

void JNPDumper::Dump(const JNPResult* construct) const {
    for (; construct != nullptr; construct = construct->next) {
        DumpAlone(*construct);
    }
}

void JNPDumper::DumpAlone(const JNPResult& construct) const {
    for (int blank = 0; blank < 2 * (construct.level - 1); ++blank) {
        std::fputc(' ', stream);
    }
    std::fputs(construct.name, stream);
    WriteArguments(construct);
    Dump(construct.firstChild);
}

void JNPDumper::WriteArguments(const JNPResult& construct) const {
    if (construct.type == JNP_NO_ARGUMENTS || construct.type == JNP_IGNORE_LINE) {
        std::fputc('\n', stream);
        return;
    }
    if (construct.type < JNP_INTEGER || construct.type > JNP_CONSTANT) {
        std::fputs(" {UNKNOWN}\n", stream);
        return;
    }
    const int arguments = construct.ArgumentCount();
    if (arguments == 0) {
        return;
    }
    const Layout layout = ArgumentLayout(construct.type, construct.definition->count, arguments);
    std::fputc(' ', stream);
    for (int first = 0, group = 0; first < arguments; first += layout.groupSize, ++group) {
        if (group > 0 && group % layout.groupsPerLine == 0) {
            std::fputs("\n\t", stream);
        }
        const int size = std::min(layout.groupSize, arguments - first);
        if (size > 1) {
            std::fputs(" ( ", stream);
        }
        for (int index = first; index < first + size; ++index) {
            if (index > first) {
                std::fputs(", ", stream);
            }
            WriteValue(construct, index);
        }
        if (size > 1) {
            std::fputc(')', stream);
        }
    }
    std::fputc('\n', stream);
}

void JNPDumper::WriteValue(const JNPResult& construct, int index) const {
    switch (construct.type) {
        case JNP_INTEGER:
            std::fprintf(stream, "%d ", construct.integers[index]);
            break;
        case JNP_DOUBLE:
            std::fprintf(stream, "%g ", construct.doubles[index]);
            break;
        case JNP_STRING:
            std::fprintf(stream, "\"%s\" ", construct.texts[index].c_str());
            break;
        default: {
            const int value = construct.integers[index];
            const char* name = ConstantName(*construct.definition, value);
            if (name != nullptr) {
                std::fprintf(stream, "%s ", name);
            } else {
                std::fprintf(stream, "{UNKNOWN}(%d) ", value);
            }
        }
    }
}

const char* JNPDumper::ConstantName(const JNPLookupNode& keyword, int value) const {
    for (const char* const* name = keyword.constants; name != nullptr && *name != nullptr; ++name) {
        int constant = 0;
        if (definitions.FindConstant(*name, constant) && constant == value) {
            return *name;
        }
    }
    return nullptr;
}
