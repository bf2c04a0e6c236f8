#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Files named by UTF-8 paths on every system, and the streams the library writes what nobody
// reads to. A failure leaves errno set as the C runtime does, so that messages built from it read
// the same everywhere.
class NativeFile {
  public:
    enum class Kind { kNone, kRegular, kDirectory, kOther };
    // What a path names: kNone, with the errno of the failure, when that cannot be told.
    struct Status {
        Kind kind = Kind::kNone;
        int error = 0;
        std::int64_t size = 0;
    };

    // Opens the file at path with a mode of std::fopen. Where a directory cannot be opened at all
    // (Windows), it fails with EISDIR, and a path that is no UTF-8 names no file (ENOENT).
    static FILE* Open(const std::string& path, const char* mode);
    // Opens the file at path for reading its bytes unchanged; a directory, which some systems
    // open as a file, fails with EISDIR, so that it is never read as an empty file.
    static FILE* OpenToRead(const std::string& path);
    static Status StatusOf(const std::string& path);
    // The name of the device that discards what is written to it.
    static const char* NullDeviceName();
    // Opens the null device for writing.
    static FILE* OpenNull();
    // Opens a new file for writing and reading back, deleted when it is closed.
    static FILE* OpenScratch();
    // Renames the file at from to to, replacing a file that to names; false, with errno set, when
    // that fails.
    static bool Replace(const std::string& from, const std::string& to);
    // Deletes the file at path; false, with errno set, when that fails.
    static bool Remove(const std::string& path);
};
