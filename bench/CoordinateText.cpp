#include "CoordinateText.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

std::string CoordinateText::Block(Position& written, Position target, bool incremental) {
    const long long dx = target.x - written.x;
    const long long dy = target.y - written.y;
    auto number = [incremental](long long absolute, long long step) {
        return incremental ? TrailingSuppressed(step) : LeadingSuppressed(absolute);
    };
    std::string block;
    if (dx != 0 || dy == 0) {
        block += "X" + number(target.x, dx);
    }
    if (dy != 0) {
        block += "Y" + number(target.y, dy);
    }
    written = target;
    return block;
}

std::string CoordinateText::DecimalBlock(Position& written, Position target) {
    std::string block;
    if (target.x != written.x || target.y == written.y) {
        block += "X" + Decimal(target.x);
    }
    if (target.y != written.y) {
        block += "Y" + Decimal(target.y);
    }
    written = target;
    return block;
}

std::string CoordinateText::Decimal(long long value) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%s%lld.%04lld", value < 0 ? "-" : "",
                  std::llabs(value) / 10000, std::llabs(value) % 10000);
    std::string text = digits;
    text.erase(std::max(text.find_last_not_of('0') + 1, text.find('.') + 2));
    return text;
}

std::string CoordinateText::LeadingSuppressed(long long value) {
    return std::to_string(value);
}

std::string CoordinateText::TrailingSuppressed(long long value) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%06lld", std::llabs(value));
    std::string text = digits;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.empty()) {
        return "0";
    }
    return value < 0 ? "-" + text : text;
}

std::string CoordinateText::TwoDigits(int value) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d", value);
    return digits;
}
