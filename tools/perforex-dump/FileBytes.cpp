#include "FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/NativeFile.h"
#include "platform/NativePath.h"

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
    const NativeFile::Status status = NativeFile::StatusOf(path);
    if (status.kind == NativeFile::Kind::kNone) {
        reason = std::strerror(status.error);
        return false;
    }
    if (status.kind == NativeFile::Kind::kDirectory) {
        reason = std::strerror(EISDIR);
        return false;
    }
    // Sized once, so that a large program is not held twice while its copy grows.
    bytes.reserve(static_cast<std::size_t>(status.size));
    const std::unique_ptr<FILE, int (*)(FILE*)> file(NativeFile::Open(path, "rb"), std::fclose);
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
    const std::string folder = NativePath::FolderOf(path);
    return folder.empty() ? "." : folder;
}
