#include "FuzzedDataReader.h"

#include <cstring>

std::uint8_t FuzzedDataReader::TakeByte() {
    return Empty() ? 0 : data_[position_++];
}

std::int32_t FuzzedDataReader::TakeInt() {
    std::uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        value |= std::uint32_t{TakeByte()} << shift;
    }
    std::int32_t result;
    std::memcpy(&result, &value, sizeof result);
    return result;
}

double FuzzedDataReader::TakeDouble() {
    std::uint64_t bits = 0;
    for (int shift = 0; shift < 64; shift += 8) {
        bits |= std::uint64_t{TakeByte()} << shift;
    }
    double result;
    std::memcpy(&result, &bits, sizeof result);
    return result;
}

std::string FuzzedDataReader::TakeRest() {
    if (Empty()) {
        return std::string();
    }
    std::string rest(reinterpret_cast<const char*>(data_ + position_), size_ - position_);
    position_ = size_;
    return rest;
}
