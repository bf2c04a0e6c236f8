// Measures the keyword parser engine loading a long drill machine format file, against the
// floor pass over the same file.

#include <benchmark/benchmark.h>

#include <cstdio>

#include "BenchFile.h"
#include "FloorComparison.h"
#include "MachineFormatProgram.h"
#include "machineformat/DrillMachineFormat.h"

namespace {

void LoadMachineFormat(benchmark::State& state) {
    const MachineFormatProgram generator(static_cast<int>(state.range(0)));
    const BenchFile file([&](FILE* out) { generator.Write(out); });
    FILE* messages = std::fopen("/dev/null", "w");
    auto load = [&] {
        CDrillMachineFormat format;
        return format.Load(messages, file.Path()) == 0;
    };
    FloorComparison(file.Path(), '\n').Run(state, file.Size(), generator.KeywordLines(), load);
    std::fclose(messages);
}

// Repetitions of the keyword block: about 15 lines each.
BENCHMARK(LoadMachineFormat)->Arg(1000)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
