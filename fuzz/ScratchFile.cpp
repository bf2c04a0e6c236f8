#include "ScratchFile.h"

#include <unistd.h>

#include <cstdio>

ScratchFile::ScratchFile(const std::string& name)
    : path_("/tmp/perforex_fuzz_" + std::to_string(getpid()) + "_" + name) {}

ScratchFile::~ScratchFile() {
    std::remove(path_.c_str());
}

bool ScratchFile::Write(const std::string& bytes) const {
    FILE* file = std::fopen(path_.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
