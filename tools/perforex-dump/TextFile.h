#pragma once

#include <string>

// Reads small text files (machine formats, side files) whole.
class TextFile {
  public:
    // Reads the file at path into text; returns false, with errno set, when it cannot be opened.
    static bool Read(const std::string& path, std::string& text);
};
