#include "TempFile.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

TempFile::TempFile(const std::string& bytes, const std::string& suffix) {
    std::string pattern = "/tmp/perforex_test_XXXXXX" + suffix;
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemps(name.data(), static_cast<int>(suffix.size()));
    if (fd < 0) {
        throw std::runtime_error("mkstemps failed");
    }
    path_ = name.data();
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n <= 0) {
            close(fd);
            throw std::runtime_error("write failed");
        }
        written += static_cast<std::size_t>(n);
    }
    close(fd);
}

TempFile::~TempFile() {
    std::remove(path_.c_str());
}
