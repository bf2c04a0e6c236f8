// Prints the peak resident memory and the processor time of detecting the format of a generated
// hits program of the given number of holes, beside those of reading it in AUTO with the format
// detected: perforex_detection_memory HITS [stated]. Its header states only INCH, so that the zero
// suppression and the digits are left to the numbers and the places of the holes; with "stated"
// it states INCH,TZ, and only the digits are left.

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchFile.h"
#include "CountingHost.h"
#include "CpuClock.h"
#include "HitsProgram.h"
#include "perforex/FormatDetector.h"

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
    const bool stated = argc > 2 && std::string(argv[2]) == "stated";
    const HitsProgram generator(
        hits, 20, stated ? HitsProgram::Form::LeadingStated : HitsProgram::Form::LeadingUnstated,
        false);
    const BenchFile program([&](FILE* file) { generator.WriteProgram(file); });
    const long before = PeakResidentKiB();
    double start = CpuClock::ThreadSeconds();
    CFormatDetector detector;
    const int detected = detector.DetectFile(program.Path());
    const double detectSeconds = CpuClock::ThreadSeconds() - start;
    const long after = PeakResidentKiB();
    CountingHost host;
    host.SetDrillMachineFormatText(detector.GetMachineFormatText());
    FILE* messages = std::fopen("/dev/null", "w");
    start = CpuClock::ThreadSeconds();
    const int result = host.Read(messages, program.Path());
    const double readSeconds = CpuClock::ThreadSeconds() - start;
    std::fclose(messages);
    const std::string text = detector.GetMachineFormatText().Str();
    std::printf(
        "hits %lld bytes %lld detected %d peak before detection %ld KiB, after %ld KiB\n"
        "detection %.3f s, AUTO read %.3f s (result %d, %lld holes), ratio %.2f\n%s",
        hits, program.Size(), detected, before, after, detectSeconds, readSeconds, result,
        host.hits, detectSeconds / readSeconds, text.substr(text.find(".DataType AUTO")).c_str());
    return detected == 1 ? 0 : 1;
}
