#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>

#include "keywordparser/JNPMessageSink.h"

// The whole text of one keyword file in memory, read from a plain or keyed file or copied from a
// text the caller holds.
class JNPParserInput {
  public:
    JNPParserInput() = default;
    ~JNPParserInput() { Release(); }
    JNPParserInput(const JNPParserInput&) = delete;
    JNPParserInput& operator=(const JNPParserInput&) = delete;

    // Reads the file at path, decoding a keyed file; the file stays open until Release. Reports
    // failures on sink and returns 0, 3 (cannot be opened, measured or read) or 5 (no memory).
    int LoadFile(const char* path, JNPMessageSink& sink);
    // Copies the zero-terminated text.
    void LoadText(const char* text);
    // Frees the text and closes the file.
    void Release();

    const char* Begin() const { return text.get(); }
    const char* End() const { return text.get() + size; }

  private:
    // Reports a failure of path with its two lines, drops the text, closes the file and returns
    // result.
    int Fail(JNPMessageSink& sink, const char* firstLine, const char* advice, const char* path,
             int result);
    // Replaces a keyed file's bytes by its decoded payload. Returns 0, 3 or 5 like LoadFile.
    int DecodeKeyed(const char* path, JNPMessageSink& sink);

    std::unique_ptr<char[]> text;
    std::size_t size = 0;
    FILE* file = nullptr;
};
