#include "MachineFormatLocator.h"

#include <unistd.h>

#include <cstdio>

#ifndef PERFOREX_DATA_FROM_BIN
#define PERFOREX_DATA_FROM_BIN "../share/perforex"
#endif

namespace {

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool IsReadable(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

}  // namespace

std::string MachineFormatLocator::ExecutableDirectory(const char* argv0) {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length > 0) {
        return DirectoryOf(std::string(path, static_cast<std::size_t>(length)));
    }
    if (argv0 != nullptr && std::string(argv0).find('/') != std::string::npos) {
        return DirectoryOf(argv0);
    }
    return std::string();
}

std::string MachineFormatLocator::FindDefault(const std::string& executableDirectory) {
    if (executableDirectory.empty()) {
        return std::string();
    }
    const std::string candidates[] = {
        executableDirectory + "/" + kFileName,
        executableDirectory + "/" + PERFOREX_DATA_FROM_BIN + "/" + kFileName,
    };
    for (const std::string& candidate : candidates) {
        if (IsReadable(candidate)) {
            return candidate;
        }
    }
    return std::string();
}
