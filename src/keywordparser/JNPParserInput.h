#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>

#include "keywordparser/JNPMessageSink.h"
#include "keywordparser/JNPResultCode.h"

// The whole text of one keyword file in memory, read from a plain or keyed file or copied from a
// text the caller holds.
class JNPParserInput {
  public:
    JNPParserInput() = default;
    ~JNPParserInput() { Release(); }
    JNPParserInput(const JNPParserInput&) = delete;
    JNPParserInput& operator=(const JNPParserInput&) = delete;

    // Reads the file at path, decoding a keyed file; the file stays open until Release. Reports
    // failures on sink and returns JNP_SUCCESS, JNP_FILE_ERROR or JNP_NO_MEMORY.
    JNPResultCode LoadFile(const char* path, JNPMessageSink& sink);
    // Copies the zero-terminated text.
    void LoadText(const char* text);
    // Frees the text and closes the file.
    void Release();

    const char* Begin() const { return text.get(); }
    const char* End() const { return text.get() + size; }

  private:
    // Reports a failure of path with its two lines, drops the text, closes the file and returns
    // result.
    JNPResultCode Fail(JNPMessageSink& sink, const char* firstLine, const char* advice,
                       const char* path, JNPResultCode result);
    // Replaces a keyed file's bytes by its decoded payload. Returns what LoadFile returns.
    JNPResultCode DecodeKeyed(const char* path, JNPMessageSink& sink);

    std::unique_ptr<char[]> text;
    std::size_t size = 0;
    FILE* file = nullptr;
};
