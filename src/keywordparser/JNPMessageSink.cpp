#include "keywordparser/JNPMessageSink.h"

#include <cstdarg>

void JNPMessageSink::SetStream(FILE* messageStream) {
    stream = messageStream != nullptr ? messageStream : stderr;
}

void JNPMessageSink::Write(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(stream, format, args);
    va_end(args);
}
