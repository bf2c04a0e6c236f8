#pragma once

#include <cstddef>
#include <string>
#include <type_traits>
#include <utility>

namespace perforex {

// Counted narrow string of the reader's interface: a small value type over std::string, holding
// UTF-8 where it names a file, wholly in this header so that every host compiles its own. Any text
// that converts to const char* (a framework's own CString among them) converts to it, so that such
// a host passes its strings straight to the reader.
class CString {
  public:
    CString() = default;
    // Implicit, so that a literal path can be passed straight to the reader.
    CString(const char* text) : text_(text != nullptr ? text : "") {}
    CString(const std::string& text) : text_(text) {}
    CString(std::string&& text) noexcept : text_(std::move(text)) {}
    template <typename Text,
              typename = std::enable_if_t<std::is_convertible<const Text&, const char*>::value &&
                                          !std::is_same<Text, CString>::value>>
    CString(const Text& text) : CString(static_cast<const char*>(text)) {}

    // Replaces the text with the size bytes at text, keeping the storage it has when they fit.
    void Assign(const char* text, std::size_t size) { text_.assign(text, size); }

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

}  // namespace perforex

// Hosts name the string CString, as always. A host whose framework has a CString of its own
// defines PERFOREX_NO_GLOBAL_CSTRING before including these headers and passes its strings as
// they are; ours is then perforex::CString.
#if !defined(PERFOREX_NO_GLOBAL_CSTRING)
using perforex::CString;
#endif
