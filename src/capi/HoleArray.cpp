#include "capi/HoleArray.h"

#include <cstdlib>
#include <limits>
#include <new>

HoleArray::~HoleArray() {
    std::free(words);
}

bool HoleArray::Reserve(std::size_t holes) {
    if (holes > std::numeric_limits<std::size_t>::max() / sizeof(std::int32_t) / kWordsPerHole) {
        return false;
    }
    const std::size_t wordCount = holes * kWordsPerHole;
    return wordCount <= capacity || Reallocate(wordCount);
}

void HoleArray::Grow() {
    constexpr std::size_t kFirstHoles = 64;
    const std::size_t wordCount = capacity == 0 ? kFirstHoles * kWordsPerHole : capacity * 2;
    if (wordCount < capacity || !Reallocate(wordCount)) {
        throw std::bad_alloc();
    }
}

bool HoleArray::Reallocate(std::size_t wordCount) {
    if (wordCount > std::numeric_limits<std::size_t>::max() / sizeof(std::int32_t)) {
        return false;
    }
    // realloc moves a large block by remapping its pages rather than copying them.
    void* const moved = std::realloc(words, wordCount * sizeof(std::int32_t));
    if (moved == nullptr) {
        return false;
    }
    words = static_cast<std::int32_t*>(moved);
    capacity = wordCount;
    return true;
}
