#pragma once

#include <string>

#include "DrillFormat.h"

// The bundled machine format for programs that describe themselves (auto.fmt): its text, and the
// fallback format it holds for what a program does not state. A machine format chosen for one
// program is that text with the chosen settings after it, since a later keyword line wins.
class FallbackFormatFile {
  public:
    // Reads the file; false with a one-line reason when it cannot be read.
    bool Load(const std::string& path, std::string& error);
    const DrillFormat& Fallback() const { return fallback_; }
    // Returns the machine format file text that reads a program in AUTO with the given fallback.
    std::string TextFor(const DrillFormat& format) const;

  private:
    std::string text_;
    DrillFormat fallback_;
};
