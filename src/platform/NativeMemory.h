#pragma once

#include <cstddef>

// Hints to the system about memory the library is about to fill.
class NativeMemory {
  public:
    // Asks for large pages behind the whole pages among the size bytes at data, where the system
    // offers them on request (Linux): filling a large array then takes a page fault per 2 MiB
    // rather than per 4 KiB, which is most of what storing the holes of a large program costs
    // beyond reading it. Only a hint: it changes no byte, and nothing elsewhere.
    static void PreferLargePages(void* data, std::size_t size);
};
