#include "platform/NativeFile.h"

#include <sys/stat.h>

#include <cerrno>

#ifdef _WIN32
#include <windows.h>

#include "platform/WideText.h"
#endif

namespace {

// The S_ISDIR and S_ISREG macros are POSIX only; the file type bits are everywhere.
NativeFile::Kind KindOfMode(unsigned mode) {
    const unsigned type = mode & S_IFMT;
    return type == S_IFREG   ? NativeFile::Kind::kRegular
           : type == S_IFDIR ? NativeFile::Kind::kDirectory
                             : NativeFile::Kind::kOther;
}

#ifdef _WIN32

// Returns path without the separators that end it, by which Windows finds no directory; a root
// ("\", "C:\") keeps its own.
std::string WithoutEndSeparators(const std::string& path) {
    std::size_t end = path.size();
    while (end > 1 && (path[end - 1] == '/' || path[end - 1] == '\\') && path[end - 2] != ':') {
        --end;
    }
    return path.substr(0, end);
}

int ErrnoOfWindowsError(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
            return EACCES;
        case ERROR_DISK_FULL:
            return ENOSPC;
        default:
            return EIO;
    }
}

bool IsDirectory(FILE* file) {
    struct _stat64 status;
    return _fstat64(_fileno(file), &status) == 0 &&
           KindOfMode(status.st_mode) == NativeFile::Kind::kDirectory;
}

#else

bool IsDirectory(FILE* file) {
    struct stat status;
    return fstat(fileno(file), &status) == 0 &&
           KindOfMode(status.st_mode) == NativeFile::Kind::kDirectory;
}

#endif

}  // namespace

FILE* NativeFile::OpenToRead(const std::string& path) {
    FILE* file = Open(path, "rb");
    if (file != nullptr && IsDirectory(file)) {
        std::fclose(file);
        errno = EISDIR;
        return nullptr;
    }
    return file;
}

FILE* NativeFile::OpenNull() {
    return Open(NullDeviceName(), "wb");
}

#ifdef _WIN32

FILE* NativeFile::Open(const std::string& path, const char* mode) {
    std::wstring widePath;
    if (!WideText::FromUtf8(path, widePath)) {
        errno = ENOENT;
        return nullptr;
    }
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    FILE* file = _wfopen(widePath.c_str(), wideMode.c_str());
    if (file == nullptr && errno == EACCES && StatusOf(path).kind == Kind::kDirectory) {
        errno = EISDIR;
    }
    return file;
}

NativeFile::Status NativeFile::StatusOf(const std::string& path) {
    std::wstring widePath;
    if (!WideText::FromUtf8(WithoutEndSeparators(path), widePath)) {
        return {Kind::kNone, ENOENT, 0};
    }
    struct _stat64 status;
    if (_wstat64(widePath.c_str(), &status) != 0) {
        return {Kind::kNone, errno, 0};
    }
    return {KindOfMode(status.st_mode), 0, status.st_size};
}

const char* NativeFile::NullDeviceName() {
    return "NUL";
}

// std::tmpfile() makes its file in the root of drive C:, where only administrators may; the
// user's temporary folder takes it instead.
FILE* NativeFile::OpenScratch() {
    wchar_t folder[MAX_PATH + 1];
    wchar_t path[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH || GetTempFileNameW(folder, L"pfx", 0, path) == 0) {
        errno = ErrnoOfWindowsError(GetLastError());
        return nullptr;
    }
    // T keeps it in the cache if it can, D deletes it when it is closed.
    FILE* file = _wfopen(path, L"w+bTD");
    if (file == nullptr) {
        const int error = errno;
        DeleteFileW(path);
        errno = error;
    }
    return file;
}

bool NativeFile::Replace(const std::string& from, const std::string& to) {
    std::wstring wideFrom;
    std::wstring wideTo;
    if (!WideText::FromUtf8(from, wideFrom) || !WideText::FromUtf8(to, wideTo)) {
        errno = ENOENT;
        return false;
    }
    if (MoveFileExW(wideFrom.c_str(), wideTo.c_str(), MOVEFILE_REPLACE_EXISTING) == 0) {
        errno = ErrnoOfWindowsError(GetLastError());
        return false;
    }
    return true;
}

bool NativeFile::Remove(const std::string& path) {
    std::wstring widePath;
    if (!WideText::FromUtf8(path, widePath)) {
        errno = ENOENT;
        return false;
    }
    if (DeleteFileW(widePath.c_str()) == 0) {
        errno = ErrnoOfWindowsError(GetLastError());
        return false;
    }
    return true;
}

#else

FILE* NativeFile::Open(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

NativeFile::Status NativeFile::StatusOf(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0) {
        return {Kind::kNone, errno, 0};
    }
    return {KindOfMode(status.st_mode), 0, status.st_size};
}

const char* NativeFile::NullDeviceName() {
    return "/dev/null";
}

FILE* NativeFile::OpenScratch() {
    return std::tmpfile();
}

bool NativeFile::Replace(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool NativeFile::Remove(const std::string& path) {
    return std::remove(path.c_str()) == 0;
}

#endif
