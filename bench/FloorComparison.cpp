#include "FloorComparison.h"

#include <utility>

#include "FloorPass.h"

FloorComparison::FloorComparison(std::string path, int lineFeed)
    : path(std::move(path)), lineFeed(lineFeed) {}

void FloorComparison::RunFloorPass(benchmark::State& state) {
    state.PauseTiming();
    const double start = CpuClock::ThreadSeconds();
    benchmark::DoNotOptimize(FloorPass::CountLineFeeds(path, lineFeed));
    floorSeconds += CpuClock::ThreadSeconds() - start;
    state.ResumeTiming();
}

void FloorComparison::Report(benchmark::State& state, long long bytes, long long items) const {
    const auto iterations = static_cast<long long>(state.iterations());
    state.SetBytesProcessed(iterations * bytes);
    state.SetItemsProcessed(iterations * items);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["read_cpu_ms"] = 1e3 * workSeconds / static_cast<double>(iterations);
    state.counters["floor_cpu_ms"] = 1e3 * floorSeconds / static_cast<double>(iterations);
    state.counters["read/floor"] = floorSeconds > 0.0 ? workSeconds / floorSeconds : 0.0;
}
