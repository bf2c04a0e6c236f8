#pragma once

// Counts the bytes that operator new hands out in the program it is linked into (it replaces the
// global operator new and delete), so that a test sees what a call holds at its peak.
class CountingAllocator {
  public:
    // Bytes allocated and not yet freed.
    static long long Allocated();
    // The most bytes allocated at once since the last ResetPeak.
    static long long Peak();
    static void ResetPeak();
};
