#include "detection/DrillStationInfoFile.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

// The steps of a Units line are "1/1" and zeros; more than this many are no real drill station's.
const std::string kOneIn = "1/1";
constexpr std::size_t kMostDecimals = 9;

std::string LowerCase(std::string text) {
    for (char& character : text) {
        character = static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
    }
    return text;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Returns the unit a word names ("inch", "mm"), or 0.
int UnitOf(const std::string& word) {
    if (word == "inch" || word == "inches") {
        return DrillFormat::kInch;
    }
    return word == "mm" ? DrillFormat::kMillimetre : 0;
}

// Returns the count of one or two digits, or -1.
int SmallCount(const std::string& digits) {
    if (digits.empty() || digits.size() > 2 ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    return std::stoi(digits);
}

}  // namespace

void DrillStationInfoFile::Parse(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        const std::string key = LowerCase(Trimmed(line.substr(0, colon)));
        const std::string value = LowerCase(Trimmed(line.substr(colon + 1)));
        if (key == "device") {
            TakeDevice(value);
        } else if (key == "units") {
            TakeUnits(value);
        }
    }
}

// "Excellon drill station, coordinate format 2.5 inch": the digits before and after the point,
// then the unit.
void DrillStationInfoFile::TakeDevice(const std::string& value) {
    static const std::string kKey = "coordinate format";
    const std::size_t at = value.find(kKey);
    if (at == std::string::npos) {
        return;
    }
    std::istringstream words(value.substr(at + kKey.size()));
    std::string digits;
    std::string unit;
    words >> digits >> unit;
    const std::size_t point = digits.find('.');
    const int integers = point == std::string::npos ? -1 : SmallCount(digits.substr(0, point));
    const int decimals = point == std::string::npos ? -1 : SmallCount(digits.substr(point + 1));
    if (integers >= 0 && decimals >= 0) {
        deviceIntegers_ = integers;
        deviceDecimals_ = decimals;
    }
    deviceUnit_ = UnitOf(unit);
}

// "1/100000 Inch": the smallest step the numbers count, a power of ten, and its unit.
void DrillStationInfoFile::TakeUnits(const std::string& value) {
    std::istringstream words(value);
    std::string step;
    std::string unit;
    words >> step >> unit;
    const std::size_t zeros = step.size() - std::min(step.size(), kOneIn.size());
    if (step.compare(0, kOneIn.size(), kOneIn) == 0 && zeros > 0 && zeros <= kMostDecimals &&
        step.find_first_not_of('0', kOneIn.size()) == std::string::npos) {
        unitsDecimals_ = static_cast<int>(zeros);
    }
    unitsUnit_ = UnitOf(unit);
}

SideFormat DrillStationInfoFile::Format() const {
    SideFormat format;
    const int unit = deviceUnit_ != 0 ? deviceUnit_ : unitsUnit_;
    format.StateUnit(unit);
    if (deviceDecimals_ >= 0) {
        format.StateDigits(deviceIntegers_, deviceDecimals_);
    } else if (unitsDecimals_ >= 0 && unit != 0) {
        format.StateDigits(DrillFormat::UsualFor(unit).integerDigits, unitsDecimals_);
    }
    return format;
}
