#include "detection/FormatInference.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// The most holes one repeat block places for the geometry.
constexpr double kRepeatsPlaced = 1000.0;
constexpr int kMostDigits = 8;
// The longest line looked at; no drill program writes one near it, and the rest of a longer one
// only counts for the content check, so that memory stays bounded.
constexpr std::size_t kLongestLine = 1 << 16;
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
};

// Marks the characters of a number's text: digits, point and signs.
struct NumberCharacters {
    bool marks[256] = {};
    constexpr NumberCharacters() {
        for (char character : {'.', '+', '-', '0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}) {
            marks[static_cast<unsigned char>(character)] = true;
        }
    }
};
constexpr NumberCharacters kNumberCharacters;

bool IsNumberCharacter(char character) {
    return kNumberCharacters.marks[static_cast<unsigned char>(character)];
}

bool IsLetter(char character) {
    return (character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z');
}

bool IsDigit(char character) {
    return character >= '0' && character <= '9';
}

// Powers of ten that a double holds exactly.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
// Up to this many digits every step of value * 10 + digit is exact in a double, so an integer
// sum gives the same value.
constexpr std::size_t kExactDigits = 15;

// Reads a run of digits as the value and ten to the power of its length, both as doubles built
// digit by digit, and whether a digit is not 0; false when the run is empty, holds anything but
// digits or is too long for a double (hundreds of digits: no board is that large).
bool DigitValue(std::string_view digits, double& value, double& scale, bool& nonZero) {
    if (digits.empty()) {
        return false;
    }
    if (digits.size() <= kExactDigits) {
        std::uint64_t sum = 0;
        for (const char digit : digits) {
            if (!IsDigit(digit)) {
                return false;
            }
            sum = sum * 10 + static_cast<std::uint64_t>(digit - '0');
        }
        value = static_cast<double>(sum);
        scale = kPowersOfTen[digits.size()];
        nonZero = sum != 0;
        return true;
    }
    value = 0.0;
    scale = 1.0;
    nonZero = false;
    for (const char digit : digits) {
        if (!IsDigit(digit)) {
            return false;
        }
        value = value * 10.0 + (digit - '0');
        scale *= 10.0;
        nonZero = nonZero || digit != '0';
    }
    return std::isfinite(scale);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

// Converts the leading integer of text as atoi does: a sign, then digits up to the first other
// character; a value beyond long saturates, and the long is cut to an int.
int LeadingInteger(std::string_view text) {
    constexpr unsigned long long kBeyondLong = static_cast<unsigned long long>(LONG_MAX) + 1;
    std::size_t index = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        ++index;
    }
    unsigned long long magnitude = 0;
    for (; index < text.size() && IsDigit(text[index]); ++index) {
        magnitude =
            std::min(kBeyondLong, magnitude * 10 + static_cast<unsigned>(text[index] - '0'));
    }
    long value = 0;
    if (negative) {
        value = magnitude >= kBeyondLong ? LONG_MIN : -static_cast<long>(magnitude);
    } else {
        value = magnitude >= kBeyondLong ? LONG_MAX : static_cast<long>(magnitude);
    }
    return static_cast<int>(value);
}

// Converts the leading number of text as atof does.
double LeadingNumber(std::string_view text) {
    return std::strtod(std::string(text).c_str(), nullptr);
}

// A number with a point counts only as written; one without is read from its digits.
bool IsPointless(std::string_view value) {
    for (const char character : value) {
        if (character == '.') {
            return false;
        }
    }
    return true;
}

std::string UnitName(int unit) {
    return unit == DrillFormat::kMillimetre ? "millimetre" : "inch";
}

std::string ZerosName(int zeroTruncation) {
    DrillFormat format;
    format.zeroTruncation = zeroTruncation;
    return format.ZeroTruncationName();
}

// Appends the text to compact in upper case without spaces and tabs.
void AppendCompacted(std::string& compact, std::string_view text) {
    for (const char character : text) {
        if (character != ' ' && character != '\t') {
            compact += character >= 'a' && character <= 'z'
                           ? static_cast<char>(character - 'a' + 'A')
                           : character;
        }
    }
}

}  // namespace

void FormatInference::Take(const char* data, std::size_t size) {
    const char* const end = data + size;
    const char* next = data;
    while (next < end) {
        if (afterCarriageReturn_) {
            afterCarriageReturn_ = false;
            if (*next == '\n') {
                ++next;
                continue;
            }
            NoteAutoOnly(kBareCarriageReturn);
        }
        if (carry_.empty() && inBody_) {
            if (const char* stop = TakeCoordinateLine(next, end)) {
                afterCarriageReturn_ = *stop == '\r';
                next = stop + 1;
                continue;
            }
        }
        const char* stop = next;
        while (stop < end && *stop != '\n' && *stop != '\r') {
            ++stop;
        }
        if (stop == end) {
            Carry(next, end);
            return;
        }
        if (carry_.empty()) {
            TakeLine(std::string_view(next, static_cast<std::size_t>(stop - next)));
        } else {
            Carry(next, stop);
            TakeLine(carry_);
            carry_.clear();
        }
        afterCarriageReturn_ = *stop == '\r';
        next = stop + 1;
    }
}

// Most lines of a program's body hold only coordinates; they are taken straight from the input,
// with the effect the whole treatment of a line would have.
const char* FormatInference::TakeCoordinateLine(const char* begin, const char* end) {
    constexpr int kMostWords = 4;
    char letters[kMostWords];
    std::string_view numbers[kMostWords];
    int count = 0;
    const char* at = begin;
    while (at < end && (*at == 'X' || *at == 'Y')) {
        if (count == kMostWords) {
            return nullptr;
        }
        letters[count] = *at++;
        const char* const number = at;
        while (at < end && IsNumberCharacter(*at)) {
            ++at;
        }
        numbers[count++] = std::string_view(number, static_cast<std::size_t>(at - number));
    }
    if (count == 0 || at == end || (*at != '\n' && *at != '\r')) {
        return nullptr;
    }
    ++lineNumber_;
    content_.TakePlainLine(static_cast<std::size_t>(at - begin));
    for (int index = 0; index < count; ++index) {
        TakeCoordinate(letters[index], numbers[index]);
    }
    PlaceBlock(0.0);
    blockIsSlot_ = false;
    return at;
}

void FormatInference::Finish() {
    if (!carry_.empty()) {
        TakeLine(carry_);
        carry_.clear();
    }
}

void FormatInference::Carry(const char* begin, const char* end) {
    const std::size_t room = kLongestLine - std::min(kLongestLine, carry_.size());
    const auto size = static_cast<std::size_t>(end - begin);
    carry_.append(begin, std::min(room, size));
    if (size > room) {
        content_.TakeText(std::string_view(begin + room, size - room), lineNumber_ + 1);
    }
}

void FormatInference::TakeLine(std::string_view whole) {
    ++lineNumber_;
    content_.TakeLine(whole, lineNumber_);
    const std::string_view line = whole.substr(0, kLongestLine);
    compact_.clear();
    AppendCompacted(compact_, line);
    const std::string_view text = compact_;
    if (text.empty()) {
        return;
    }
    if (text[0] == ';') {
        if (inHeader_ && line.find_first_of("T%") != std::string_view::npos) {
            NoteAutoOnly(kHeaderCommentWithToolOrPercent);
        }
        TakeFileFormatComment(line.substr(line.find(';')));
        return;
    }
    if (StartsWith(text, "G04")) {
        return;
    }
    if (!headerSeen_ && !inBody_ && StartsWith(text, "M48")) {
        inHeader_ = headerSeen_ = true;
        return;
    }
    if (inHeader_ && (text == "%" || StartsWith(text, "M95"))) {
        inHeader_ = false;
        inBody_ = true;
        return;
    }
    SplitFields();
    if (fields_[0] == "INCH" || fields_[0] == "METRIC") {
        if (!inBody_) {
            TakeUnitLine();
        }
        return;
    }
    if (fields_[0] == "ICI") {
        // Only OFF means absolute: a bare ICI and any other value mean incremental.
        const int step = fields_.size() > 1 && fields_[1] == "OFF" ? DrillFormat::kAbsolute
                                                                   : DrillFormat::kIncremental;
        incremental_ = step == DrillFormat::kIncremental;
        if (statedStep_ == 0) {
            statedStep_ = step;
            stepSource_ = OnLine(text);
        }
        return;
    }
    if (fields_[0] == "FMAT" && fields_.size() > 1 && commandSet_.empty()) {
        commandSet_ = std::string(fields_[1]);
    }
    if (fields_.size() > 1 && !StartsWith(text, "M71") && !StartsWith(text, "M72")) {
        return;
    }
    const std::string_view inside = line.substr(0, line.find_last_not_of(" \t") + 1);
    if (!inHeader_ &&
        inside.find_first_of(" \t", inside.find_first_not_of(" \t")) != std::string_view::npos) {
        NoteAutoOnly(kSpacesInsideBlock);
    }
    Tokenize();
    for (std::size_t index = 1; index < fields_.size(); ++index) {
        TakeZeroWord(fields_[index]);
    }
    TakeBlock();
}

void FormatInference::SplitFields() {
    fields_.clear();
    const std::string_view text = compact_;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        fields_.push_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos) {
            return;
        }
        start = comma + 1;
    }
}

// The comment is read as written: ";", FILE_FORMAT in capitals, "=", then m:n of one or two
// digits each, blanks allowed around the key and the "=" and after the digits.
void FormatInference::TakeFileFormatComment(std::string_view comment) {
    constexpr std::string_view kKey = "FILE_FORMAT";
    std::size_t at = comment.find_first_not_of(" \t", 1);
    if (at == std::string_view::npos || comment.compare(at, kKey.size(), kKey) != 0) {
        return;
    }
    at = comment.find_first_not_of(" \t", at + kKey.size());
    if (at == std::string_view::npos || comment[at] != '=') {
        return;
    }
    at = comment.find_first_not_of(" \t", at + 1);
    const std::size_t colon = comment.find(':', at == std::string_view::npos ? comment.size() : at);
    if (at == std::string_view::npos || colon == std::string_view::npos) {
        return;
    }
    const std::size_t end = comment.find_first_of(" \t", colon);
    const std::string_view integers = comment.substr(at, colon - at);
    const std::string_view decimals = comment.substr(colon + 1, end - colon - 1);
    if (integers.size() > 2 || decimals.size() > 2 || !AllDigits(integers) ||
        !AllDigits(decimals) ||
        (end != std::string_view::npos &&
         comment.find_first_not_of(" \t", end) != std::string_view::npos)) {
        return;
    }
    const int m = LeadingInteger(integers);
    const int n = LeadingInteger(decimals);
    if (m + n == 0) {
        return;
    }
    fileFormatIntegers_ = m;
    fileFormatDecimals_ = n;
    std::string compact;
    AppendCompacted(compact, comment);
    fileFormatSource_ = OnLine(compact);
}

void FormatInference::TakeUnitLine() {
    StateUnit(fields_[0] == "INCH" ? DrillFormat::kInch : DrillFormat::kMillimetre, fields_[0]);
    for (std::size_t index = 1; index < fields_.size(); ++index) {
        TakeZeroWord(fields_[index]);
        TakeDigitPattern(fields_[index]);
    }
}

void FormatInference::TakeZeroWord(std::string_view word) {
    if ((word == "LZ" || word == "TZ") && statedZeros_ < 0) {
        statedZeros_ = word == "LZ" ? DrillFormat::kTrailing : DrillFormat::kLeading;
        zerosSource_ = OnLine(word);
        zerosSource_.text +=
            word == "LZ" ? ": leading zeros are written" : ": trailing zeros are written";
    }
}

void FormatInference::TakeDigitPattern(std::string_view pattern) {
    const std::size_t point = pattern.find('.');
    if (patternIntegers_ >= 0 || point == std::string_view::npos || point == 0 ||
        point + 1 == pattern.size() || pattern.find_first_not_of("0.") != std::string_view::npos ||
        pattern.find('.', point + 1) != std::string_view::npos) {
        return;
    }
    patternIntegers_ = static_cast<int>(point);
    patternDecimals_ = static_cast<int>(pattern.size() - point - 1);
    patternSource_ = OnLine(pattern);
}

void FormatInference::StateUnit(int unit, std::string_view word) {
    if (statedUnit_ == 0) {
        statedUnit_ = unit;
        unitSource_ = OnLine(word);
    }
}

// A header that neither % nor M95 ends ends before the first program command; in the header only
// tool definitions count.
void FormatInference::TakeBlock() {
    if (tokens_.empty()) {
        return;
    }
    const bool command = IsProgramCommand();
    if (inHeader_ && command) {
        inHeader_ = false;
        NoteAutoOnly(kHeaderWithoutEnd);
    }
    if (!inHeader_ && !inBody_ && command) {
        if (!headerSeen_) {
            NoteAutoOnly(kNoHeader);
        }
        inBody_ = true;
    }
    if (!inBody_) {
        if (tokens_[0].letter == 'T') {
            TakeToolDefinition(0);
        } else if (tokens_[0].letter == 'M') {
            TakeCode('M', LeadingInteger(tokens_[0].value));
        }
        return;
    }
    double repeats = 0.0;
    for (std::size_t index = 0; index < tokens_.size(); ++index) {
        const Token& token = tokens_[index];
        if (token.letter == 'T') {
            TakeToolDefinition(index);
        } else if (token.letter == 'G' || token.letter == 'M') {
            TakeCode(token.letter, LeadingInteger(token.value));
        } else if (token.letter == 'X' || token.letter == 'Y') {
            TakeCoordinate(token.letter, token.value);
        } else if (token.letter == 'R') {
            repeats = LeadingNumber(token.value);
        }
    }
    PlaceBlock(repeats);
    blockIsSlot_ = false;
}

void FormatInference::Tokenize() {
    tokens_.clear();
    const std::string_view text = compact_;
    std::size_t index = 0;
    while (index < text.size()) {
        const char letter = text[index++];
        if (!IsLetter(letter)) {
            continue;
        }
        const std::size_t start = index;
        while (index < text.size() && IsNumberCharacter(text[index])) {
            ++index;
        }
        tokens_.push_back({letter, text.substr(start, index - start)});
    }
}

bool FormatInference::IsProgramCommand() const {
    const Token& first = tokens_[0];
    return first.letter == 'G' || first.letter == 'X' || first.letter == 'Y' ||
           (first.letter == 'T' && tokens_.size() == 1 && AllDigits(first.value)) ||
           (first.letter == 'M' && first.value == "30");
}

void FormatInference::TakeToolDefinition(std::size_t tool) {
    const std::string_view number = tokens_[tool].value;
    if (!AllDigits(number)) {
        return;
    }
    if (number.size() == 1) {
        NoteAutoOnly(kOneDigitTool, 'T', number);
    }
    tool_ = LeadingInteger(number);
    bool feedOrSpeed = false;
    for (std::size_t index = tool + 1; index < tokens_.size(); ++index) {
        const Token& parameter = tokens_[index];
        if ((parameter.letter == 'F' || parameter.letter == 'S') && !parameter.value.empty()) {
            feedOrSpeed = true;
        }
        if (parameter.letter != 'C' || parameter.value.empty()) {
            continue;
        }
        if (feedOrSpeed) {
            NoteAutoOnly(kFeedOrSpeedBeforeSize);
        }
        if (inBody_) {
            NoteAutoOnly(kToolDefinitionInBody, 'T', number);
        }
        if (parameter.value[0] == '.') {
            NoteAutoOnly(kSizeWithoutLeadingDigit, 'C', parameter.value);
        }
        if (!IsPointless(parameter.value)) {
            geometry_.SetDiameter(tool_, LeadingNumber(parameter.value));
        }
        return;
    }
}

void FormatInference::TakeCode(char letter, int code) {
    if (letter == 'M') {
        if (code == 71 || code == 72) {
            StateUnit(code == 71 ? DrillFormat::kMillimetre : DrillFormat::kInch,
                      code == 71 ? "M71" : "M72");
            NoteAutoOnly(kUnitCodes);
        } else if (code == 0 || code == 6) {
            NoteAutoOnly(kStopOrToolChange);
        }
        return;
    }
    if (code >= 0 && code <= 3) {
        routing_ = true;
    } else if (code == 5 || code == 81) {
        routing_ = false;
    } else if (code == 90 || code == 91) {
        incremental_ = code == 91;
    } else if (code == 85) {
        NoteAutoOnly(kSlots);
        blockIsSlot_ = true;
        PlaceBlock(0.0);
    }
}

void FormatInference::TakeCoordinate(char letter, std::string_view value) {
    if (!IsPointless(value)) {
        NoteAutoOnly(kDecimalPoints, letter, value);
        blockHasPoint_ = true;
        return;
    }
    const bool negative = !value.empty() && value[0] == '-';
    const std::string_view digits =
        value.substr(!value.empty() && (negative || value[0] == '+') ? 1 : 0);
    double magnitude = 0.0;
    double scale = 1.0;
    bool nonZero = false;
    if (!DigitValue(digits, magnitude, scale, nonZero)) {
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

// Places the block's coordinates: a hole in drill mode with a tool, a point otherwise (repeats
// and the ends of a slot are points). With repeats the coordinates are the step.
void FormatInference::PlaceBlock(double repeats) {
    const bool given = pendingAxis_[0] || pendingAxis_[1];
    // Both bases are kept even where the program states its format, so that the numbers can
    // be checked against what it states.
    const int bases = HoleGeometry::kAllBases;
    if (given && !blockHasPoint_) {
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
            if (blockIsSlot_ || routing_ || tool_ == 0) {
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
