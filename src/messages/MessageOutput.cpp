#include "messages/MessageOutput.h"

#include <string_view>
#include <vector>

#include "messages/MessageTable.h"

namespace {

// Size of the stack buffer in which a message is formatted.
constexpr std::size_t kShortMessage = 512;

}  // namespace

void MessageOutput::Write(int id, MessageKind kind, int line, ...) const {
    va_list args;
    va_start(args, line);
    Format(id, kind, line, false, args);
    va_end(args);
}

void MessageOutput::WriteLine(int id, MessageKind kind, int line, ...) const {
    va_list args;
    va_start(args, line);
    Format(id, kind, line, true, args);
    va_end(args);
}

void MessageOutput::WriteText(int id, MessageKind kind, int line, const char* text,
                              std::size_t size) const {
    if (stream != nullptr) {
        std::fwrite(text, 1, size, stream);
    }
    if (listener != nullptr) {
        listener->OnMessage(id, line, kind, std::string_view(text, size));
    }
}

void MessageOutput::Format(int id, MessageKind kind, int line, bool endLine, va_list args) const {
    const char* format = MessageText(id);
    if (format == nullptr || (stream == nullptr && listener == nullptr)) {
        return;
    }
    va_list retry;
    va_copy(retry, args);
    // Messages fit this buffer unless an argument is long; only those take the heap.
    char shortText[kShortMessage];
    std::vector<char> longText;
    char* text = shortText;
    const int length = std::vsnprintf(shortText, sizeof shortText - 1, format, args);
    if (length >= 0 && static_cast<std::size_t>(length) >= sizeof shortText - 1) {
        longText.resize(static_cast<std::size_t>(length) + 2);
        std::vsnprintf(longText.data(), longText.size() - 1, format, retry);
        text = longText.data();
    }
    va_end(retry);
    if (length < 0) {
        return;
    }
    std::size_t size = static_cast<std::size_t>(length);
    if (endLine) {
        text[size++] = '\n';
    }
    WriteText(id, kind, line, text, size);
}
