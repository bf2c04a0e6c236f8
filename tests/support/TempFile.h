#pragma once

#include <unistd.h>

#include <cstdio>
#include <stdexcept>
#include <string>

// A file in the temporary directory with given bytes, removed when the object goes away.
class TempFile {
  public:
    explicit TempFile(const std::string& bytes, const std::string& suffix = ".txt")
        : path_("/tmp/perforex_test_XXXXXX" + suffix) {
        const int fd = mkstemps(&path_[0], static_cast<int>(suffix.size()));
        if (fd < 0) {
            throw std::runtime_error("mkstemps failed");
        }
        const bool written =
            write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
        close(fd);
        if (!written) {
            throw std::runtime_error("write failed");
        }
    }
    ~TempFile() { std::remove(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};
