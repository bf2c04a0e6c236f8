#include "detection/NcParamFile.h"

#include <cctype>
#include <sstream>

namespace {

std::string UpperCase(std::string text) {
    for (char& character : text) {
        character = static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
    }
    return text;
}

// Returns the count of places, or -1 when the value is not a small count.
int Places(const std::string& value) {
    if (value.empty() || value.size() > 2 ||
        value.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    return std::stoi(value);
}

// Returns 1 for YES, 0 for NO and -1 for anything else.
int YesNo(const std::string& value) {
    return value == "YES" ? 1 : (value == "NO" ? 0 : -1);
}

}  // namespace

void NcParamFile::Parse(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string keyword;
        std::string value;
        if (words >> keyword >> value) {
            TakeSetting(UpperCase(keyword), UpperCase(value));
        }
    }
}

void NcParamFile::TakeSetting(const std::string& keyword, const std::string& value) {
    if (keyword == "INTEGER-PLACES") {
        integerPlaces_ = Places(value);
    } else if (keyword == "DECIMAL-PLACES") {
        decimalPlaces_ = Places(value);
    } else if (keyword == "OUTPUT-UNITS") {
        unit_ = value == "ENGLISH" ? DrillFormat::kInch
                                   : (value == "METRIC" ? DrillFormat::kMillimetre : 0);
    } else if (keyword == "SUPPRESS-LEAD-ZEROES") {
        suppressLead_ = YesNo(value);
    } else if (keyword == "SUPPRESS-TRAIL-ZEROES") {
        suppressTrail_ = YesNo(value);
    } else if (keyword == "COORDINATES") {
        stepMode_ = value == "ABSOLUTE" ? DrillFormat::kAbsolute
                                        : (value == "INCREMENTAL" ? DrillFormat::kIncremental : 0);
    }
}

// One suppression said YES names the mode; both NO means every zero is written. Both YES says
// nothing a machine format can hold.
int NcParamFile::ZeroTruncation() const {
    if (suppressLead_ == 1 && suppressTrail_ != 1) {
        return DrillFormat::kLeading;
    }
    if (suppressTrail_ == 1 && suppressLead_ != 1) {
        return DrillFormat::kTrailing;
    }
    if (suppressLead_ == 0 && suppressTrail_ == 0) {
        return DrillFormat::kNone;
    }
    return -1;
}

SideFormat NcParamFile::Format() const {
    SideFormat format;
    format.StateUnit(unit_);
    if (integerPlaces_ >= 0 && decimalPlaces_ >= 0) {
        format.StateDigits(integerPlaces_, decimalPlaces_);
    }
    format.StateZeroTruncation(ZeroTruncation());
    format.StateStepMode(stepMode_);
    return format;
}
