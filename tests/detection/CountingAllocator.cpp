#include "CountingAllocator.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

// Counted without a lock: the tests that read them allocate on one thread.
long long held = 0;
long long peak = 0;
// Each block keeps its size in a header that keeps the alignment of what follows.
constexpr std::size_t kHeader = alignof(std::max_align_t);

}  // namespace

long long CountingAllocator::PeakSinceLastCall() {
    static long long base = 0;
    const long long result = peak - base;
    base = held;
    peak = base;
    return result;
}

void* operator new(std::size_t size) {
    void* const block = std::malloc(size + kHeader);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *static_cast<std::size_t*>(block) = size;
    held += static_cast<long long>(size);
    peak = held > peak ? held : peak;
    return static_cast<unsigned char*>(block) + kHeader;
}

void operator delete(void* pointer) noexcept {
    if (pointer != nullptr) {
        void* const block = static_cast<unsigned char*>(pointer) - kHeader;
        held -= static_cast<long long>(*static_cast<std::size_t*>(block));
        std::free(block);
    }
}

void operator delete(void* pointer, std::size_t) noexcept {
    operator delete(pointer);
}
