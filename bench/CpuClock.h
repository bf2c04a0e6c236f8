#pragma once

// Measures the processor time of the calling thread, which other processes on a shared machine
// do not inflate the way they inflate wall-clock time.
class CpuClock {
  public:
    // Returns the processor time the calling thread has used so far, in seconds.
    static double ThreadSeconds();
};
