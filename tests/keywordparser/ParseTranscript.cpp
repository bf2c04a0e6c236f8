#include "ParseTranscript.h"

#include <cstdio>

#include "MessageCapture.h"
#include "keywordparser/JNParser.h"

namespace {

std::string Arguments(const JNPResult& construct) {
    std::string text;
    auto separate = [&text] { text += text.empty() ? "" : ","; };
    for (int value : construct.integers) {
        separate();
        text += std::to_string(value);
    }
    for (double value : construct.doubles) {
        char number[32];
        std::snprintf(number, sizeof number, "%g", value);
        separate();
        text += number;
    }
    for (const std::string& value : construct.texts) {
        separate();
        text += "\"" + value + "\"";
    }
    return text;
}

}  // namespace

std::string Describe(const JNPResult* construct) {
    std::string text;
    for (; construct != nullptr; construct = construct->next) {
        text += text.empty() ? "" : " ";
        text += std::to_string(construct->id) + "(" + Arguments(*construct) + ")";
        if (construct->firstChild != nullptr) {
            text += "{" + Describe(construct->firstChild) + "}";
        }
    }
    return text;
}

ParseTranscript Parse(const std::string& source, const JNP_KEYWORD_DEF* keywords,
                      const JNP_CONST_DEF* constants, int aliasId, bool fromMemory) {
    MessageCapture capture;
    JNParser parser;
    ParseTranscript transcript{"", "", 0};
    if (parser.Initialise(source.c_str(), capture.Stream(), keywords, constants, fromMemory) != 0) {
        transcript.errors = -1;
        return transcript;
    }
    for (JNPResult* construct = parser.NextResult(); construct != nullptr;
         construct = parser.NextResult()) {
        if (construct->id == aliasId) {
            parser.AddAlias(*construct);
        }
        transcript.constructs += (transcript.constructs.empty() ? "" : "; ") + Describe(construct);
        JNParser::FreeResult(construct);
    }
    transcript.messages = capture.Text();
    transcript.errors = parser.Errors();
    return transcript;
}
