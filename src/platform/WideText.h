#pragma once

#include <string>

// Conversions between UTF-8, the encoding of every path and argument this library takes, and the
// UTF-16 of Windows' own functions. Built on Windows only.
class WideText {
  public:
    // Converts UTF-8 text; returns false when text is no valid UTF-8.
    static bool FromUtf8(const std::string& text, std::wstring& wide);
    // Converts UTF-16 text; a lone surrogate becomes U+FFFD.
    static std::string ToUtf8(const wchar_t* wide);
};
