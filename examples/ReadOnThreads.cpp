// Reads many drill files on several threads. Each thread has its own detector and reader; they
// share nothing, so no lock is needed around a read. Results print in the order of the files.
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "perforex/perforex.h"

namespace {

#ifdef _WIN32
const char kNullDevice[] = "NUL";
#else
const char kNullDevice[] = "/dev/null";
#endif

class CountingHost : public CPerforexReader {
  public:
    void AddContour(const CVbVrtxGeom&, int) override { ++contours; }
    void AddHit(int, int, int) override { ++holes; }
    void AddTool(int, int, int, int, int, double, int, int, int, int, int) override {}

    int holes = 0;
    int contours = 0;
};

// Reads the file with the format detected for it; returns its summary line.
std::string Summarise(const char* path) {
    CFormatDetector detector;
    detector.DetectFile(path);
    CountingHost host;
    host.SetDrillMachineFormatText(detector.GetMachineFormatText());
    // Each thread needs a stream of its own for the messages it does not show.
    FILE* messages = std::fopen(kNullDevice, "w");
    const int result = messages != nullptr ? host.Read(messages, path) : 0;
    if (messages != nullptr) {
        std::fclose(messages);
    }
    return std::string(path) + ": " + std::to_string(host.holes) + " holes, " +
           std::to_string(host.contours) + " contours, result " + std::to_string(result);
}

constexpr unsigned kThreads = 2;

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DRILL_FILE...\n", argv[0]);
        return 2;
    }
    const std::size_t files = static_cast<std::size_t>(argc - 1);
    std::vector<std::string> summaries(files);
    std::atomic<std::size_t> next{0};
    std::vector<std::thread> workers;
    for (unsigned worker = 0; worker < kThreads; ++worker) {
        workers.emplace_back([&] {
            for (std::size_t index = next++; index < files; index = next++) {
                summaries[index] = Summarise(argv[index + 1]);
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    for (const std::string& summary : summaries) {
        std::printf("%s\n", summary.c_str());
    }
    return 0;
}
