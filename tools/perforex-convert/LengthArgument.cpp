#include "LengthArgument.h"

#include <climits>

namespace {

constexpr long long kNanometresPerMillimetre = 1000000;
constexpr long long kNanometresPerInch = 25400000;
// More decimals than a nanometre needs; enough that no product overflows.
constexpr std::size_t kMostDecimals = 9;
// Digits before the point: 2147 mm is the greatest length of the range.
constexpr std::size_t kMostWholeDigits = 4;

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool AllDigits(const std::string& text) {
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

long long DigitsValue(const std::string& digits) {
    long long value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

bool LengthArgument::Parse(const std::string& text, int& nanometres, std::string& error) {
    std::string number = text;
    long long unit = kNanometresPerMillimetre;
    if (EndsWith(number, "in")) {
        unit = kNanometresPerInch;
        number.resize(number.size() - 2);
    } else if (EndsWith(number, "mm")) {
        number.resize(number.size() - 2);
    }
    const bool negative = !number.empty() && number[0] == '-';
    if (negative || (!number.empty() && number[0] == '+')) {
        number.erase(0, 1);
    }
    const std::size_t point = number.find('.');
    const std::string whole = number.substr(0, point);
    const std::string decimals = point == std::string::npos ? "" : number.substr(point + 1);
    if (whole.size() + decimals.size() == 0 || !AllDigits(whole) || !AllDigits(decimals)) {
        error = "'" + text + "' is no length: a number of mm, or of inches ending in \"in\"";
        return false;
    }
    if (whole.size() > kMostWholeDigits || decimals.size() > kMostDecimals) {
        error = "'" + text + "' has more digits than a length of the 32-bit nanometre range";
        return false;
    }
    long long scale = 1;
    for (std::size_t digit = 0; digit < decimals.size(); ++digit) {
        scale *= 10;
    }
    // Half a nanometre and more rounds away from zero.
    const long long magnitude =
        DigitsValue(whole) * unit + (DigitsValue(decimals) * unit + scale / 2) / scale;
    if (magnitude > INT_MAX) {
        error = "'" + text + "' lies beyond the 32-bit nanometre range";
        return false;
    }
    nanometres = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

std::string LengthArgument::Millimetres(long long nanometres) {
    const bool negative = nanometres < 0;
    const long long magnitude = negative ? -nanometres : nanometres;
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / kNanometresPerMillimetre);
    std::string fraction =
        std::to_string(magnitude % kNanometresPerMillimetre + kNanometresPerMillimetre);
    fraction.erase(0, 1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        text += "." + fraction;
    }
    return text + " mm";
}
