#include "FormatInference.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace {

// The most holes one repeat block places for the geometry.
constexpr double kRepeatsPlaced = 1000.0;
constexpr int kMostDigits = 8;

// Returns the line without spaces and tabs, in upper case.
std::string Compact(const std::string& line) {
    std::string text;
    for (const char character : line) {
        if (character != ' ' && character != '\t') {
            text += character >= 'a' && character <= 'z' ? static_cast<char>(character - 'a' + 'A')
                                                         : character;
        }
    }
    return text;
}

bool IsNumberCharacter(char character) {
    return (character >= '0' && character <= '9') || character == '.' || character == '+' ||
           character == '-';
}

// The value of a run of digits and ten to the power of its length, as doubles.
std::pair<double, double> DigitValue(const std::string& digits) {
    double value = 0.0;
    double scale = 1.0;
    for (const char digit : digits) {
        value = value * 10.0 + (digit - '0');
        scale *= 10.0;
    }
    return {value, scale};
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char character) {
        return character >= '0' && character <= '9';
    });
}

std::vector<std::string> SplitAtCommas(const std::string& text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        fields.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

// A number with a point counts only as written; one without is read from its digits.
bool IsPointless(const std::string& value) {
    return value.find('.') == std::string::npos;
}

std::string UnitName(int unit) {
    return unit == DrillFormat::kMillimetre ? "millimetre" : "inch";
}

std::string ZerosName(int zeroTruncation) {
    DrillFormat format;
    format.zeroTruncation = zeroTruncation;
    return format.ZeroTruncationName();
}

}  // namespace

bool FormatInference::ReadProgram(FILE* program) {
    std::string line;
    bool afterCarriageReturn = false;
    char buffer[1 << 16];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, program)) > 0) {
        for (std::size_t index = 0; index < count; ++index) {
            const char character = buffer[index];
            if (afterCarriageReturn && character == '\n') {
                afterCarriageReturn = false;
                continue;
            }
            if (afterCarriageReturn) {
                NoteAutoOnly("lines ended by a bare CR");
            }
            afterCarriageReturn = character == '\r';
            if (character == '\r' || character == '\n') {
                TakeLine(line);
                line.clear();
            } else {
                line += character;
            }
        }
    }
    if (!line.empty()) {
        TakeLine(line);
    }
    return headerSeen_;
}

void FormatInference::TakeLine(const std::string& line) {
    ++lineNumber_;
    const std::string text = Compact(line);
    if (text.empty()) {
        return;
    }
    if (text[0] == ';') {
        if (inHeader_ && line.find_first_of("T%") != std::string::npos) {
            NoteAutoOnly("a header comment holding T or %");
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
    const std::vector<std::string> fields = SplitAtCommas(text);
    if (fields[0] == "INCH" || fields[0] == "METRIC") {
        if (!inBody_) {
            TakeUnitLine(fields);
        }
        return;
    }
    if (fields[0] == "ICI") {
        // Only OFF means absolute: a bare ICI and any other value mean incremental.
        const int step = fields.size() > 1 && fields[1] == "OFF" ? DrillFormat::kAbsolute
                                                                 : DrillFormat::kIncremental;
        incremental_ = step == DrillFormat::kIncremental;
        if (statedStep_ == 0) {
            statedStep_ = step;
            stepEvidence_ = OnLine(text);
        }
        return;
    }
    if (fields[0] == "FMAT" && fields.size() > 1 && commandSet_.empty()) {
        commandSet_ = fields[1];
    }
    if (fields.size() > 1 && !StartsWith(text, "M71") && !StartsWith(text, "M72")) {
        return;
    }
    const std::string inside = line.substr(0, line.find_last_not_of(" \t") + 1);
    if (!inHeader_ &&
        inside.find_first_of(" \t", inside.find_first_not_of(" \t")) != std::string::npos) {
        NoteAutoOnly("spaces inside a block");
    }
    const std::vector<Token> tokens = Tokenize(text);
    for (std::size_t index = 1; index < fields.size(); ++index) {
        TakeZeroWord(fields[index]);
    }
    TakeBlock(tokens);
}

// The comment is read as written: ";", FILE_FORMAT in capitals, "=", then m:n of one or two
// digits each, blanks allowed around the key and the "=" and after the digits.
void FormatInference::TakeFileFormatComment(const std::string& comment) {
    std::size_t at = comment.find_first_not_of(" \t", 1);
    if (at == std::string::npos || comment.compare(at, 11, "FILE_FORMAT") != 0) {
        return;
    }
    at = comment.find_first_not_of(" \t", at + 11);
    if (at == std::string::npos || comment[at] != '=') {
        return;
    }
    at = comment.find_first_not_of(" \t", at + 1);
    const std::size_t colon = comment.find(':', at == std::string::npos ? comment.size() : at);
    if (at == std::string::npos || colon == std::string::npos) {
        return;
    }
    const std::size_t end = comment.find_first_of(" \t", colon);
    const std::string integers = comment.substr(at, colon - at);
    const std::string decimals = comment.substr(colon + 1, end - colon - 1);
    if (integers.size() > 2 || decimals.size() > 2 || !AllDigits(integers) ||
        !AllDigits(decimals) ||
        (end != std::string::npos && comment.find_first_not_of(" \t", end) != std::string::npos)) {
        return;
    }
    const int m = std::stoi(integers);
    const int n = std::stoi(decimals);
    if (m + n == 0) {
        return;
    }
    fileFormatIntegers_ = m;
    fileFormatDecimals_ = n;
    fileFormatEvidence_ = OnLine(Compact(comment));
}

void FormatInference::TakeUnitLine(const std::vector<std::string>& fields) {
    StateUnit(fields[0] == "INCH" ? DrillFormat::kInch : DrillFormat::kMillimetre, fields[0]);
    for (std::size_t index = 1; index < fields.size(); ++index) {
        TakeZeroWord(fields[index]);
        TakeDigitPattern(fields[index]);
    }
}

void FormatInference::TakeZeroWord(const std::string& word) {
    if ((word == "LZ" || word == "TZ") && statedZeros_ < 0) {
        statedZeros_ = word == "LZ" ? DrillFormat::kTrailing : DrillFormat::kLeading;
        zerosEvidence_ = OnLine(word) + (word == "LZ" ? ": leading zeros are written"
                                                      : ": trailing zeros are written");
    }
}

void FormatInference::TakeDigitPattern(const std::string& pattern) {
    const std::size_t point = pattern.find('.');
    if (patternIntegers_ >= 0 || point == std::string::npos || point == 0 ||
        point + 1 == pattern.size() || pattern.find_first_not_of("0.") != std::string::npos ||
        pattern.find('.', point + 1) != std::string::npos) {
        return;
    }
    patternIntegers_ = static_cast<int>(point);
    patternDecimals_ = static_cast<int>(pattern.size() - point - 1);
    patternEvidence_ = OnLine(pattern);
}

void FormatInference::StateUnit(int unit, const std::string& word) {
    if (statedUnit_ == 0) {
        statedUnit_ = unit;
        unitEvidence_ = OnLine(word);
    }
}

// A header that neither % nor M95 ends ends before the first program command; in the header only
// tool definitions count.
void FormatInference::TakeBlock(const std::vector<Token>& tokens) {
    if (tokens.empty()) {
        return;
    }
    const bool command = IsProgramCommand(tokens);
    if (inHeader_ && command) {
        inHeader_ = false;
        NoteAutoOnly("an M48 header without % or M95");
    }
    if (!inHeader_ && !inBody_ && command) {
        if (!headerSeen_) {
            NoteAutoOnly("no M48 header");
        }
        inBody_ = true;
    }
    if (!inBody_) {
        if (tokens[0].letter == 'T') {
            TakeToolDefinition(tokens, 0);
        } else if (tokens[0].letter == 'M') {
            TakeCode('M', std::atoi(tokens[0].value.c_str()));
        }
        return;
    }
    double repeats = 0.0;
    for (std::size_t index = 0; index < tokens.size(); ++index) {
        const Token& token = tokens[index];
        if (token.letter == 'T') {
            TakeToolDefinition(tokens, index);
        } else if (token.letter == 'G' || token.letter == 'M') {
            TakeCode(token.letter, std::atoi(token.value.c_str()));
        } else if (token.letter == 'X' || token.letter == 'Y') {
            TakeCoordinate(token);
        } else if (token.letter == 'R') {
            repeats = std::atof(token.value.c_str());
        }
    }
    PlaceBlock(repeats);
    blockIsSlot_ = false;
}

std::vector<FormatInference::Token> FormatInference::Tokenize(const std::string& text) {
    std::vector<Token> tokens;
    std::size_t index = 0;
    while (index < text.size()) {
        const char letter = text[index++];
        if (std::isalpha(static_cast<unsigned char>(letter)) == 0) {
            continue;
        }
        const std::size_t start = index;
        while (index < text.size() && IsNumberCharacter(text[index])) {
            ++index;
        }
        tokens.push_back({letter, text.substr(start, index - start)});
    }
    return tokens;
}

bool FormatInference::IsProgramCommand(const std::vector<Token>& tokens) {
    const Token& first = tokens[0];
    return first.letter == 'G' || first.letter == 'X' || first.letter == 'Y' ||
           (first.letter == 'T' && tokens.size() == 1 && AllDigits(first.value)) ||
           (first.letter == 'M' && first.value == "30");
}

void FormatInference::TakeToolDefinition(const std::vector<Token>& tokens, std::size_t tool) {
    const std::string& number = tokens[tool].value;
    if (!AllDigits(number)) {
        return;
    }
    if (number.size() == 1) {
        NoteAutoOnly("one-digit tool numbers", "T" + number);
    }
    tool_ = std::atoi(number.c_str());
    bool feedOrSpeed = false;
    for (std::size_t index = tool + 1; index < tokens.size(); ++index) {
        const Token& parameter = tokens[index];
        if ((parameter.letter == 'F' || parameter.letter == 'S') && !parameter.value.empty()) {
            feedOrSpeed = true;
        }
        if (parameter.letter != 'C' || parameter.value.empty()) {
            continue;
        }
        if (feedOrSpeed) {
            NoteAutoOnly("F or S before C in a tool definition");
        }
        if (inBody_) {
            NoteAutoOnly("tool definitions in the body", "T" + number);
        }
        if (parameter.value[0] == '.') {
            NoteAutoOnly("sizes written without a digit before the point", "C" + parameter.value);
        }
        if (!IsPointless(parameter.value)) {
            for (HoleGeometry& geometry : geometry_) {
                geometry.SetDiameter(tool_, std::atof(parameter.value.c_str()));
            }
        }
        return;
    }
}

void FormatInference::TakeCode(char letter, int code) {
    if (letter == 'M') {
        if (code == 71 || code == 72) {
            StateUnit(code == 71 ? DrillFormat::kMillimetre : DrillFormat::kInch,
                      "M" + std::to_string(code));
            NoteAutoOnly("the unit codes M71 and M72");
        } else if (code == 0 || code == 6) {
            NoteAutoOnly("M00 or M06");
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
        NoteAutoOnly("G85 slots");
        blockIsSlot_ = true;
        PlaceBlock(0.0);
    }
}

void FormatInference::TakeCoordinate(const Token& token) {
    if (!IsPointless(token.value)) {
        NoteAutoOnly("decimal points in coordinates", std::string(1, token.letter) + token.value);
        blockHasPoint_ = true;
        return;
    }
    const bool negative = !token.value.empty() && token.value[0] == '-';
    const std::string digits =
        token.value.substr(!token.value.empty() && (negative || token.value[0] == '+') ? 1 : 0);
    const auto [magnitude, scale] = DigitValue(digits);
    // Hundreds of digits overflow a double; no board is that large.
    if (!AllDigits(digits) || !std::isfinite(scale)) {
        return;
    }
    ++pointless_;
    longest_ = std::max(longest_, digits.size());
    if (digits.find_first_not_of('0') != std::string::npos) {
        if (digits.size() >= 2 && digits[0] == '0' && withLeadingZero_++ == 0) {
            leadingZeroExample_ = OnLine(std::string(1, token.letter) + token.value);
        }
        shortestNonZero_ =
            shortestNonZero_ == 0 ? digits.size() : std::min(shortestNonZero_, digits.size());
        longestNonZero_ = std::max(longestNonZero_, digits.size());
    }
    const double value = negative ? -magnitude : magnitude;
    const int axis = token.letter == 'X' ? 0 : 1;
    pending_[kIntegerBase][axis] = value;
    pending_[kFractionBase][axis] = value / scale;
    pendingAxis_[axis] = true;
}

// Places the block's coordinates: a hole in drill mode with a tool, a point otherwise (repeats
// and the ends of a slot are points). With repeats the coordinates are the step.
void FormatInference::PlaceBlock(double repeats) {
    const bool given = pendingAxis_[0] || pendingAxis_[1];
    if (given && !blockHasPoint_) {
        const double holes = repeats > 0.0 ? std::min(repeats, kRepeatsPlaced) : 1.0;
        for (int base = kIntegerBase; base <= kFractionBase; ++base) {
            double* position = position_[base];
            for (int hole = 0; hole < static_cast<int>(holes); ++hole) {
                for (int axis = 0; axis < 2; ++axis) {
                    if (pendingAxis_[axis]) {
                        const bool relative = incremental_ || repeats > 0.0;
                        position[axis] = pending_[base][axis] + (relative ? position[axis] : 0.0);
                    }
                }
                if (blockIsSlot_ || routing_ || tool_ == 0) {
                    geometry_[base].AddPoint(position[0], position[1]);
                } else {
                    geometry_[base].AddHole(tool_, position[0], position[1]);
                }
            }
        }
    }
    pendingAxis_[0] = pendingAxis_[1] = false;
    blockHasPoint_ = false;
}

void FormatInference::NoteAutoOnly(const std::string& kind, const std::string& example) {
    if (autoOnlyKinds_.insert(kind).second) {
        autoOnlyReasons_.push_back(
            kind + " (" +
            (example.empty() ? "line " + std::to_string(lineNumber_) : OnLine(example)) + ")");
    }
}

std::string FormatInference::OnLine(const std::string& what) const {
    return what + " on line " + std::to_string(lineNumber_);
}

DrillFormat FormatInference::Infer(const DrillFormat& fallback, const NcParamFile& sideFile,
                                   std::vector<std::string>& evidence) const {
    const DrillFormat base = sideFile.ApplyTo(fallback);
    DrillFormat format = base;
    const bool unitOpen = statedUnit_ == 0 && !sideFile.StatesUnit();
    std::vector<std::string> unitLine;
    if (statedUnit_ != 0) {
        format.unit = statedUnit_;
        unitLine.push_back("unit: " + UnitName(format.unit) + ", from " + unitEvidence_);
    } else if (unitOpen) {
        unitLine.push_back("unit: " + UnitName(format.unit) +
                           ", the fallback's: the program states no unit");
    }

    std::vector<std::string> zerosLine;
    if (statedZeros_ >= 0) {
        format.zeroTruncation = statedZeros_;
        zerosLine.push_back("zero suppression: " + ZerosName(statedZeros_) + ", from " +
                            zerosEvidence_);
    } else if (!sideFile.StatesZeroTruncation()) {
        format.zeroTruncation = InferZeroTruncation(base.zeroTruncation, zerosLine);
    }

    std::vector<std::string> digitsLine;
    const int integers = patternIntegers_ >= 0 ? patternIntegers_ : fileFormatIntegers_;
    if (integers >= 0) {
        format.integerDigits = integers;
        format.decimalDigits = patternIntegers_ >= 0 ? patternDecimals_ : fileFormatDecimals_;
        digitsLine.push_back("digits: " + format.DigitsText() + ", from " +
                             (patternIntegers_ >= 0 ? patternEvidence_ : fileFormatEvidence_));
    } else if (!sideFile.StatesDigits() && !InferDigits(format, base, digitsLine) && unitOpen) {
        // A unit the program does not state is the fallback's unless only the other unit
        // gives digits that place the holes on a real board.
        DrillFormat other = format;
        other.unit =
            format.unit == DrillFormat::kInch ? DrillFormat::kMillimetre : DrillFormat::kInch;
        std::vector<std::string> otherLine;
        if (InferDigits(other, base, otherLine)) {
            unitLine.back() = "unit: " + UnitName(other.unit) +
                              ": the program states no unit, and no digits place its holes on " +
                              "a board in " +
                              (format.unit == DrillFormat::kInch ? "inches" : "millimetres");
            format = other;
            digitsLine = otherLine;
        }
    }

    for (const auto* lines : {&unitLine, &zerosLine, &digitsLine}) {
        evidence.insert(evidence.end(), lines->begin(), lines->end());
    }
    if (statedStep_ != 0) {
        format.stepMode = statedStep_;
        evidence.push_back(std::string("steps: ") + format.StepModeName() + ", from " +
                           stepEvidence_);
    }
    return format;
}

int FormatInference::InferZeroTruncation(int fallback, std::vector<std::string>& evidence) const {
    const std::string item = "zero suppression: ";
    if (pointless_ == 0) {
        evidence.push_back(item + ZerosName(fallback) +
                           ", the fallback's: no coordinate is written without a point");
        return fallback;
    }
    const bool oneLength = shortestNonZero_ == longestNonZero_;
    if (withLeadingZero_ > 0 && oneLength) {
        evidence.push_back(item + "NONE: " + leadingZeroExample_ +
                           " begins with 0 and every number has " +
                           std::to_string(longestNonZero_) + " digits");
        return DrillFormat::kNone;
    }
    if (withLeadingZero_ > 0) {
        evidence.push_back(item + "TRAILING: " + leadingZeroExample_ +
                           " begins with 0, so leading zeros are written");
        return DrillFormat::kTrailing;
    }
    if (!oneLength) {
        evidence.push_back(item + "LEADING: no number begins with 0 and their lengths vary from " +
                           std::to_string(shortestNonZero_) + " to " +
                           std::to_string(longestNonZero_) + " digits");
        return DrillFormat::kLeading;
    }
    evidence.push_back(item + ZerosName(fallback) +
                       ", the fallback's: no number begins with 0 and all have the same length");
    return fallback;
}

// The digit that sets the scale is tried from the preferred one outwards; the first that the
// geometry allows wins, and the preferred one stays when none does.
bool FormatInference::InferDigits(DrillFormat& format, const DrillFormat& base,
                                  std::vector<std::string>& evidence) const {
    // The fallback's digits hold for its own unit; another unit gets its usual ones.
    const DrillFormat preferred =
        format.unit == base.unit ? base : DrillFormat::UsualFor(format.unit);
    const DrillFormat usualDigits = DrillFormat::UsualFor(format.unit);
    const std::string why = preferred.integerDigits == usualDigits.integerDigits &&
                                    preferred.decimalDigits == usualDigits.decimalDigits
                                ? ", the usual for " + UnitName(format.unit)
                                : ", the fallback's";
    if (pointless_ == 0) {
        format.integerDigits = preferred.integerDigits;
        format.decimalDigits = preferred.decimalDigits;
        evidence.push_back("digits: " + preferred.DigitsText() + why +
                           ": no coordinate is written without a point");
        return true;
    }
    const int longest = static_cast<int>(longest_);
    const bool trailing = format.zeroTruncation == DrillFormat::kTrailing;
    const bool none = format.zeroTruncation == DrillFormat::kNone;
    const HoleGeometry& geometry = geometry_[trailing ? kFractionBase : kIntegerBase];
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
            format.decimalDigits = digit;
            format.integerDigits = std::max(0, (none ? longest : total) - digit);
        }
        const double scale = std::pow(10.0, trailing ? digit : -digit);
        return geometry.Objection(scale * format.MillimetresPerUnit(), format.MillimetresPerUnit());
    };
    const std::string objection = tryDigits(wanted);
    const int length = none ? longest : total;
    const std::string widened =
        length != preferred.integerDigits + preferred.decimalDigits
            ? ", in " + std::to_string(length) + " digits like the longest number"
            : "";
    if (objection.empty()) {
        evidence.push_back("digits: " + format.DigitsText() + why + widened +
                           ": the places of the holes allow them");
        return true;
    }
    const std::string ruledOut = format.DigitsText();
    for (int step = 1; step <= kMostDigits; ++step) {
        for (const int digit : {wanted + step, wanted - step}) {
            if (digit >= 0 && digit <= highest && tryDigits(digit).empty()) {
                evidence.push_back("digits: " + format.DigitsText() + ": with " + ruledOut + " " +
                                   objection);
                return true;
            }
        }
    }
    tryDigits(wanted);
    evidence.push_back("digits: " + format.DigitsText() + why + widened + ", though " + objection +
                       "; no other digits fit better");
    return false;
}
