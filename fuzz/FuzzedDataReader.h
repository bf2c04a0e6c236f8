#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Hands out a fuzzer's input bytes as small typed values, front to back; once the bytes run
// out, every value is zero and every text is empty.
class FuzzedDataReader {
  public:
    FuzzedDataReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return position_ >= size_; }
    // Returns the next byte.
    std::uint8_t TakeByte();
    // Returns the next four bytes as a little-endian 32-bit integer.
    std::int32_t TakeInt();
    // Returns the next eight bytes as a double, NaN and infinities included.
    double TakeDouble();
    // Returns every byte not taken yet.
    std::string TakeRest();

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};
