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
        case kOverruleKeyword:
            if (!values.empty()) {
                format.overruled |= values[0];
            }
            break;
        default:
            break;
    }
}

// Tells how a parser diagnostic counts: an error when it says so.
MessageKind DiagnosticKind(std::string_view text) {
    const std::size_t start = text.find_first_not_of('\n');
    return start != std::string_view::npos && text.substr(start, 5) == "Error"
               ? MessageKind::Error
               : MessageKind::Neither;
}

// Reads the machine format source, a file path or, when fromText, the text itself, into format;
// messages name it as shownName.
int LoadFrom(CDrillMachineFormat& format, MessageOutput messages, const std::string& source,
             bool fromText, const std::string& shownName) {
    JNParser parser;
    if (MessageListener* listener = messages.Listener()) {
        parser.SetObserver([listener](std::string_view text) {
            listener->OnMessage(0, 0, DiagnosticKind(text), text);
        });
    }
    if (parser.Initialise(source.c_str(), messages.Stream(), kDrillMachineKeywords,
                          kDrillMachineConstants, fromText) != JNP_SUCCESS) {
        messages.Write(kMachineFormatUnreadable, MessageKind::Neither, 0, shownName.c_str());
        return 1;
    }
    for (JNPResult* construct = parser.NextResult(); construct != nullptr;
         construct = parser.NextResult()) {
        Apply(format, parser, *construct);
        JNParser::FreeResult(construct);
    }
    const int errors = parser.Errors();
    if (errors > 0) {
        messages.Write(kMachineFormatErrorCount, MessageKind::Neither, 0, errors);
        messages.Write(kMachineFormatErrorFile, MessageKind::Neither, 0, shownName.c_str());
    }
    return errors;
}

}  // namespace

int CDrillMachineFormat::Load(MessageOutput messages, const std::string& path) {
    return LoadFrom(*this, messages, path, false, path);
}

int CDrillMachineFormat::LoadText(MessageOutput messages, const std::string& text) {
    return LoadFrom(*this, messages, text, true, kTextName);
}
