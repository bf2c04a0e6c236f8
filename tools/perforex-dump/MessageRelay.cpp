#include "MessageRelay.h"

#include <cctype>
#include <string_view>

#include "Utf8Text.h"

namespace {

// A message that the reader writes without a line feed: its start, and the text it ends with;
// an empty end means that it ends with the line number after its start.
struct UnendedMessage {
    const char* start;
    const char* end;
};

constexpr UnendedMessage kUnendedMessages[] = {
    {"Error: ArcMode not found to be one of G00/G01/G02/G03 at line no ", ""},
    {"Warning: data should not end with a zero in trailing zero case", "loss of data"},
    {"Warning: Length of co-ordinate data", "loss of data"},
};

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// Returns where the message at start ends, at lineEnd unless it is one written without a line
// feed; the totals end with two blanks, but nothing follows them in a read's messages.
std::size_t MessageEnd(const std::string& messages, std::size_t start, std::size_t lineEnd) {
    for (const UnendedMessage& unended : kUnendedMessages) {
        const std::size_t length = std::char_traits<char>::length(unended.start);
        if (messages.compare(start, length, unended.start) != 0) {
            continue;
        }
        std::size_t at = start + length;
        if (*unended.end == '\0') {
            at += at < lineEnd && messages[at] == '-' ? 1 : 0;
            while (at < lineEnd && std::isdigit(static_cast<unsigned char>(messages[at])) != 0) {
                ++at;
            }
            return at;
        }
        const std::string_view rest(messages.data() + at, lineEnd - at);
        const std::size_t found = rest.find(unended.end);
        return found == std::string_view::npos
                   ? lineEnd
                   : at + found + std::char_traits<char>::length(unended.end);
    }
    return lineEnd;
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
        const std::size_t lineFeed = messages.find('\n', start);
        const std::size_t end = MessageEnd(
            messages, start, lineFeed == std::string::npos ? messages.size() : lineFeed + 1);
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
