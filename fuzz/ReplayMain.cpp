// Feeds files to a fuzz target without libFuzzer, so that a finding reproduces in any build:
// each argument is a file, or a directory whose files are all replayed.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// Runs the target once on the bytes of path; returns false when the file cannot be read.
bool ReplayFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

// Replays path, or every regular file below it when it is a directory; returns the count.
int ReplayPath(const std::filesystem::path& path, bool& failed) {
    if (!std::filesystem::is_directory(path)) {
        failed |= !ReplayFile(path);
        return 1;
    }
    int count = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
        if (entry.is_regular_file()) {
            failed |= !ReplayFile(entry.path());
            ++count;
        }
    }
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    bool failed = false;
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        count += ReplayPath(argv[i], failed);
    }
    std::printf("replayed %d inputs\n", count);
    return failed ? 1 : 0;
}
