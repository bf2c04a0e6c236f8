// Reads fuzzed keyword files: as a drill machine format file through Load (plain, or with the
// keyed-file marker in front), and through the parser engine from memory, both under the machine
// format schema and under a self-nesting schema that drives the keyword hierarchy deep.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "FuzzedDataReader.h"
#include "ScratchFile.h"
#include "keywordparser/JNParser.h"
#include "machineformat/DrillMachineFormat.h"
#include "machineformat/DrillMachineSchema.h"

namespace {

enum NestedId { kNode = 1, kLeaf = 2, kMark = 3, kList = 4 };

const int kNodeOptional[] = {kNode, kLeaf, kMark, kList, 0};
const int kLeafRequired[] = {kMark, 0};
const char* const kMarks[] = {"ON", "OFF", nullptr};

// A schema whose NODE keyword may hold NODE again, so that nesting has no natural end.
const JNP_KEYWORD_DEF kNestedKeywords[] = {
    {"NODE", kNode, JNP_STRING, JNP_MAY_REPEAT, 1, nullptr, nullptr, kNodeOptional},
    {"LEAF", kLeaf, JNP_DOUBLE, 0, 2, nullptr, kLeafRequired, nullptr},
    {"MARK", kMark, JNP_CONSTANT, JNP_MAY_REPEAT, 1, kMarks, nullptr, nullptr},
    {"LIST", kList, JNP_INTEGER, JNP_VARIABLE_COUNT, 3, nullptr, nullptr, nullptr},
    {"ALIAS", 9, JNP_STRING, JNP_MAY_REPEAT, 2, nullptr, nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

const JNP_CONST_DEF kNestedConstants[] = {
    {"OFF", 0},
    {"ON", 1},
    {nullptr, 0},
};

const char kKeyedMarker[] = "\x05\x06\x13";

FILE* NullStream() {
    static FILE* stream = std::fopen("/dev/null", "w");
    return stream;
}

void LoadFile(const std::string& bytes) {
    static const ScratchFile file("format.fmt");
    if (!file.Write(bytes)) {
        return;
    }
    CDrillMachineFormat format;
    format.Load(NullStream(), file.Path());
}

// Parses text from memory, adding every alias construct and dumping every construct.
void ParseText(const std::string& text, const JNP_KEYWORD_DEF* keywords,
               const JNP_CONST_DEF* constants, int aliasId) {
    JNParser parser;
    if (parser.Initialise(text.c_str(), NullStream(), keywords, constants, true) != 0) {
        return;
    }
    while (JNPResult* construct = parser.NextResult()) {
        if (construct->id == aliasId) {
            parser.AddAlias(*construct);
        }
        parser.Dump(construct, NullStream());
        JNParser::FreeResult(construct);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataReader input(data, size);
    const int mode = input.TakeByte() % 4;
    const std::string text = input.TakeRest();
    switch (mode) {
        case 0:
            LoadFile(text);
            break;
        case 1:
            LoadFile(std::string(kKeyedMarker, 3) + text);
            break;
        case 2:
            ParseText(text, kDrillMachineKeywords, kDrillMachineConstants, kAliasKeyword);
            break;
        default:
            ParseText(text, kNestedKeywords, kNestedConstants, 9);
            break;
    }
    return 0;
}
