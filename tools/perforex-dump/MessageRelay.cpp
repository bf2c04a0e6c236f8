#include "MessageRelay.h"

#include <cctype>
#include <deque>
#include <string_view>
#include <utility>

#include "Utf8Text.h"

namespace {

// The most bytes a message shows whole.
constexpr std::size_t kLongestMessage = 200;

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

// Appends the character at index of text to escaped, escaped; returns how many bytes it takes.
std::size_t EscapeCharacter(const std::string& text, std::size_t index, std::string& escaped) {
    const unsigned char byte = static_cast<unsigned char>(text[index]);
    const std::size_t length = Utf8Text::SequenceLength(text, index);
    const bool control = byte < 0x20 || byte == 0x7F;
    if (length == 0 || (control && byte != '\n' && byte != '\t')) {
        char code[8];
        std::snprintf(code, sizeof code, "\\x%02X", byte);
        escaped += code;
        return 1;
    }
    escaped.append(text, index, length);
    return length;
}

// Returns the message of text from begin to end (its line feed excluded) escaped. One that would
// show more than kLongestMessage bytes keeps its first and its last kLongestMessage / 2 bytes
// shown, which hold what the message is and the line it names, and says how many bytes it left out.
std::string ShownMessage(const std::string& text, std::size_t begin, std::size_t end) {
    std::string head;
    std::size_t headEnd = begin;
    std::size_t shown = 0;
    // Where the characters of the tail start and how many bytes each shows.
    std::deque<std::pair<std::size_t, std::size_t>> tail;
    std::size_t tailShown = 0;
    std::string character;
    for (std::size_t index = begin; index < end;) {
        character.clear();
        const std::size_t length = EscapeCharacter(text, index, character);
        shown += character.size();
        if (shown <= kLongestMessage / 2) {
            head += character;
            headEnd = index + length;
        } else {
            tail.emplace_back(index, character.size());
            tailShown += character.size();
            while (tailShown > kLongestMessage / 2) {
                tailShown -= tail.front().second;
                tail.pop_front();
            }
        }
        index += length;
    }
    if (shown <= kLongestMessage) {
        return MessageRelay::Escaped(text.substr(begin, end - begin));
    }
    // The last character always stays in the tail, which is not empty therefore.
    const std::size_t tailStart = tail.front().first;
    const std::size_t leftOut = tailStart - headEnd;
    return head + "...[" + std::to_string(leftOut) + (leftOut == 1 ? " byte" : " bytes") +
           " left out]..." + MessageRelay::Escaped(text.substr(tailStart, end - tailStart));
}

}  // namespace

std::string MessageRelay::Escaped(const std::string& text) {
    std::string escaped;
    for (std::size_t index = 0; index < text.size();) {
        index += EscapeCharacter(text, index, escaped);
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
        const bool ended = messages[end - 1] == '\n';
        std::fputs(ShownMessage(messages, start, ended ? end - 1 : end).c_str(), out);
        if (ended) {
            std::fputc('\n', out);
        }
        start = end;
    }
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
