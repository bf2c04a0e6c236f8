#pragma once

#include <string>

#include "TempFolder.h"

// A file with given bytes, alone in a temporary folder, removed when the object goes away.
class TempFile {
  public:
    explicit TempFile(const std::string& bytes, const std::string& suffix = ".txt")
        : path_(folder_.Add("perforex_test" + suffix, bytes)) {}

    const std::string& Path() const { return path_; }

  private:
    TempFolder folder_;
    std::string path_;
};
