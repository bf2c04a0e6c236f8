#pragma once

#include <cstddef>
#include <cstdint>

// The holes of a read as the C interface hands them out: three 32-bit words each, x, y and tool,
// in one block of memory. A read stores a hole per block of its program, and a vector's three
// push_backs would test the room three times for it; this tests it once.
class HoleArray {
  public:
    HoleArray() = default;
    ~HoleArray();
    HoleArray(const HoleArray&) = delete;
    HoleArray& operator=(const HoleArray&) = delete;

    void Add(std::int32_t x, std::int32_t y, std::int32_t tool) {
        if (capacity - size < kWordsPerHole) {
            Grow();
        }
        std::int32_t* const hole = words + size;
        hole[0] = x;
        hole[1] = y;
        hole[2] = tool;
        size += kWordsPerHole;
    }
    // Makes room for at least the given number of holes; returns false, changing nothing, when
    // the memory cannot be had.
    bool Reserve(std::size_t holes);
    // Drops every hole, keeping the memory.
    void Clear() { size = 0; }

    std::size_t HoleCount() const { return size / kWordsPerHole; }
    const std::int32_t* Words() const { return words; }
    // The block reserved and its size in bytes, holes or not.
    void* ReservedBlock() { return words; }
    std::size_t ReservedBytes() const { return capacity * sizeof(std::int32_t); }

  private:
    static constexpr std::size_t kWordsPerHole = 3;

    // Doubles the room, or throws std::bad_alloc.
    void Grow();
    // Moves the holes to a block of the given number of words; returns false when it cannot
    // be had.
    bool Reallocate(std::size_t wordCount);

    std::int32_t* words = nullptr;
    std::size_t size = 0;
    std::size_t capacity = 0;
};
