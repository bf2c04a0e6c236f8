#pragma once

#include <cstdio>
#include <functional>
#include <string>

// A temporary file written once by a generator and removed when the object goes away.
class BenchFile {
  public:
    // Creates the file and lets write fill it through the open stream.
    explicit BenchFile(const std::function<void(FILE*)>& write);
    ~BenchFile();
    BenchFile(const BenchFile&) = delete;
    BenchFile& operator=(const BenchFile&) = delete;

    const std::string& Path() const { return path; }
    // Returns the size of the file in bytes.
    long long Size() const { return size; }

  private:
    std::string path;
    long long size = 0;
};
