#include "keywordparser/JNPArgumentReader.h"

#include "keywordparser/JNPConversion.h"
#include "keywordparser/JNPKeywordDef.h"

namespace {

const char kUnexpectedString[] = "Error: Unexpected string <\"%s\">\n";
const char kUnexpectedInt[] = "Error: Unexpected int <%s>\n";
const char kUnexpectedDouble[] = "Error: Unexpected double <%s>\n";
const char kUnexpectedConstant[] = "Error: Unexpected constant <%s>\n";

bool IsPunctuation(int tokenType) {
    return tokenType == JNPScanner::kOpen || tokenType == JNPScanner::kClose ||
           tokenType == JNPScanner::kComma;
}

}  // namespace

void JNPArgumentReader::Read(JNPResult& construct) {
    switch (construct.type) {
        case JNP_INTEGER:
        case JNP_DOUBLE:
        case JNP_STRING:
        case JNP_CONSTANT:
            ReadList(construct);
            CheckCount(construct);
            break;
        case JNP_NO_ARGUMENTS:
            break;
        default:
            scanner.SkipLine();
    }
}

void JNPArgumentReader::ReadList(JNPResult& construct) {
    for (;;) {
        const int tokenType = scanner.ScanToken(construct.name, token);
        if (tokenType == JNPScanner::kEnd) {
            return;
        }
        if (IsPunctuation(tokenType)) {
            continue;
        }
        if (tokenType == JNPScanner::kWord && definitions.FindKeyword(token) != nullptr) {
            EndList();
            return;
        }
        bool more = true;
        switch (construct.type) {
            case JNP_INTEGER:
                more = TakeInteger(construct, tokenType);
                break;
            case JNP_DOUBLE:
                more = TakeDouble(construct, tokenType);
                break;
            case JNP_STRING:
                more = TakeString(construct, tokenType);
                break;
            default:
                more = TakeConstant(construct, tokenType);
        }
        if (!more) {
            return;
        }
    }
}

bool JNPArgumentReader::TakeInteger(JNPResult& construct, int tokenType) {
    if (tokenType == JNPScanner::kString) {
        ReportToken(construct, kUnexpectedString);
        return true;
    }
    const JNPConversion::Integer integer = JNPConversion::ToInteger(token);
    if (integer.whole && integer.inRange) {
        construct.integers.push_back(integer.value);
    } else if (integer.whole) {
        ReportToken(construct, "Error: Bad int value <%s>\n");
    } else if (JNPConversion::ToDouble(token).whole) {
        ReportToken(construct, kUnexpectedDouble);
    } else if (IsConstant()) {
        ReportToken(construct, kUnexpectedConstant);
    } else if (token[0] == integer.stop) {
        return EndList();
    } else {
        ReportToken(construct, "Error: Bad int value <%s>\n");
    }
    return true;
}

bool JNPArgumentReader::TakeDouble(JNPResult& construct, int tokenType) {
    if (tokenType == JNPScanner::kString) {
        ReportToken(construct, kUnexpectedString);
        return true;
    }
    const JNPConversion::Double real = JNPConversion::ToDouble(token);
    if (real.whole) {
        construct.doubles.push_back(real.value);
    } else if (JNPConversion::ToInteger(token).whole) {
        ReportToken(construct, kUnexpectedInt);
    } else if (IsConstant()) {
        ReportToken(construct, kUnexpectedConstant);
    } else if (token[0] == real.stop) {
        return EndList();
    } else {
        ReportToken(construct, "Error: Bad double value <%s>\n");
    }
    return true;
}

bool JNPArgumentReader::TakeString(JNPResult& construct, int tokenType) {
    if (tokenType == JNPScanner::kString) {
        construct.texts.push_back(JNPConversion::Unescape(token));
    } else if (JNPConversion::ToInteger(token).whole) {
        ReportToken(construct, kUnexpectedInt);
    } else if (JNPConversion::ToDouble(token).whole) {
        ReportToken(construct, kUnexpectedDouble);
    } else if (IsConstant()) {
        ReportToken(construct, kUnexpectedConstant);
    } else {
        return EndList();
    }
    return true;
}

bool JNPArgumentReader::TakeConstant(JNPResult& construct, int tokenType) {
    int value = 0;
    if (tokenType == JNPScanner::kString) {
        ReportToken(construct, kUnexpectedString);
    } else if (definitions.FindConstant(token, value)) {
        if (JNPDefinitions::ConstantAllowed(*construct.definition, token)) {
            construct.integers.push_back(value);
        } else {
            ReportToken(construct, "Error: Constant <%s> not allowed\n");
        }
    } else if (JNPConversion::ToInteger(token).whole) {
        ReportToken(construct, kUnexpectedInt);
    } else if (JNPConversion::ToDouble(token).whole) {
        ReportToken(construct, kUnexpectedDouble, "   n keyword <%s> at line # %d\n");
    } else {
        ReportToken(construct, "Error: Bad constant value <%s>\n");
    }
    return true;
}

bool JNPArgumentReader::EndList() {
    scanner.PushBack(token);
    return false;
}

bool JNPArgumentReader::IsConstant() const {
    int value = 0;
    return definitions.FindConstant(token, value);
}

void JNPArgumentReader::ReportToken(const JNPResult& construct, const char* format,
                                    const char* location) {
    sink.Write(format, token);
    sink.Write(location, construct.name, scanner.Line());
    sink.CountErrors(1);
}

void JNPArgumentReader::CheckCount(JNPResult& construct) {
    const int stored = construct.ArgumentCount();
    const int expected = construct.definition->count;
    const bool variable = (construct.definition->flags & JNP_VARIABLE_COUNT) != 0;
    if (stored == expected) {
        return;
    }
    if (stored < expected) {
        ReportCount(construct, "Error: Expected <%d> arguments\n", expected);
        sink.CountErrors(1);
    } else if (!variable) {
        ReportCount(construct, "Error: Too many arguments <%d>\n", stored);
        construct.KeepArguments(expected);
        sink.CountErrors(1);
    } else if (expected != 0 && stored % expected != 0) {
        ReportCount(construct, "Error: Arguments <%d> must be modulo <%d>\n", stored, expected);
        construct.KeepArguments(stored - stored % expected);
    }
}

void JNPArgumentReader::ReportCount(const JNPResult& construct, const char* format, int first,
                                    int second) {
    sink.Write(format, first, second);
    sink.Write("   in keyword <%s> above line # %d\n", construct.name, scanner.Line() - 1);
}
