#pragma once

#include <cstddef>
#include <string>

#include "perforex/Export.h"

// Counted narrow string of the reader's interface: a small value type over std::string.
class PERFOREX_API CString {
  public:
    CString() = default;
    // Implicit, so that a literal path can be passed straight to the reader.
    CString(const char* text) : text_(text != nullptr ? text : "") {}
    CString(const std::string& text) : text_(text) {}

    int GetLength() const { return static_cast<int>(text_.size()); }
    bool IsEmpty() const { return text_.empty(); }
    const char* GetString() const { return text_.c_str(); }
    const std::string& Str() const { return text_; }
    char operator[](int index) const { return text_[static_cast<std::size_t>(index)]; }

    friend bool operator==(const CString& a, const CString& b) { return a.text_ == b.text_; }
    friend bool operator!=(const CString& a, const CString& b) { return a.text_ != b.text_; }
    friend bool operator<(const CString& a, const CString& b) { return a.text_ < b.text_; }

  private:
    std::string text_;
};
