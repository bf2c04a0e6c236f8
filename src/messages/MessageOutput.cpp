#include "messages/MessageOutput.h"

#include <string_view>
#include <vector>

#include "messages/MessageFormatter.h"
#include "messages/MessageTable.h"

namespace {

// Size of the stack buffer in which a message is formatted.
constexpr std::size_t kShortMessage = 512;
// What FormatMessage returns for a format that std::vsnprintf rejects.
constexpr std::size_t kNoText = static_cast<std::size_t>(-1);

// Formats format with args into shortText, or into longText (sized to hold the text, one more
// byte and a zero) when it holds no more than capacity - 1 bytes; returns the text's length, or
// kNoText.
std::size_t FormatMessage(const char* format, va_list args, char* shortText, std::size_t capacity,
                          std::vector<char>& longText) {
    va_list retry;
    va_copy(retry, args);
    std::size_t length = MessageFormatter::Format(shortText, capacity, format, args);
    if (length == MessageFormatter::kUnsupported) {
        va_list general;
        va_copy(general, retry);
        const int written = std::vsnprintf(shortText, capacity, format, general);
        va_end(general);
        length = written < 0 ? kNoText : static_cast<std::size_t>(written);
    }
    if (length != kNoText && length >= capacity) {
        longText.resize(length + 2);
        std::vsnprintf(longText.data(), longText.size() - 1, format, retry);
    }
    va_end(retry);
    return length;
}

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
    // Messages fit this buffer unless an argument is long; only those take the heap.
    char shortText[kShortMessage];
    std::vector<char> longText;
    char* text = shortText;
    const std::size_t size = FormatMessage(format, args, shortText, sizeof shortText - 1, longText);
    if (size == kNoText) {
        return;
    }
    if (!longText.empty()) {
        text = longText.data();
    }
    std::size_t end = size;
    if (endLine) {
        text[end++] = '\n';
    }
    WriteText(id, kind, line, text, end);
}
