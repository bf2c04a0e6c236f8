#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>

// A message stream whose bytes the tests compare exactly: an unnamed binary scratch file, which
// every system has (in-memory streams are POSIX only) and which keeps line ends as written.
class MessageCapture {
  public:
    MessageCapture() : stream_(std::tmpfile()) {
        if (stream_ == nullptr) {
            throw std::runtime_error("tmpfile failed");
        }
    }
    ~MessageCapture() { std::fclose(stream_); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    FILE* Stream() const { return stream_; }
    // Returns every byte written so far; later writes append to them.
    std::string Text() {
        std::fflush(stream_);
        const long size = std::ftell(stream_);
        std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
        std::rewind(stream_);
        text.resize(std::fread(&text[0], 1, text.size(), stream_));
        std::fseek(stream_, 0, SEEK_END);
        return text;
    }

  private:
    FILE* stream_;
};
