#include "scanner/AutoScanner.h"

#include <climits>

#include "scanner/AutoDirective.h"
#include "scanner/AutoToolDefinition.h"
#include "scanner/NCCodeTable.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Tells whether c may follow a number letter as the start of its number.
bool StartsNumber(char c) {
    return IsDigit(c) || c == '-' || c == '+' || c == '.';
}

// Returns the end of the run of digits in text from begin on.
std::size_t DigitsEnd(std::string_view text, std::size_t begin) {
    while (begin < text.size() && IsDigit(text[begin])) {
        ++begin;
    }
    return begin;
}

// Codes read without effect; M47, M97 and M98 take the rest of their line with them.
constexpr int kStop = 0, kToolChange = 6, kCoolantOff = 9;
constexpr int kOperatorMessage = 47, kHeaderEnd = 95, kCanned = 97, kCannedText = 98;
constexpr int kHeaderStart = 48, kMillimetres = 71, kInches = 72;
constexpr int kDrillMode = 81, kComment = 4;
// Canned cycles: routed circles and a routed slot, which reads as G85.
constexpr int kClockwiseCircle = 32, kCounterClockwiseCircle = 33, kRoutedSlot = 87;

// Returns the code of an M code value that only the AUTO reading gives as a token (the panel
// codes and the stops among them), or NCCodeTable::kNoCode.
int PanelCode(int value) {
    switch (value) {
        case 1:
            return CODE_M01;
        case 2:
            return CODE_M02;
        case 8:
            return CODE_M08;
        case 25:
            return CODE_M25;
        case 70:
            return CODE_M70;
        case 80:
            return CODE_M80;
        case 90:
            return CODE_M90;
        default:
            return NCCodeTable::kNoCode;
    }
}

// Returns the code of a G code value in the AUTO reading.
int AutoGCode(int value) {
    switch (value) {
        case kDrillMode:
            return CODE_G05;
        case kRoutedSlot:
            return CODE_G85;
        case kClockwiseCircle:
            return CODE_G32;
        case kCounterClockwiseCircle:
            return CODE_G33;
        default:
            return NCCodeTable::GCode(value);
    }
}

// Tells whether an M code of the header line is one of the header's own.
bool IsHeaderMCode(int value) {
    return value == kHeaderStart || value == kHeaderEnd || value == kMillimetres ||
           value == kInches;
}

// The code of a tool selection that names no tool by its first two digits.
constexpr int kNoOffsetTool = -1;

}  // namespace

CAutoScanner::CAutoScanner(const DrillInput& input, const CDrillMachineFormat& settings,
                           MessageOutput messages)
    : filePath(input.Name()),
      messages(messages),
      settings(settings),
      format(settings),
      delimiter(settings.DelimiterCharacter()),
      classes(static_cast<char>(delimiter)),
      source(input, settings.characterSet == CDrillMachineFormat::EBCDIC),
      coordinates(source, classes, this->settings, messages),
      unit(ExactLength::UnitOf(settings.unit)),
      lines(source, delimiter),
      plating(input.Name()) {
    definition.reserve(64);
}

NCToken* CAutoScanner::NextToken(NCToken& token) {
    tokenValid = true;
    if (selectionPending) {
        selectionPending = false;
        token.type = TOKEN_TOOL;
        token.toolNumber = pendingTool;
        token.code = kNoOffsetTool;
        token.written = {};
        token.line = tokenLine;
        return &token;
    }
    while (!endOfInput) {
        const bool gave = LineDone() ? ReadLine(token) : ScanToken(token);
        if (gave && headerCommandLine) {
            WarnAboutHeaderCommand(token);
        }
        if (gave || !tokenValid) {
            token.line = tokenLine;
            return &token;
        }
    }
    return nullptr;
}

bool CAutoScanner::ReadLine(NCToken& token) {
    cursor = 0;
    if (!lines.ReadLine()) {
        endOfInput = true;
        if (source.EndByteHidesBytes()) {
            messages.Write(kEndByteBeforeEndOfFile, MessageKind::Warning, lines.EndLine(),
                           lines.EndLine());
            ++warningCount;
        }
        return false;
    }
    tokenLine = lines.LineNumber();
    headerCommandLine = false;
    const std::string_view text = lines.Text();
    if (text.empty()) {
        return false;
    }
    if (text[0] == ';') {
        cursor = text.size();
        plating.TakeComment(text);
        int integerDigits = 0;
        int decimalDigits = 0;
        if (AutoDirective::ReadFileFormat(text, integerDigits, decimalDigits)) {
            format.StateDigits(integerDigits, decimalDigits);
            ApplyFormat();
            return false;
        }
        int tool = 0;
        ExactLength diameter;
        if (!AutoToolDefinition::ReadCommentTable(text, tool, diameter)) {
            return false;
        }
        definition.clear();
        if (tool == AutoToolDefinition::kUnnumbered) {
            // Entries without numbers define tools 1, 2, ... in the order written; the count
            // stops where the number would not fit.
            unnumberedEntries += unnumberedEntries < INT_MAX;
            MakeDefinition(token, unnumberedEntries, DEFINITION_UNNUMBERED_TABLE, diameter);
        } else {
            MakeDefinition(token, tool, DEFINITION_COMMENT_TABLE, diameter);
        }
        definitionPlating = plating.OfTableEntry(text);
        return true;
    }
    if (!AutoDirective::MayStartDirective(text[0])) {
        return inHeader && ReadHeaderLine(token);
    }
    AutoDirective::UnitStatement unit;
    if (AutoDirective::ReadUnitLine(text, unit)) {
        cursor = text.size();
        StateUnit(unit, token);
        return true;
    }
    int stepMode = 0;
    if (AutoDirective::ReadIncrementalLine(text, stepMode)) {
        cursor = text.size();
        settings.stepMode = stepMode;
        return false;
    }
    if (AutoDirective::IsIgnoredDirective(text)) {
        cursor = text.size();
        return false;
    }
    return inHeader && ReadHeaderLine(token);
}

bool CAutoScanner::ReadHeaderLine(NCToken& token) {
    if (IsProgramCommand()) {
        inHeader = false;
        return false;
    }
    const std::string_view text = lines.Text();
    if (text[0] == '%') {
        return false;
    }
    if (text[0] == 'M') {
        // Read as in the body; a program command among its tokens is warned about.
        headerCommandLine = IsDigit(At(1)) && IsDigit(At(2)) &&
                            !IsHeaderMCode(NCCodeTable::TwoDigitValue(At(1), At(2)));
        return false;
    }
    int tool = 0;
    const bool defines =
        text[0] == 'T' && AutoToolDefinition::Read(text, lines.Written(), cursor, tool, definition);
    if (!defines && text[0] == 'T' && AutoToolDefinition::ReadSizeless(text, tool)) {
        messages.Write(kToolWithoutSize, MessageKind::Warning, tokenLine, tool, tokenLine);
        ++warningCount;
    }
    // The rest of a definition line, and every other line, is a directive read and ignored.
    cursor = text.size();
    if (defines) {
        MakeDefinition(token, tool, DEFINITION_REAL, ExactLength());
    }
    return defines;
}

void CAutoScanner::WarnAboutHeaderCommand(const NCToken& token) {
    // Stops and coolant codes are no program commands a header means to give.
    const bool quiet = token.type == TOKEN_CODE &&
                       (token.code == CODE_M00 || token.code == CODE_M01 || token.code == CODE_M08);
    if (quiet || token.type == TOKEN_UNIT || token.type == TOKEN_COUNTED_ERROR ||
        token.type == TOKEN_TOOL_DEFINITION) {
        return;
    }
    headerCommandLine = false;
    const std::string_view text = lines.Text();
    const char code[] = {text[1], text[2], '\0'};
    messages.Write(kCommandInHeader, MessageKind::Warning, tokenLine, code, tokenLine);
    ++warningCount;
}

bool CAutoScanner::IsProgramCommand() const {
    const std::string_view text = lines.Text();
    std::size_t start = 0;
    if (text[0] == 'N') {
        start = DigitsEnd(text, 1);
    }
    if (start >= text.size()) {
        return false;
    }
    const char first = text[start];
    const char second = start + 1 < text.size() ? text[start + 1] : '\0';
    if (first == 'G') {
        // A G04 comment is no command: the header goes on after it.
        return text.substr(start, 3) != "G04";
    }
    if (classes.IsNumberLetter(static_cast<unsigned char>(first)) && StartsNumber(second)) {
        return true;
    }
    if (first == 'M') {
        // A pattern begins only in the body.
        return text.substr(start, 3) == "M30" || text.substr(start, 3) == "M25";
    }
    if (first != 'T' || !IsDigit(second)) {
        return false;
    }
    std::size_t end = start;
    int tool = 0;
    std::string unused;
    return !AutoToolDefinition::Read(text, lines.Written(), end, tool, unused) &&
           !AutoToolDefinition::ReadSizeless(text.substr(start), tool);
}

bool CAutoScanner::ScanToken(NCToken& token) {
    const char c = At(0);
    if (static_cast<unsigned char>(c) == delimiter) {
        ++cursor;
        return false;
    }
    switch (c) {
        case '%':
            // Ends the header; outside it a rewind stop that skips nothing.
            inHeader = false;
            ++cursor;
            PassWord('%', 0);
            return false;
        case ';':
            cursor = lines.Text().size();
            return false;
        case 'N':
            cursor = DigitsEnd(lines.Text(), cursor + 1);
            return false;
        case 'T':
            return ReadTool(token);
        case 'G':
            return ReadGCode(token);
        case 'M':
            return ReadMCode(token);
        case 'F':
        case 'S':
            if (StartsNumber(At(1))) {
                SkipWord();
                return false;
            }
            break;
        default:
            if (classes.IsNumberLetter(static_cast<unsigned char>(c))) {
                if (wordListener != nullptr) {
                    ReadNumber<kWritten>(token);
                } else {
                    ReadNumber<kValued>(token);
                }
                return true;
            }
            break;
    }
    ReportError(kUnknownCharacter, static_cast<int>(static_cast<unsigned char>(c)), tokenLine);
    ++cursor;
    return false;
}

bool CAutoScanner::ReadTool(NCToken& token) {
    const std::string_view text = lines.Text();
    int tool = 0;
    if (AutoToolDefinition::Read(text, lines.Written(), cursor, tool, definition)) {
        MakeDefinition(token, tool, DEFINITION_REAL, ExactLength());
        selectionPending = !inHeader;
        pendingTool = tool;
        return true;
    }
    const std::size_t digitsEnd = DigitsEnd(text, cursor + 1);
    if (digitsEnd == cursor + 1) {
        ReportError(kUnknownCharacter, static_cast<int>('T'), tokenLine);
        ++cursor;
        return false;
    }
    const std::string_view digits = text.substr(cursor + 1, digitsEnd - cursor - 1);
    token.type = TOKEN_TOOL;
    if (wordListener != nullptr) {
        token.written = digits;
    }
    token.toolNumber = CoordinateReader::SaturatedValue(digits);
    // Four digits may be a tool and a tool offset.
    token.code =
        digits.size() == 4 ? CoordinateReader::SaturatedValue(digits.substr(0, 2)) : kNoOffsetTool;
    cursor = digitsEnd;
    return true;
}

bool CAutoScanner::ReadGCode(NCToken& token) {
    const char first = At(1);
    const char second = At(2);
    const char shown[] = {first, first == '\0' ? '\0' : second, '\0'};
    if (!IsDigit(first) || !IsDigit(second)) {
        ReportError(kGCodeWithoutTwoDigits);
        ReportError(kUnknownGCode, shown, tokenLine);
        ReportError(kUnknownCharacter, static_cast<int>('G'), tokenLine);
        ++cursor;
        return false;
    }
    const int value = NCCodeTable::TwoDigitValue(first, second);
    cursor += 3;
    if (value == kComment) {
        cursor = lines.Text().size();
        return false;
    }
    const int code = AutoGCode(value);
    if (code == NCCodeTable::kNoCode) {
        ReportError(kUnknownGCode, shown, tokenLine);
        ReportError(kUnknownCharacter, static_cast<int>('G'), tokenLine);
        return false;
    }
    token.type = TOKEN_CODE;
    token.code = code;
    if (code == CODE_G93) {
        const std::string_view text = lines.Text();
        token.text.clear();
        while (cursor < text.size()) {
            const char c = text[cursor++];
            token.text.push_back(c);
            if (c == 'F' || c == 'T' || c == 'I') {
                break;
            }
        }
    }
    return true;
}

bool CAutoScanner::ReadMCode(NCToken& token) {
    const char first = At(1);
    const char second = At(2);
    if (!IsDigit(first) || !IsDigit(second)) {
        const char shown[] = {first, first == '\0' ? '\0' : second, '\0'};
        messages.Write(kUnknownMCode, MessageKind::Error, tokenLine, shown, tokenLine);
        token.type = TOKEN_COUNTED_ERROR;
        ++cursor;
        return true;
    }
    const int value = NCCodeTable::TwoDigitValue(first, second);
    cursor += 3;
    switch (value) {
        case kHeaderStart:
            inHeader = true;
            PassWord('M', value);
            return false;
        case kHeaderEnd:
            inHeader = false;
            PassWord('M', value);
            return false;
        case kMillimetres:
        case kInches: {
            AutoDirective::UnitStatement unit;
            unit.unit = value == kMillimetres ? CDrillMachineFormat::MM : CDrillMachineFormat::IN;
            if (At(0) == ',') {
                AutoDirective::ReadUnitFields(lines.Text().substr(cursor + 1), unit);
                cursor = lines.Text().size();
            }
            StateUnit(unit, token);
            return true;
        }
        case kStop:
            token.type = TOKEN_CODE;
            token.code = CODE_M00;
            return true;
        case kToolChange:
        case kCoolantOff:
            PassWord('M', value);
            return false;
        case kOperatorMessage:
        case kCanned:
        case kCannedText:
            cursor = lines.Text().size();
            PassWord('M', value);
            return false;
        default:
            break;
    }
    const int panelCode = PanelCode(value);
    if (panelCode != NCCodeTable::kNoCode) {
        token.type = TOKEN_CODE;
        token.code = panelCode;
        // An M02 block may end at its M code, or at the swap or mirror code after its offset.
        const bool endsCopyBlock = panelCode == CODE_M02 || panelCode == CODE_M70 ||
                                   panelCode == CODE_M80 || panelCode == CODE_M90;
        blockEnd = blockEnd || (endsCopyBlock && (LineDone() || At(0) == ';' ||
                                                  static_cast<unsigned char>(At(0)) == delimiter));
        return true;
    }
    const int code = NCCodeTable::MCode(value);
    if (code == NCCodeTable::kNoCode) {
        const char shown[] = {first, second, '\0'};
        messages.Write(kUnknownMCode, MessageKind::Error, tokenLine, shown, tokenLine);
        token.type = TOKEN_COUNTED_ERROR;
        return true;
    }
    token.type = TOKEN_CODE;
    token.code = code;
    return true;
}

template <CAutoScanner::NumberUse use>
void CAutoScanner::ReadNumber(NCToken& token) {
    // The character after the line is no digit, sign or point, so the scan needs no bounds.
    const std::string_view text = lines.Text();
    const char* const line = text.data();
    const char letter = line[cursor];
    const char* next = line + cursor + 1;
    int sign = 1;
    if (*next == '-' || *next == '+') {
        sign = *next == '-' ? -1 : 1;
        ++next;
    }
    const char* const integerBegin = next;
    std::uint64_t value = 0;
    for (; IsDigit(*next); ++next) {
        value = value * 10 + static_cast<std::uint64_t>(*next - '0');
    }
    const std::string_view integerText(integerBegin, static_cast<std::size_t>(next - integerBegin));
    const bool point = *next == '.';
    const char* fractionBegin = next;
    if (point) {
        for (fractionBegin = ++next; IsDigit(*next); ++next) {
            value = value * 10 + static_cast<std::uint64_t>(*next - '0');
        }
    }
    const std::size_t fractionDigits = static_cast<std::size_t>(next - fractionBegin);
    const std::size_t digits = integerText.size() + fractionDigits;
    if (digits == 0) {
        messages.Write(kNumberExpected, MessageKind::Neither, tokenLine, static_cast<int>(letter),
                       tokenLine);
    }
    const NCTokenType type = CoordinateReader::TokenTypeOf(letter);
    token.type = type;
    if (type == TOKEN_R) {
        token.value = CoordinateReader::SaturatedValue(integerText);
    } else if constexpr (use == kWritten) {
        PassNumber(token, next, value, point);
    } else {
        long long decimals = static_cast<long long>(fractionDigits);
        if (!point) {
            coordinates.WarnAboutRunWithoutPoint(integerText, tokenLine);
            decimals = coordinates.ImpliedDecimals(integerText.size());
        }
        token.length = digits <= ExactLength::kSignificantDigits
                           ? ExactLength::FromDecimal(value, decimals, sign, unit)
                           : ExactLength::FromDigitText(
                                 std::string(integerText).append(fractionBegin, fractionDigits),
                                 decimals, sign, unit);
    }
    cursor = static_cast<std::size_t>(next - line);
    // Feed and speed words after the number belong to its block and do not hide its end.
    while ((At(0) == 'F' || At(0) == 'S') && StartsNumber(At(1))) {
        SkipWord();
    }
    const char after = At(0);
    blockEnd =
        blockEnd || LineDone() || static_cast<unsigned char>(after) == delimiter || after == ';';
}

void CAutoScanner::PassNumber(NCToken& token, const char* end, std::uint64_t digits, bool point) {
    const char* const begin = lines.Text().data() + cursor + 1;
    token.written = std::string_view(begin, static_cast<std::size_t>(end - begin));
    token.value = static_cast<double>(digits);
    token.code = point ? kWrittenWithPoint : kWrittenWithoutPoint;
}

void CAutoScanner::PassWord(char letter, int value) const {
    if (wordListener != nullptr) {
        wordListener->TakePassedWord(letter, value);
    }
}

void CAutoScanner::SkipWord() {
    ++cursor;
    while (StartsNumber(At(0))) {
        ++cursor;
    }
}

void CAutoScanner::StateUnit(const AutoDirective::UnitStatement& unit, NCToken& token) {
    unitStatement = unit;
    format.StateUnit(unit.unit);
    if (unit.zeroTruncation != AutoDirective::kNotStated) {
        format.StateZeroTruncation(unit.zeroTruncation);
    }
    if (unit.integerDigits != AutoDirective::kNotStated) {
        format.StateDigits(unit.integerDigits, unit.decimalDigits);
    }
    ApplyFormat();
    token.type = TOKEN_UNIT;
    // The unit in force: the machine format may overrule the one stated.
    token.code = settings.unit;
}

void CAutoScanner::ApplyFormat() {
    format.ApplyTo(settings);
    coordinates.TakeFormat();
    unit = ExactLength::UnitOf(settings.unit);
}

void CAutoScanner::MakeDefinition(NCToken& token, int tool, NCDefinitionKind kind,
                                  ExactLength diameter) {
    token.type = TOKEN_TOOL_DEFINITION;
    definitionPlating = plating.Current();
    token.toolNumber = tool;
    token.code = kind;
    token.length = diameter;
    token.text = definition;
}
