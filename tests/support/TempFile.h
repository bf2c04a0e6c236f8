#pragma once

#include <string>

// A file in the temporary directory with given bytes, removed when the object goes away.
class TempFile {
  public:
    explicit TempFile(const std::string& bytes, const std::string& suffix = ".txt");
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};
