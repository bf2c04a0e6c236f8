#include "CountingAllocator.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> allocated{0};
std::atomic<long long> peak{0};
// Each block carries its size before the bytes handed out, in a header that keeps the alignment.
constexpr std::size_t kHeader = alignof(std::max_align_t);

}  // namespace

long long CountingAllocator::Allocated() {
    return allocated;
}

long long CountingAllocator::Peak() {
    return peak;
}

void CountingAllocator::ResetPeak() {
    peak = allocated.load();
}

void* operator new(std::size_t size) {
    void* const block = std::malloc(size + kHeader);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *static_cast<std::size_t*>(block) = size;
    const long long now = allocated += static_cast<long long>(size);
    long long highest = peak.load();
    while (now > highest && !peak.compare_exchange_weak(highest, now)) {
    }
    return static_cast<unsigned char*>(block) + kHeader;
}

void operator delete(void* pointer) noexcept {
    if (pointer != nullptr) {
        void* const block = static_cast<unsigned char*>(pointer) - kHeader;
        allocated -= static_cast<long long>(*static_cast<std::size_t*>(block));
        std::free(block);
    }
}

void* operator new[](std::size_t size) {
    return operator new(size);
}

void operator delete[](void* pointer) noexcept {
    operator delete(pointer);
}

void operator delete(void* pointer, std::size_t) noexcept {
    operator delete(pointer);
}

void operator delete[](void* pointer, std::size_t) noexcept {
    operator delete(pointer);
}
