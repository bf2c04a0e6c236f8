#pragma once

#include <cstdio>
#include <functional>
#include <string_view>
#include <utility>

#include "platform/Compiler.h"

// The message stream of one parse and the number of errors reported on it.
class JNPMessageSink {
  public:
    // Sends every later message to stream, or to the standard error stream when it is null.
    void SetStream(FILE* stream);
    FILE* Stream() const { return stream; }
    // Hands every later message, as written, to observer as well.
    void SetObserver(std::function<void(std::string_view)> newObserver) {
        observer = std::move(newObserver);
    }

    // Writes the message, formatted printf-style, to the stream.
    void Write(const char* format, ...) PERFOREX_PRINTF_FORMAT(2, 3);
    void CountErrors(int count) { errors += count; }
    void ResetErrors() { errors = 0; }
    int Errors() const { return errors; }

  private:
    FILE* stream = stderr;
    std::function<void(std::string_view)> observer;
    int errors = 0;
};
