#include "MessageRelay.h"

#include "Utf8Text.h"

namespace {

// The end of the two warnings that the reader writes without a line feed.
constexpr const char* kUnendedWarningEnd = "loss of data";

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

}  // namespace

std::string MessageRelay::Escaped(const std::string& text) {
    std::string escaped;
    std::size_t index = 0;
    while (index < text.size()) {
        const unsigned char byte = static_cast<unsigned char>(text[index]);
        const std::size_t length = Utf8Text::SequenceLength(text, index);
        const bool control = byte < 0x20 || byte == 0x7F;
        if (length == 0 || (control && byte != '\n' && byte != '\t')) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            escaped += code;
            ++index;
        } else {
            escaped.append(text, index, length);
            index += length;
        }
    }
    return escaped;
}

void MessageRelay::Relay(const std::string& messages, FILE* out) {
    std::size_t start = 0;
    while (start < messages.size()) {
        std::size_t end = messages.find('\n', start);
        end = end == std::string::npos ? messages.size() : end + 1;
        const std::size_t unended = messages.find(kUnendedWarningEnd, start);
        if (unended != std::string::npos && unended < end) {
            end = unended + std::char_traits<char>::length(kUnendedWarningEnd);
        }
        Count(messages.substr(start, end - start));
        start = end;
    }
    std::fputs(Escaped(messages).c_str(), out);
    if (!messages.empty() && messages.back() != '\n') {
        std::fputc('\n', out);
    }
}

void MessageRelay::Count(const std::string& message) {
    if (message.empty() || message[0] == ' ' || message[0] == '\n' || message[0] == '\t') {
        return;
    }
    ++messages_;
    if (StartsWith(message, "Error")) {
        ++errors_;
    } else if (StartsWith(message, "Warning")) {
        ++warnings_;
    }
}
