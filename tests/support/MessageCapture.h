#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>

#include "platform/NativeFile.h"

// A message stream, a scratch file, whose bytes the tests compare exactly.
class MessageCapture {
  public:
    MessageCapture() : stream_(NativeFile::OpenScratch()) {
        if (stream_ == nullptr) {
            throw std::runtime_error("cannot open a scratch file");
        }
    }
    ~MessageCapture() { std::fclose(stream_); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    FILE* Stream() const { return stream_; }
    // Returns every byte written so far; later ones follow them.
    std::string Text() {
        std::fflush(stream_);
        std::string text(static_cast<std::size_t>(std::ftell(stream_)), '\0');
        std::rewind(stream_);
        text.resize(std::fread(&text[0], 1, text.size(), stream_));
        std::fseek(stream_, 0, SEEK_END);
        return text;
    }

  private:
    FILE* stream_;
};
