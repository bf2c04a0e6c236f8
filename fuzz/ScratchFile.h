#pragma once

#include <cstddef>
#include <string>

// A file of this process in the temporary directory that a fuzz target rewrites for each input,
// removed when the object goes away.
class ScratchFile {
  public:
    explicit ScratchFile(const std::string& name);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // Replaces the file's content with bytes; aborts when the file cannot be written, since a
    // run on stale content would test nothing.
    void Write(const std::string& bytes) const;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};
