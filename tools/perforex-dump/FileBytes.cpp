#include "FileBytes.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Appends everything left in file to bytes; returns false when reading fails.
bool ReadAll(FILE* file, std::string& bytes) {
    char buffer[1 << 16];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, count);
    }
    return std::ferror(file) == 0;
}

}  // namespace

bool FileBytes::Read(const std::string& path, std::string& bytes, std::string& reason) {
    bytes.clear();
    if (path == kStandardInput) {
        if (!ReadAll(stdin, bytes)) {
            reason = std::strerror(errno);
            return false;
        }
        return true;
    }
    struct stat status;
    if (stat(path.c_str(), &status) != 0) {
        reason = std::strerror(errno);
        return false;
    }
    if (S_ISDIR(status.st_mode)) {
        reason = std::strerror(EISDIR);
        return false;
    }
    const std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file || !ReadAll(file.get(), bytes)) {
        reason = std::strerror(errno);
        return false;
    }
    return true;
}

std::string FileBytes::SideFileFolder(const std::string& path) {
    if (path == kStandardInput) {
        return std::string();
    }
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}
