#include "detection/FormatInference.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {
const bool noCoord = std::getenv("NOCOORD") != nullptr;

// The most holes one repeat block places for the geometry.
constexpr double kRepeatsPlaced = 1000.0;
constexpr int kMostDigits = 8;
// Digits that put at least this many holes on a pitch, and more than twice as many as others,
// are the board's.
constexpr std::size_t kPitchHoles = 4;

const char* const kAutoOnlyNames[] = {
    "lines ended by a bare CR",
    "a header comment holding T or %",
    "spaces inside a block",
    "an M48 header without % or M95",
    "no M48 header",
    "one-digit tool numbers",
    "F or S before C in a tool definition",
    "tool definitions in the body",
    "sizes written without a digit before the point",
    "the unit codes M71 and M72",
    "M00 or M06",
    "G85 slots",
    "decimal points in coordinates",
    "the panel codes M25, M01, M02 and M08",
    "the routed circles G32 and G33",
};

// M codes that give no token and change what the header is.
constexpr int kToolChange = 6, kHeaderStart = 48, kHeaderEnd = 95;

// Powers of ten that a double holds exactly.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
// Up to this many digits the value of a run of digits is exact in a double, as the scanner gives
// it.
constexpr std::size_t kExactDigits = 15;

// Reads a run of more digits than a double holds exactly as its value and ten to the power of
// its length, both built digit by digit, and whether a digit is not 0; false when the run is too
// long for a double (hundreds of digits: no board is that large).
bool LongDigitValue(std::string_view digits, double& value, double& scale, bool& nonZero) {
    value = 0.0;
    scale = 1.0;
    nonZero = false;
    for (const char digit : digits) {
        value = value * 10.0 + (digit - '0');
        scale *= 10.0;
        nonZero = nonZero || digit != '0';
    }
    return std::isfinite(scale);
}

// Converts the leading number of text as atof does.
double LeadingNumber(std::string_view text) {
    return std::strtod(std::string(text).c_str(), nullptr);
}

std::string UnitName(int unit) {
    return unit == DrillFormat::kMillimetre ? "millimetre" : "inch";
}

std::string ZerosName(int zeroTruncation) {
    DrillFormat format;
    format.zeroTruncation = zeroTruncation;
    return format.ZeroTruncationName();
}

// Returns the text in upper case without spaces and tabs, as evidence quotes a statement.
std::string Compacted(std::string_view text) {
    std::string compact;
    for (const char character : text) {
        if (character != ' ' && character != '\t') {
            compact += character >= 'a' && character <= 'z'
                           ? static_cast<char>(character - 'a' + 'A')
                           : character;
        }
    }
    return compact;
}

}  // namespace

void FormatInference::Read(const DrillInput& input) {
    CDrillMachineFormat settings;
    settings.dataType = CDrillMachineFormat::AUTO;
    CAutoScanner scanner(input, settings, MessageOutput(nullptr));
    scanner.SetWordListener(*this);
    scanner_ = &scanner;
    NCToken token;
    int tokenLine = 0;
    while (const NCToken* next = scanner.NextToken(token)) {
        // What the reading cannot read gives nothing to decide on.
        if (!scanner.IsTokenValid()) {
            continue;
        }
        // A block ends with its line when no number ends it. The lines of coordinates come only
        // as their tokens.
        if (next->line != tokenLine) {
            EndBlock();
            tokenLine = next->line;
            NoteBareCarriageReturn(tokenLine);
            lineNumber_ = tokenLine;
        }
        TakeToken(*next);
        if (scanner.GetBlockEnd()) {
            scanner.ResetBlockEnd();
            EndBlock();
        }
    }
    EndBlock();
    content_.TakePlainLines(scanner.CoordinateLineBytes());
    if (scanner.EndByteHidesBytes()) {
        content_.TakeEndByte(lineNumber_ + 1);
    }
    scanner_ = nullptr;
}

void FormatInference::TakeLine(const Line& line) {
    NoteBareCarriageReturn(line.number);
    if (line.endsAtCarriageReturn) {
        carriageReturnLine_ = line.number;
    }
    lineNumber_ = line.number;
    const std::string_view text = line.text;
    content_.TakeLine(line.written, line.number);
    if (text.empty()) {
        return;
    }
    if (text[0] == ';') {
        TakeComment(text);
        return;
    }
    if ((AutoDirective::MayStartDirective(text[0]) && TakeDirective(text)) ||
        text.substr(0, 3) == "G04") {
        return;
    }
    // Fields separated by commas are a directive's, whatever their spaces.
    if (text.find(',') != std::string_view::npos && text.substr(0, 3) != "M71" &&
        text.substr(0, 3) != "M72") {
        return;
    }
    const std::string_view written = line.written;
    const std::size_t first = written.find_first_not_of(" \t");
    const std::size_t last = written.find_last_not_of(" \t");
    if (!InHeader() && first != std::string_view::npos &&
        written.substr(first, last - first).find_first_of(" \t") != std::string_view::npos) {
        NoteAutoOnly(kSpacesInsideBlock);
    }
}

// A bare CR counts once a line follows it.
void FormatInference::NoteBareCarriageReturn(int line) {
    if (carriageReturnLine_ != 0 && line > carriageReturnLine_) {
        lineNumber_ = carriageReturnLine_;
        NoteAutoOnly(kBareCarriageReturn);
        carriageReturnLine_ = 0;
    }
}

void FormatInference::TakeCutText(std::string_view text, int line) {
    content_.TakeText(text, line);
}

void FormatInference::TakePassedWord(char letter, int value) {
    if (letter == '%' || value == kHeaderEnd) {
        headerClosed_ = headerClosed_ || headerSeen_;
    } else if (value == kHeaderStart) {
        headerSeen_ = headerSeen_ || !inBody_;
    } else if (value == kToolChange) {
        NoteAutoOnly(kStopOrToolChange);
    }
}

bool FormatInference::InHeader() const {
    return headerSeen_ && !headerClosed_ && !inBody_;
}

// The comment is read as written: ";", FILE_FORMAT in capitals, "=", then m:n of one or two
// digits each, blanks allowed around the key and the "=" and after the digits.
void FormatInference::TakeComment(std::string_view comment) {
    if (InHeader() && comment.find_first_of("T%") != std::string_view::npos) {
        NoteAutoOnly(kHeaderCommentWithToolOrPercent);
    }
    int integers = 0;
    int decimals = 0;
    if (AutoDirective::ReadFileFormat(comment, integers, decimals)) {
        fileFormatIntegers_ = integers;
        fileFormatDecimals_ = decimals;
        fileFormatSource_ = OnLine(Compacted(comment));
    }
}

bool FormatInference::TakeDirective(std::string_view text) {
    int stepMode = 0;
    if (AutoDirective::ReadIncrementalLine(text, stepMode)) {
        const int step = stepMode == CDrillMachineFormat::ABSOLUTE ? DrillFormat::kAbsolute
                                                                   : DrillFormat::kIncremental;
        incremental_ = step == DrillFormat::kIncremental;
        if (statedStep_ == 0) {
            statedStep_ = step;
            stepSource_ = OnLine(Compacted(text));
        }
        return true;
    }
    if (AutoDirective::IsIgnoredDirective(text)) {
        const std::string compact = Compacted(text);
        constexpr std::string_view kCommandSet = "FMAT,";
        if (compact.compare(0, kCommandSet.size(), kCommandSet) == 0 && commandSet_.empty()) {
            commandSet_ = compact.substr(
                kCommandSet.size(), compact.find(',', kCommandSet.size()) - kCommandSet.size());
        }
        return true;
    }
    AutoDirective::UnitStatement unused;
    return AutoDirective::ReadUnitLine(text, unused);
}

void FormatInference::TakeToken(const NCToken& token) {
    if (!inBody_ && !scanner_->InHeader()) {
        BeginBody();
    }
    switch (token.type) {
        case TOKEN_TOOL_DEFINITION:
            if (token.code == DEFINITION_REAL) {
                TakeToolDefinition(token);
            }
            break;
        case TOKEN_TOOL:
            if (token.written.size() == 1) {
                NoteAutoOnly(kOneDigitTool, 'T', token.written);
            }
            tool_ = token.toolNumber;
            break;
        case TOKEN_CODE:
            TakeCode(token.code);
            break;
        case TOKEN_UNIT:
            TakeUnitStatement(scanner_->GetUnitStatement());
            break;
        case TOKEN_X:
        case TOKEN_Y:
            if (noCoord)
                break;
            TakeCoordinate(token.type == TOKEN_X ? 'X' : 'Y', token.written,
                           token.code == CAutoScanner::kWrittenWithPoint, token.value);
            break;
        case TOKEN_R:
            repeats_ = token.value;
            break;
        default:
            break;
    }
}

// A header that neither % nor M95 ends ends before the first program command.
void FormatInference::BeginBody() {
    inBody_ = true;
    if (!headerSeen_) {
        NoteAutoOnly(kNoHeader);
    } else if (!headerClosed_) {
        NoteAutoOnly(kHeaderWithoutEnd);
    }
}

void FormatInference::TakeUnitStatement(const AutoDirective::UnitStatement& statement) {
    const bool inches = statement.unit == CDrillMachineFormat::IN;
    AutoDirective::UnitStatement unused;
    if (!AutoDirective::ReadUnitLine(scanner_->GetLineText(), unused)) {
        StateUnit(inches ? DrillFormat::kInch : DrillFormat::kMillimetre, inches ? "M72" : "M71");
        NoteAutoOnly(kUnitCodes);
        TakeZeroWord(statement);
        return;
    }
    // A unit line in the body states nothing: only the header describes the program.
    if (inBody_) {
        return;
    }
    StateUnit(inches ? DrillFormat::kInch : DrillFormat::kMillimetre, inches ? "INCH" : "METRIC");
    TakeZeroWord(statement);
    TakeDigitPattern(statement);
}

void FormatInference::TakeZeroWord(const AutoDirective::UnitStatement& statement) {
    if (statement.zeroTruncation == AutoDirective::kNotStated || statedZeros_ >= 0) {
        return;
    }
    const bool leadingWritten = statement.zeroTruncation == CDrillMachineFormat::TRAILING;
    statedZeros_ = leadingWritten ? DrillFormat::kTrailing : DrillFormat::kLeading;
    zerosSource_ = OnLine(leadingWritten ? "LZ" : "TZ");
    zerosSource_.text +=
        leadingWritten ? ": leading zeros are written" : ": trailing zeros are written";
}

// Only a pattern with digits on both sides of its point states digits.
void FormatInference::TakeDigitPattern(const AutoDirective::UnitStatement& statement) {
    if (patternIntegers_ >= 0 || statement.integerDigits < 1 || statement.decimalDigits < 1) {
        return;
    }
    patternIntegers_ = statement.integerDigits;
    patternDecimals_ = statement.decimalDigits;
    patternSource_ = OnLine(std::string(static_cast<std::size_t>(patternIntegers_), '0') + "." +
                            std::string(static_cast<std::size_t>(patternDecimals_), '0'));
}

void FormatInference::StateUnit(int unit, std::string_view word) {
    if (statedUnit_ == 0) {
        statedUnit_ = unit;
        unitSource_ = OnLine(word);
    }
}

// A definition is the tool's digits, a space, "C" or a hole type word, a space and the sizes;
// only a diameter written with a point places holes.
void FormatInference::TakeToolDefinition(const NCToken& token) {
    const std::string_view definition = token.text;
    const std::size_t digitsEnd = definition.find(' ');
    const std::string_view digits = definition.substr(0, digitsEnd);
    const std::string_view rest = definition.substr(digitsEnd + 1);
    tool_ = token.toolNumber;
    if (digits.size() == 1) {
        NoteAutoOnly(kOneDigitTool, 'T', digits);
    }
    if (rest.substr(0, 2) != "C ") {
        return;
    }
    const std::string_view size = rest.substr(2);
    const std::string_view line = scanner_->GetLineText();
    if (line.substr(0, line.find('C')).find_first_of("FS") != std::string_view::npos) {
        NoteAutoOnly(kFeedOrSpeedBeforeSize);
    }
    if (inBody_) {
        NoteAutoOnly(kToolDefinitionInBody, 'T', digits);
    }
    if (!size.empty() && size[0] == '.') {
        NoteAutoOnly(kSizeWithoutLeadingDigit, 'C', size);
    }
    if (size.find('.') != std::string_view::npos) {
        geometry_.SetDiameter(tool_, LeadingNumber(size));
    }
}

void FormatInference::TakeCode(int code) {
    switch (code) {
        case CODE_G00:
        case CODE_G01:
        case CODE_G02:
        case CODE_G03:
            routing_ = true;
            break;
        case CODE_G05:
            routing_ = false;
            break;
        case CODE_G90:
        case CODE_G91:
            incremental_ = code == CODE_G91;
            break;
        case CODE_G85:
            NoteAutoOnly(kSlots);
            blockIsContour_ = true;
            PlaceBlock(0.0);
            break;
        case CODE_G32:
        case CODE_G33:
            // The centre of a routed circle is no hole.
            NoteAutoOnly(kRoutedCircles);
            blockIsContour_ = true;
            break;
        case CODE_M25:
            NoteAutoOnly(kPanelCodes);
            break;
        case CODE_M02:
            // An offset from the pattern, not a place on the board.
            NoteAutoOnly(kPanelCodes);
            blockIsOffset_ = true;
            break;
        case CODE_M00:
            NoteAutoOnly(kStopOrToolChange);
            break;
        default:
            break;
    }
}

void FormatInference::TakeCoordinate(char letter, std::string_view value, bool point,
                                     double digitsValue) {
    if (point) {
        NoteAutoOnly(kDecimalPoints, letter, value);
        blockHasPoint_ = true;
        return;
    }
    const bool negative = !value.empty() && value[0] == '-';
    const std::string_view digits =
        value.substr(!value.empty() && (negative || value[0] == '+') ? 1 : 0);
    double magnitude = digitsValue;
    double scale = 1.0;
    bool nonZero = digitsValue != 0.0;
    if (digits.empty()) {
        return;
    }
    if (digits.size() <= kExactDigits) {
        scale = kPowersOfTen[digits.size()];
    } else if (!LongDigitValue(digits, magnitude, scale, nonZero)) {
        return;
    }
    ++pointless_;
    if (digits.size() > longest_) {
        longest_ = digits.size();
        longestExample_ = OnLine(std::string(1, letter) + std::string(value));
    }
    if (nonZero) {
        if (digits.size() >= 2 && digits[0] == '0' && withLeadingZero_++ == 0) {
            leadingZeroExample_ = OnLine(std::string(1, letter) + std::string(value));
        }
        shortestNonZero_ =
            shortestNonZero_ == 0 ? digits.size() : std::min(shortestNonZero_, digits.size());
        longestNonZero_ = std::max(longestNonZero_, digits.size());
    }
    const double signedValue = negative ? -magnitude : magnitude;
    const int axis = letter == 'X' ? 0 : 1;
    pending_[kIntegerBase][axis] = signedValue;
    pending_[kFractionBase][axis] = signedValue / scale;
    pendingAxis_[axis] = true;
}

void FormatInference::EndBlock() {
    PlaceBlock(repeats_);
    repeats_ = 0.0;
    blockIsContour_ = false;
    blockIsOffset_ = false;
}

// Places the block's coordinates: a hole in drill mode with a tool, a point otherwise (repeats,
// the ends of a slot and the centre of a circle are points), nothing for the offset of a copy of
// a pattern. With repeats the coordinates are the step.
void FormatInference::PlaceBlock(double repeats) {
    const bool given = pendingAxis_[0] || pendingAxis_[1];
    // Both bases are kept even where the program states its format, so that the numbers can
    // be checked against what it states.
    const int bases = HoleGeometry::kAllBases;
    if (given && !blockHasPoint_ && !blockIsOffset_) {
        const double holes = repeats > 0.0 ? std::min(repeats, kRepeatsPlaced) : 1.0;
        const bool relative = incremental_ || repeats > 0.0;
        for (int hole = 0; hole < static_cast<int>(holes); ++hole) {
            for (int axis = 0; axis < 2; ++axis) {
                if (pendingAxis_[axis]) {
                    for (int base = kIntegerBase; base <= kFractionBase; ++base) {
                        position_[base][axis] =
                            pending_[base][axis] + (relative ? position_[base][axis] : 0.0);
                    }
                }
            }
            if (blockIsContour_ || routing_ || tool_ == 0) {
                geometry_.AddPoint(position_, bases);
            } else {
                geometry_.AddHole(tool_, position_, bases);
            }
        }
    }
    pendingAxis_[0] = pendingAxis_[1] = false;
    blockHasPoint_ = false;
}

void FormatInference::NoteAutoOnly(AutoOnly kind) {
    if (!autoOnlyNoted_[kind]) {
        autoOnlyNoted_[kind] = true;
        autoOnlyReasons_.push_back(std::string(kAutoOnlyNames[kind]) + " (line " +
                                   std::to_string(lineNumber_) + ")");
    }
}

void FormatInference::NoteAutoOnly(AutoOnly kind, char letter, std::string_view value) {
    if (!autoOnlyNoted_[kind]) {
        autoOnlyNoted_[kind] = true;
        autoOnlyReasons_.push_back(std::string(kAutoOnlyNames[kind]) + " (" +
                                   OnLine(std::string(1, letter) + std::string(value)).text + ")");
    }
}

FormatInference::Source FormatInference::OnLine(std::string_view what) const {
    return {std::string(what) + " on line " + std::to_string(lineNumber_), lineNumber_};
}

CFormatEvidence FormatInference::Decision(const char* item, const std::string& value,
                                          const char* separator, const std::string& reason,
                                          int line) const {
    CFormatEvidence evidence;
    evidence.item = item;
    evidence.value = value;
    evidence.reason = reason;
    evidence.line = line;
    evidence.text = std::string(item) + ": " + value + separator + reason;
    return evidence;
}

DrillFormat FormatInference::Infer(const DrillFormat& fallback, const SideFormat& sideFormat,
                                   std::vector<CFormatEvidence>& evidence) const {
    const int stated = Statements(sideFormat);
    std::vector<CFormatEvidence> lines;
    DrillFormat format = InferKeeping(fallback, sideFormat, stated, lines);
    const std::string refutation = stated == 0 ? std::string() : Refutation(format);
    // The fewest statements are overruled, the zero suppression first: generators that swap the
    // meanings of LZ and TZ are the commonest cause.
    const int kept[] = {stated & ~kZerosStated,
                        stated & ~kDigitsStated,
                        stated & ~kUnitStated,
                        stated & kUnitStated,
                        stated & kZerosStated,
                        stated & kDigitsStated,
                        0};
    for (int index = 0; !refutation.empty() && index < static_cast<int>(std::size(kept)); ++index) {
        const bool keptBefore = std::find(kept, kept + index, kept[index]) != kept + index;
        // A zero suppression is overruled only for the one the numbers show.
        const bool zerosShown = ZerosShown() >= 0 && ZerosShown() != StatedZeros(sideFormat);
        if (kept[index] == stated || keptBefore ||
            ((stated & ~kept[index] & kZerosStated) != 0 && !zerosShown)) {
            continue;
        }
        std::vector<CFormatEvidence> otherLines;
        const DrillFormat other = InferKeeping(fallback, sideFormat, kept[index], otherLines);
        if (Refutation(other).empty()) {
            NoteOverruled(sideFormat, stated & ~kept[index], refutation, otherLines);
            format = other;
            format.overruled = stated & ~kept[index];
            lines = otherLines;
            break;
        }
    }
    evidence.insert(evidence.end(), lines.begin(), lines.end());
    if (statedStep_ != 0) {
        format.stepMode = statedStep_;
        evidence.push_back(Decision("steps", format.StepModeName(), ", ",
                                    "from " + stepSource_.text, stepSource_.line));
    }
    return format;
}

int FormatInference::Statements(const SideFormat& sideFormat) const {
    return (statedUnit_ != 0 || sideFormat.StatesUnit() ? kUnitStated : 0) |
           (statedZeros_ >= 0 || sideFormat.StatesZeroTruncation() ? kZerosStated : 0) |
           (patternIntegers_ >= 0 || fileFormatIntegers_ >= 0 || sideFormat.StatesDigits()
                ? kDigitsStated
                : 0);
}

std::string FormatInference::Refutation(const DrillFormat& format) const {
    const int length = format.integerDigits + format.decimalDigits;
    if (pointless_ > 0 && static_cast<int>(longest_) > length) {
        return longestExample_.text + " has " + std::to_string(longest_) + " digits, more than " +
               format.DigitsText() + " hold";
    }
    const std::string objection = geometry_.Refutation(HoleBase(format), MillimetresPerBase(format),
                                                       format.MillimetresPerUnit());
    return objection.empty()
               ? objection
               : "with " + std::string(format.UnitName()) + " " + format.DigitsText() + " " +
                     format.ZeroTruncationName() + " " + objection;
}

int FormatInference::StatedZeros(const SideFormat& sideFormat) const {
    return statedZeros_ >= 0 ? statedZeros_ : sideFormat.ApplyTo(DrillFormat()).zeroTruncation;
}

int FormatInference::ZerosShown() const {
    if (withLeadingZero_ > 0) {
        return shortestNonZero_ == longestNonZero_ ? DrillFormat::kNone : DrillFormat::kTrailing;
    }
    return pointless_ > 0 && shortestNonZero_ != longestNonZero_ ? DrillFormat::kLeading : -1;
}

int FormatInference::HoleBase(const DrillFormat& format) {
    return format.zeroTruncation == DrillFormat::kTrailing ? kFractionBase : kIntegerBase;
}

double FormatInference::MillimetresPerBase(const DrillFormat& format) {
    const int exponent = format.zeroTruncation == DrillFormat::kTrailing ? format.integerDigits
                                                                         : -format.decimalDigits;
    return std::pow(10.0, exponent) * format.MillimetresPerUnit();
}

void FormatInference::NoteOverruled(const SideFormat& sideFormat, int overruled,
                                    const std::string& refutation,
                                    std::vector<CFormatEvidence>& lines) const {
    const DrillFormat side = sideFormat.ApplyTo(DrillFormat());
    const std::pair<int, std::string> statements[] = {
        {kUnitStated,
         statedUnit_ != 0 ? unitSource_.text : "the side file's " + UnitName(side.unit)},
        {kZerosStated, statedZeros_ >= 0
                           ? zerosSource_.text.substr(0, zerosSource_.text.find(':'))
                           : std::string("the side file's ") + ZerosName(side.zeroTruncation)},
        {kDigitsStated, patternIntegers_ >= 0      ? patternSource_.text
                        : fileFormatIntegers_ >= 0 ? fileFormatSource_.text
                                                   : "the side file's " + side.DigitsText()},
    };
    const char* const items[] = {"unit", "zero suppression", "digits"};
    for (int index = 0; index < 3; ++index) {
        if ((overruled & statements[index].first) == 0) {
            continue;
        }
        for (CFormatEvidence& line : lines) {
            if (line.item.Str() == items[index]) {
                line = Decision(items[index], line.value.Str(), ": ",
                                "overrules " + statements[index].second + ", since " + refutation +
                                    "; " + line.reason.Str(),
                                line.line);
            }
        }
    }
}

DrillFormat FormatInference::InferKeeping(const DrillFormat& fallback, const SideFormat& sideFormat,
                                          int kept, std::vector<CFormatEvidence>& lines) const {
    const SideFormat side = sideFormat.Keeping(
        (kept & kUnitStated) != 0, (kept & kZerosStated) != 0, (kept & kDigitsStated) != 0);
    const DrillFormat base = side.ApplyTo(fallback);
    DrillFormat format = base;
    const bool unitDropped = (Statements(sideFormat) & ~kept & kUnitStated) != 0;
    const bool unitOpen = statedUnit_ == 0 && !sideFormat.StatesUnit();
    std::vector<CFormatEvidence> unitLine;
    if (unitDropped) {
        const int statedUnit = statedUnit_ != 0 ? statedUnit_ : sideFormat.ApplyTo(fallback).unit;
        format.unit =
            statedUnit == DrillFormat::kInch ? DrillFormat::kMillimetre : DrillFormat::kInch;
        unitLine.push_back(Decision("unit", UnitName(format.unit), ", ", "the other unit", 0));
    } else if (statedUnit_ != 0) {
        format.unit = statedUnit_;
        unitLine.push_back(Decision("unit", UnitName(format.unit), ", ", "from " + unitSource_.text,
                                    unitSource_.line));
    } else if (unitOpen) {
        unitLine.push_back(Decision("unit", UnitName(format.unit), ", ",
                                    "the fallback's: the program states no unit", 0));
    }

    std::vector<CFormatEvidence> zerosLine;
    if ((kept & kZerosStated) != 0 && statedZeros_ >= 0) {
        format.zeroTruncation = statedZeros_;
        zerosLine.push_back(Decision("zero suppression", ZerosName(statedZeros_), ", ",
                                     "from " + zerosSource_.text, zerosSource_.line));
    } else if (!side.StatesZeroTruncation()) {
        format.zeroTruncation = InferZeroTruncation(base.zeroTruncation, zerosLine);
    }

    std::vector<CFormatEvidence> digitsLine;
    const bool digitsKept = (kept & kDigitsStated) != 0;
    const int integers = patternIntegers_ >= 0 ? patternIntegers_ : fileFormatIntegers_;
    if (digitsKept && integers >= 0) {
        format.integerDigits = integers;
        format.decimalDigits = patternIntegers_ >= 0 ? patternDecimals_ : fileFormatDecimals_;
        const Source& source = patternIntegers_ >= 0 ? patternSource_ : fileFormatSource_;
        digitsLine.push_back(
            Decision("digits", format.DigitsText(), ", ", "from " + source.text, source.line));
    } else if (!side.StatesDigits() && !InferDigits(format, base, digitsLine) && unitOpen) {
        // A unit the program does not state is the fallback's unless only the other unit
        // gives digits that place the holes on a real board.
        DrillFormat other = format;
        other.unit =
            format.unit == DrillFormat::kInch ? DrillFormat::kMillimetre : DrillFormat::kInch;
        std::vector<CFormatEvidence> otherLine;
        if (InferDigits(other, base, otherLine)) {
            unitLine.back() = Decision(
                "unit", UnitName(other.unit), ": ",
                std::string("the program states no unit, and no digits place its holes on a "
                            "board in ") +
                    (format.unit == DrillFormat::kInch ? "inches" : "millimetres"),
                0);
            format = other;
            digitsLine = otherLine;
        }
    }

    for (const auto* items : {&unitLine, &zerosLine, &digitsLine}) {
        lines.insert(lines.end(), items->begin(), items->end());
    }
    return format;
}

int FormatInference::InferZeroTruncation(int fallback,
                                         std::vector<CFormatEvidence>& evidence) const {
    const char* const item = "zero suppression";
    if (pointless_ == 0) {
        evidence.push_back(Decision(item, ZerosName(fallback), ", ",
                                    "the fallback's: no coordinate is written without a point", 0));
        return fallback;
    }
    const bool oneLength = shortestNonZero_ == longestNonZero_;
    if (withLeadingZero_ > 0 && oneLength) {
        evidence.push_back(Decision(item, "NONE", ": ",
                                    leadingZeroExample_.text +
                                        " begins with 0 and every number has " +
                                        std::to_string(longestNonZero_) + " digits",
                                    leadingZeroExample_.line));
        return DrillFormat::kNone;
    }
    if (withLeadingZero_ > 0) {
        evidence.push_back(
            Decision(item, "TRAILING", ": ",
                     leadingZeroExample_.text + " begins with 0, so leading zeros are written",
                     leadingZeroExample_.line));
        return DrillFormat::kTrailing;
    }
    if (!oneLength) {
        evidence.push_back(Decision(item, "LEADING", ": ",
                                    "no number begins with 0 and their lengths vary from " +
                                        std::to_string(shortestNonZero_) + " to " +
                                        std::to_string(longestNonZero_) + " digits",
                                    0));
        return DrillFormat::kLeading;
    }
    evidence.push_back(
        Decision(item, ZerosName(fallback), ", ",
                 "the fallback's: no number begins with 0 and all have the same length", 0));
    return fallback;
}

// The digit that sets the scale is tried from the preferred one outwards; the first that the
// geometry allows wins, and the preferred one stays when none does.
bool FormatInference::InferDigits(DrillFormat& format, const DrillFormat& base,
                                  std::vector<CFormatEvidence>& evidence) const {
    // The fallback's digits hold for its own unit; another unit gets its usual ones.
    const DrillFormat preferred =
        format.unit == base.unit ? base : DrillFormat::UsualFor(format.unit);
    const DrillFormat usualDigits = DrillFormat::UsualFor(format.unit);
    const std::string why = preferred.integerDigits == usualDigits.integerDigits &&
                                    preferred.decimalDigits == usualDigits.decimalDigits
                                ? "the usual for " + UnitName(format.unit)
                                : "the fallback's";
    if (pointless_ == 0) {
        format.integerDigits = preferred.integerDigits;
        format.decimalDigits = preferred.decimalDigits;
        evidence.push_back(Decision("digits", preferred.DigitsText(), ", ",
                                    why + ": no coordinate is written without a point", 0));
        return true;
    }
    const int longest = static_cast<int>(longest_);
    const bool trailing = format.zeroTruncation == DrillFormat::kTrailing;
    const bool none = format.zeroTruncation == DrillFormat::kNone;
    const int holeBase = HoleBase(format);
    const int highest = none ? longest : kMostDigits;
    // The digits besides the one that sets the scale keep the preferred total, or the longest
    // number, so that no number is longer than the format.
    const int total = std::max(preferred.integerDigits + preferred.decimalDigits, longest);
    const int wanted =
        trailing ? preferred.integerDigits : std::min(preferred.decimalDigits, highest);
    // Sets the candidate's digits and returns the geometry's objection to it.
    const auto tryDigits = [&](int digit) {
        if (trailing) {
            format.integerDigits = digit;
            format.decimalDigits = std::max(0, total - digit);
        } else {
            // Leading zeros left out, the integer digits never shape a number: they keep the
            // preferred count where the length allows more.
            format.decimalDigits = digit;
            format.integerDigits = none ? std::max(0, longest - digit)
                                        : std::max(total - digit, preferred.integerDigits);
        }
        return geometry_.Objection(holeBase, MillimetresPerBase(format),
                                   format.MillimetresPerUnit());
    };
    const std::string objection = tryDigits(wanted);
    const int length = none ? longest : total;
    const std::string widened =
        length != preferred.integerDigits + preferred.decimalDigits
            ? ", in " + std::to_string(length) + " digits like the longest number"
            : "";
    // Digits the places allow give way to others that put many more holes on a pitch.
    const auto onPitch = [&](int chosen) {
        std::size_t most = geometry_.PitchHoles(holeBase, MillimetresPerBase(format));
        const std::string chosenDigits = format.DigitsText();
        int best = chosen;
        for (int digit = 0; digit <= highest; ++digit) {
            if (digit != chosen && tryDigits(digit).empty()) {
                const std::size_t holes =
                    geometry_.PitchHoles(holeBase, MillimetresPerBase(format));
                if (holes >= kPitchHoles && holes > 2 * most) {
                    most = holes;
                    best = digit;
                }
            }
        }
        tryDigits(best);
        if (best != chosen) {
            evidence.push_back(Decision(
                "digits", format.DigitsText(), ": ",
                std::to_string(most) + " holes stand at a pitch of 0.1 in, 0.05 in or 1 mm from " +
                    "the nearest hole of their tool, far more than with " + chosenDigits,
                0));
        }
        return best != chosen;
    };
    if (objection.empty()) {
        if (!onPitch(wanted)) {
            evidence.push_back(Decision("digits", format.DigitsText(), ", ",
                                        why + widened + ": the places of the holes allow them", 0));
        }
        return true;
    }
    const std::string ruledOut = format.DigitsText();
    for (int step = 1; step <= kMostDigits; ++step) {
        for (const int digit : {wanted + step, wanted - step}) {
            if (digit >= 0 && digit <= highest && tryDigits(digit).empty()) {
                if (!onPitch(digit)) {
                    evidence.push_back(Decision("digits", format.DigitsText(), ": ",
                                                "with " + ruledOut + " " + objection, 0));
                }
                return true;
            }
        }
    }
    tryDigits(wanted);
    evidence.push_back(
        Decision("digits", format.DigitsText(), ", ",
                 why + widened + ", though " + objection + "; no other digits fit better", 0));
    return false;
}
