#pragma once

#include <benchmark/benchmark.h>

#include <string>

#include "CpuClock.h"

// Runs a measured piece of work and, in the same iteration with the benchmark's timer paused, the
// floor pass over the same file, and reports bytes and items per second, the floor's time and
// the ratio of the two processor times.
class FloorComparison {
  public:
    // Compares against the floor pass over the file at path, whose lines end in lineFeed.
    FloorComparison(std::string path, int lineFeed);

    // Runs work (which returns false when its result is not the expected one) and the floor pass
    // once per benchmark iteration, then reports; bytes and items are those of one run of work.
    template <typename Work>
    void Run(benchmark::State& state, long long bytes, long long items, Work work) {
        for (auto _ : state) {
            const double start = CpuClock::ThreadSeconds();
            const bool expected = work();
            workSeconds += CpuClock::ThreadSeconds() - start;
            RunFloorPass(state);
            if (!expected) {
                state.SkipWithError("the read did not deliver what the program holds");
                return;
            }
        }
        Report(state, bytes, items);
    }

  private:
    // Times one floor pass with the benchmark's timer paused.
    void RunFloorPass(benchmark::State& state);
    // Sets the throughput and the floor counters.
    void Report(benchmark::State& state, long long bytes, long long items) const;

    std::string path;
    int lineFeed;
    double workSeconds = 0.0;
    double floorSeconds = 0.0;
};
