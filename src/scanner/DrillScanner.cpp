#include "scanner/DrillScanner.h"

#include <climits>
#include <utility>

#include "messages/MessageTable.h"
#include "scanner/HeaderReader.h"

namespace {

constexpr int kEnd = CharacterSource::kEndOfInput;

}  // namespace

CDrillScanner::CDrillScanner(const DrillInput& input, const CDrillMachineFormat& settings,
                             MessageOutput messages)
    : filePath(input.Name()),
      messages(messages),
      settings(settings),
      delimiter(settings.DelimiterCharacter()),
      classes(static_cast<char>(delimiter)),
      source(input, settings.characterSet == CDrillMachineFormat::EBCDIC),
      coordinates(source, classes, this->settings, messages),
      plating(input.Name()) {
    toolDigits.reserve(16);
}

CDrillScanner::~CDrillScanner() = default;

const std::string& CDrillScanner::GetFilePath() const {
    return filePath;
}

bool CDrillScanner::IsOpen() const {
    return source.IsOpen();
}

int CDrillScanner::GetLineNumber() const {
    return source.LineNumber();
}

const std::vector<std::string>& CDrillScanner::GetToolLines() const {
    return toolLines;
}

int CDrillScanner::GetStepMode() const {
    return settings.stepMode;
}

void CDrillScanner::SetStepMode(int stepMode) {
    settings.stepMode = stepMode;
}

NCToken* CDrillScanner::ReadAnyToken(NCToken& token) {
    int c = source.NextChar();
    if (endOfInput) {
        return nullptr;
    }
    while (c != kEnd) {
        if (c == ';') {
            c = SkipCommentLine();
            continue;
        } else if (classes.IsSeparator(c)) {
            c = source.NextChar();
            continue;
        } else if (c == '%') {
            c = SkipToNextM();
            if (c == kEnd) {
                break;
            }
        }
        token.line = source.LineOfLastChar();
        if (StartsG04Comment(c)) {
            c = SkipG04Comment(token.line);
            continue;
        }
        if (ScanToken(c, token)) {
            return &token;
        }
    }
    endOfInput = true;
    // A program that an error has ended never gets here with the token valid.
    if (tokenValid && source.EndByteHidesBytes()) {
        ReportWarning(source.LineNumber(), kEndByteBeforeEndOfFile, source.LineNumber());
    }
    return nullptr;
}

template <typename... Arguments>
void CDrillScanner::ReportError(int line, MessageId messageId, Arguments... arguments) {
    messages.Write(messageId, MessageKind::Error, line, arguments...);
    tokenValid = false;
}

template <typename... Arguments>
void CDrillScanner::ReportWarning(int line, MessageId messageId, Arguments... arguments) {
    messages.Write(messageId, MessageKind::Warning, line, arguments...);
    // Each "%" may warn once; a file of billions of them must not overflow the count.
    warningCount += warningCount < INT_MAX;
}

bool CDrillScanner::ScanToken(int& c, NCToken& token) {
    switch (c) {
        case 'N':
            c = SkipSequenceNumber();
            return false;
        case 'T':
            if (ReadTool(token)) {
                return true;
            }
            break;
        case 'G':
            if (ReadGCode(token)) {
                return true;
            }
            break;
        case 'M':
            switch (ReadMCode(token)) {
                case MCodeOutcome::Token:
                    return true;
                case MCodeOutcome::EndOfInput:
                    c = kEnd;
                    return false;
                case MCodeOutcome::UnknownCode:
                    break;
            }
            break;
        case 'R':
        case 'X':
        case 'Y':
        case 'A':
        case 'I':
        case 'J':
            if (coordinates.ReadNumber(c, token)) {
                blockEnd = true;
            }
            return true;
        default:
            break;
    }
    ReportError(token.line, kUnknownCharacter, c, token.line);
    c = source.NextChar();
    return false;
}

int CDrillScanner::SkipCommentLine() {
    commentText.assign(1, ';');
    for (;;) {
        const int c = NextCommentChar();
        if (c == '\n' || c == kEnd) {
            return EndComment(c);
        }
        if (c != 'T') {
            continue;
        }
        // A line feed right after the T ends the line here, leaving the next line whole.
        const int first = NextCommentChar();
        if (first == '\n' || first == kEnd) {
            return EndComment(first);
        }
        const int second = NextCommentChar();
        if (classes.IsDigit(first) && classes.IsDigit(second)) {
            return CollectCommentToolDefinition(first, second);
        }
        if (second == '\n' || second == kEnd) {
            return EndComment(second);
        }
    }
}

int CDrillScanner::NextCommentChar() {
    const int c = source.NextChar();
    if (c != '\n' && c != kEnd && commentText.size() < PlatingStatements::kCommentCapacity) {
        commentText.push_back(static_cast<char>(c));
    }
    return c;
}

int CDrillScanner::EndComment(int c) {
    plating.TakeComment(commentText);
    return c;
}

int CDrillScanner::CollectCommentToolDefinition(int first, int second) {
    std::string text{static_cast<char>(first), static_cast<char>(second)};
    int c = source.NextChar();
    while (c != '\n' && c != kEnd) {
        if (text.size() < kCommentToolTextCapacity) {
            text.push_back(static_cast<char>(c));
        }
        c = source.NextChar();
    }
    if (collectingToolLines) {
        toolLines.push_back(std::move(text));
        plating.NoteToolLine();
    }
    return c;
}

int CDrillScanner::SkipToNextM() {
    int firstTextLine = 0;
    int last = '%';
    int c = source.NextChar();
    while (c != 'M' && c != kEnd) {
        if (firstTextLine == 0 && !classes.IsSeparator(c)) {
            firstTextLine = source.LineOfLastChar();
        }
        last = c;
        c = source.NextChar();
    }
    if (firstTextLine != 0) {
        // At the end of the input the skip ends on its last character; a line feed belongs to
        // the line it ends.
        const int endLine = source.LineOfLastChar() - (c == kEnd && last == '\n');
        ReportWarning(firstTextLine, kSkippedAfterPercent, firstTextLine, endLine);
    }
    return c;
}

bool CDrillScanner::StartsG04Comment(int c) {
    // The look-ahead happens whatever c is: it counts the line feeds it passes.
    if (!source.LookAheadIs('0', '4') || c != 'G') {
        return false;
    }
    source.NextChar();
    source.NextChar();
    return true;
}

int CDrillScanner::SkipG04Comment(int line) {
    bool afterLineFeed = false;
    bool spansLines = false;
    int c = source.NextChar();
    while (c != delimiter && c != kEnd) {
        spansLines = spansLines || (afterLineFeed && !classes.IsSeparator(c));
        afterLineFeed = afterLineFeed || c == '\n';
        c = source.NextChar();
    }
    if (c == kEnd && spansLines) {
        ReportWarning(line, kG04CommentToEnd, line);
    }
    return source.NextChar();
}

int CDrillScanner::SkipSequenceNumber() {
    int c = source.NextChar();
    while (classes.IsDigit(c)) {
        c = source.NextChar();
    }
    return c;
}

bool CDrillScanner::ReadTool(NCToken& token) {
    const int first = source.NextChar();
    const int second = source.NextChar();
    if (!classes.IsDigit(first) || !classes.IsDigit(second)) {
        return false;
    }
    toolDigits.assign({static_cast<char>(first), static_cast<char>(second)});
    int c = source.NextChar();
    while (classes.IsDigit(c)) {
        toolDigits.push_back(static_cast<char>(c));
        c = source.NextChar();
    }
    source.UngetChars(1);
    token.type = TOKEN_TOOL;
    token.toolNumber = CoordinateReader::SaturatedValue(toolDigits);
    return true;
}

bool CDrillScanner::ReadGCode(NCToken& token) {
    token.type = TOKEN_CODE;
    const int first = source.NextChar();
    const int second = source.NextChar();
    const bool twoDigits = classes.IsDigit(first) && classes.IsDigit(second);
    if (!twoDigits) {
        ReportError(token.line, kGCodeWithoutTwoDigits);
    }
    const int code = twoDigits ? NCCodeTable::GCode(NCCodeTable::TwoDigitValue(first, second))
                               : NCCodeTable::kNoCode;
    if (code == NCCodeTable::kNoCode) {
        const char text[] = {static_cast<char>(first), static_cast<char>(second), '\0'};
        ReportError(token.line, kUnknownGCode, text, token.line);
        return false;
    }
    token.code = code;
    if (code == CODE_G93) {
        ReadG93Text(token);
    }
    return true;
}

void CDrillScanner::ReadG93Text(NCToken& token) {
    token.text.clear();
    int c = source.NextChar();
    while (c != kEnd) {
        if (token.text.size() < kG93TextCapacity) {
            token.text.push_back(static_cast<char>(c));
        }
        if (classes.EndsG93Text(c)) {
            break;
        }
        c = source.NextChar();
    }
}

bool CDrillScanner::ReadDigitsAfterM(int line, int& first, int& second) {
    for (;;) {
        first = source.NextChar();
        if (first == kEnd) {
            return false;
        }
        second = source.NextChar();
        if (second == kEnd) {
            return false;
        }
        if (classes.IsDigit(first) && classes.IsDigit(second)) {
            return true;
        }
        const char text[] = {static_cast<char>(first), static_cast<char>(second), '\0'};
        messages.Write(kUnknownMCode, MessageKind::Neither, line, text, line);
    }
}

CDrillScanner::MCodeOutcome CDrillScanner::ReadMCode(NCToken& token) {
    int first = 0;
    int second = 0;
    if (!ReadDigitsAfterM(token.line, first, second)) {
        return MCodeOutcome::EndOfInput;
    }
    const int code = NCCodeTable::MCode(NCCodeTable::TwoDigitValue(first, second));
    if (code == NCCodeTable::kNoCode) {
        const char text[] = {static_cast<char>(first), static_cast<char>(second), '\0'};
        ReportError(token.line, kUnknownMCode, text, token.line);
        return MCodeOutcome::UnknownCode;
    }
    token.type = TOKEN_CODE;
    token.code = code;
    if (code == CODE_M48) {
        ReadHeaderBlock(token.line);
    }
    return MCodeOutcome::Token;
}

void CDrillScanner::ReadHeaderBlock(int line) {
    const std::size_t collected = toolLines.size();
    if (!HeaderReader(source, toolLines, plating).ReadHeader()) {
        ReportWarning(line, kHeaderWithoutPercent, line);
    }
    if (!collectingToolLines) {
        toolLines.resize(collected);
        plating.KeepToolLines(collected);
    }
}
