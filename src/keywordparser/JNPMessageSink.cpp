#include "keywordparser/JNPMessageSink.h"

#include <cstdarg>
#include <vector>

void JNPMessageSink::SetStream(FILE* messageStream) {
    stream = messageStream != nullptr ? messageStream : stderr;
}

void JNPMessageSink::Write(const char* format, ...) {
    va_list args;
    va_start(args, format);
    if (!observer) {
        std::vfprintf(stream, format, args);
        va_end(args);
        return;
    }
    va_list retry;
    va_copy(retry, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (length > 0) {
        std::vector<char> text(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, retry);
        std::fwrite(text.data(), 1, static_cast<std::size_t>(length), stream);
        observer(std::string_view(text.data(), static_cast<std::size_t>(length)));
    }
    va_end(retry);
}
