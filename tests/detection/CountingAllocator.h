#pragma once

// Counts what operator new holds, in the program this is linked into (it replaces the global
// operator new and delete, which the array forms call).
class CountingAllocator {
  public:
    // The most bytes held at once since the last call, beyond those held at that call.
    static long long PeakSinceLastCall();
};
