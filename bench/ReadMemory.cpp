// Prints the peak resident memory of reading a generated hits program of the given number of
// holes, so that reads of different sizes can be compared: perforex_read_memory HITS

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

#include "BenchFile.h"
#include "CountingHost.h"
#include "HitsProgram.h"

namespace {

// Returns the peak resident memory of the process so far, in KiB.
long PeakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    const long long hits = argc > 1 ? std::atoll(argv[1]) : 2000000;
    const HitsProgram generator(hits, 20, HitsProgram::Form::LeadingAbsolute, false);
    const BenchFile program([&](FILE* file) { generator.WriteProgram(file); });
    const BenchFile format([&](FILE* file) { generator.WriteMachineFormat(file); });
    CountingHost host;
    host.SetDrillMachineFormatFile(format.Path());
    const long before = PeakResidentKiB();
    const int result = host.Read(stderr, program.Path());
    const long after = PeakResidentKiB();
    std::printf(
        "hits %lld bytes %lld result %d delivered %lld peak before read %ld KiB, after %ld KiB\n",
        hits, program.Size(), result, host.hits, before, after);
    return result == 1 && host.hits == hits ? 0 : 1;
}
