#include "machineformat/DrillMachineFormat.h"

#include "keywordparser/JNParser.h"
#include "machineformat/DrillMachineSchema.h"
#include "messages/MessageTable.h"

namespace {

// Returns the integer field that the first argument of keyword id sets, or nullptr.
int CDrillMachineFormat::*IntegerField(int id) {
    switch (id) {
        case kArcStyleKeyword:
            return &CDrillMachineFormat::arcStyle;
        case kCharacterSetKeyword:
            return &CDrillMachineFormat::characterSet;
        case kCommentsKeyword:
            return &CDrillMachineFormat::comments;
        case kDataModeKeyword:
            return &CDrillMachineFormat::dataMode;
        case kDataTypeKeyword:
            return &CDrillMachineFormat::dataType;
        case kRecordLengthKeyword:
            return &CDrillMachineFormat::recordLength;
        case kSequenceNumberingKeyword:
            return &CDrillMachineFormat::sequenceNumbering;
        case kStepModeKeyword:
            return &CDrillMachineFormat::stepMode;
        case kZeroTruncationKeyword:
            return &CDrillMachineFormat::zeroTruncation;
        default:
            return nullptr;
    }
}

void SetUnit(CDrillMachineFormat& format, int unit) {
    format.unit = unit;
    format.unitLength = unit == CDrillMachineFormat::MM ? CDrillMachineFormat::NANOMETRES_PER_MM
                                                        : CDrillMachineFormat::NANOMETRES_PER_INCH;
}

// Copies the values of one construct into format, as far as the construct has them.
void Apply(CDrillMachineFormat& format, JNParser& parser, JNPResult& construct) {
    const std::vector<int>& values = construct.integers;
    const std::vector<std::string>& texts = construct.texts;
    if (int CDrillMachineFormat::*field = IntegerField(construct.id)) {
        if (!values.empty()) {
            format.*field = values[0];
        }
        return;
    }
    switch (construct.id) {
        case kAliasKeyword:
            parser.AddAlias(construct);
            break;
        case kCommentStrKeyword:
            if (!texts.empty()) {
                format.commentStr = texts[0];
            }
            break;
        case kDataFormatKeyword:
            if (!values.empty()) {
                format.integerDigits = values[0];
            }
            if (values.size() > 1) {
                format.decimalDigits = values[1];
            }
            break;
        case kDelimiterKeyword:
            if (!texts.empty()) {
                format.delimiter = texts[0].empty() ? "*" : texts[0];
            }
            break;
        case kUnitKeyword:
            if (!values.empty()) {
                SetUnit(format, values[0]);
            }
            break;
        default:
            break;
    }
}

}  // namespace

int CDrillMachineFormat::Load(FILE* messageStream, std::string path) {
    JNParser parser;
    if (parser.Initialise(path.c_str(), messageStream, kDrillMachineKeywords,
                          kDrillMachineConstants, false) != JNP_SUCCESS) {
        WriteMessage(messageStream, kMachineFormatUnreadable, path.c_str());
        return 1;
    }
    for (JNPResult* construct = parser.NextResult(); construct != nullptr;
         construct = parser.NextResult()) {
        Apply(*this, parser, *construct);
        JNParser::FreeResult(construct);
    }
    const int errors = parser.Errors();
    if (errors > 0) {
        WriteMessage(messageStream, kMachineFormatErrorCount, errors);
        WriteMessage(messageStream, kMachineFormatErrorFile, path.c_str());
    }
    return errors;
}
