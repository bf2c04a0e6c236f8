#pragma once

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

// An in-memory message stream whose bytes the tests compare exactly.
class MessageCapture {
  public:
    MessageCapture() : stream_(open_memstream(&buffer_, &size_)) {
        if (stream_ == nullptr) {
            throw std::runtime_error("open_memstream failed");
        }
    }
    ~MessageCapture() {
        std::fclose(stream_);
        std::free(buffer_);
    }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    FILE* Stream() const { return stream_; }
    // Returns every byte written so far.
    std::string Text() {
        std::fflush(stream_);
        return std::string(buffer_, size_);
    }

  private:
    char* buffer_ = nullptr;
    std::size_t size_ = 0;
    FILE* stream_;
};
