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

    // Replaces the file's content with bytes; returns false when it cannot be written (a full
    // disk, say), so that the input is skipped rather than run on stale content or reported as
    // a finding of the library.
    bool Write(const std::string& bytes) const;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};
