#include "platform/NativeMemory.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#include <unistd.h>
#endif

void NativeMemory::PreferLargePages(void* data, std::size_t size) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pageSize <= 0) {
        return;
    }
    const auto page = static_cast<std::uintptr_t>(pageSize);
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + page - 1) / page * page;
    const std::uintptr_t end = (begin + size) / page * page;
    if (end > first) {
        // A refusal (no large pages configured) leaves the memory as it was.
        madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
    }
#else
    static_cast<void>(data);
    static_cast<void>(size);
#endif
}
