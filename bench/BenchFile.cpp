#include "BenchFile.h"

#include <stdlib.h>

#include <stdexcept>

BenchFile::BenchFile(const std::function<void(FILE*)>& write) {
    char name[] = "/tmp/perforex_bench_XXXXXX";
    const int descriptor = mkstemp(name);
    FILE* file = descriptor < 0 ? nullptr : fdopen(descriptor, "wb");
    if (file == nullptr) {
        throw std::runtime_error("cannot create a benchmark file");
    }
    path = name;
    write(file);
    size = std::ftell(file);
    std::fclose(file);
}

BenchFile::~BenchFile() {
    std::remove(path.c_str());
}
