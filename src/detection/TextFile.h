#pragma once

#include <string>

// Reads small text files (side files beside a drill program) whole.
class TextFile {
  public:
    // Reads the file at path into text; returns false, with errno set, when it cannot be opened
    // or is a directory.
    static bool Read(const std::string& path, std::string& text);
};
