#pragma once

#include <cstdio>
#include <string>

// An in-memory message stream whose bytes the tests compare exactly.
class MessageCapture {
  public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    FILE* Stream() const { return stream_; }
    // Returns every byte written so far.
    std::string Text();

  private:
    char* buffer_ = nullptr;
    std::size_t size_ = 0;
    FILE* stream_;
};
