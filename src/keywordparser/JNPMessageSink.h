#pragma once

#include <cstdio>

// The message stream of one parse and the number of errors reported on it.
class JNPMessageSink {
  public:
    // Sends every later message to stream, or to the standard error stream when it is null.
    void SetStream(FILE* stream);
    FILE* Stream() const { return stream; }

    // Writes the message, formatted printf-style, to the stream.
    void Write(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void CountErrors(int count) { errors += count; }
    void ResetErrors() { errors = 0; }
    int Errors() const { return errors; }

  private:
    FILE* stream = stderr;
    int errors = 0;
};
