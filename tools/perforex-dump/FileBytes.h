#pragma once

#include <string>

// Reads a drill or machine format file whole, once, so that every user of its bytes sees the
// same ones; "-" names the standard input, which can be read only once.
class FileBytes {
  public:
    // Name that stands for the standard input.
    static constexpr const char* kStandardInput = "-";

    // Reads the file at path into bytes; returns false with a one-line reason when it cannot be
    // read (missing, a directory, no permission).
    static bool Read(const std::string& path, std::string& bytes, std::string& reason);
    // Returns the folder whose side files belong to the file at path: the path up to its last
    // separator (on Windows '/' or '\\') or its drive, "." for a bare name, and none (empty) for
    // the standard input.
    static std::string SideFileFolder(const std::string& path);
};
