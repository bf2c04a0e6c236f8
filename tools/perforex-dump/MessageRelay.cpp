#include "MessageRelay.h"

#include <cctype>
#include <deque>
#include <utility>

#include "Utf8Text.h"

namespace {

// The most bytes a message shows whole.
constexpr std::size_t kLongestMessage = 200;
// How much shown text is gathered before it is written out.
constexpr std::size_t kShownBlock = 1 << 16;

// A message that the reader writes without a line feed: its start, and the text it ends with;
// an empty end means that it ends with the line number after its start.
struct UnendedMessage {
    std::string_view start;
    std::string_view end;
};

constexpr UnendedMessage kUnendedMessages[] = {
    {"Error: ArcMode not found to be one of G00/G01/G02/G03 at line no ", ""},
    {"Warning: data should not end with a zero in trailing zero case", "loss of data"},
    {"Warning: Length of co-ordinate data", "loss of data"},
};

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Returns where the message at start ends, at lineEnd unless it is one written without a line
// feed; the totals end with two blanks, but nothing follows them in a read's messages.
std::size_t MessageEnd(std::string_view messages, std::size_t start, std::size_t lineEnd) {
    const std::string_view line = messages.substr(start, lineEnd - start);
    for (const UnendedMessage& unended : kUnendedMessages) {
        if (!StartsWith(line, unended.start)) {
            continue;
        }
        std::size_t at = start + unended.start.size();
        if (unended.end.empty()) {
            at += at < lineEnd && messages[at] == '-' ? 1 : 0;
            while (at < lineEnd && std::isdigit(static_cast<unsigned char>(messages[at])) != 0) {
                ++at;
            }
            return at;
        }
        const std::size_t found = messages.substr(at, lineEnd - at).find(unended.end);
        return found == std::string_view::npos ? lineEnd : at + found + unended.end.size();
    }
    return lineEnd;
}

// Appends the character at index of text to escaped, escaped; returns how many bytes it takes.
std::size_t EscapeCharacter(std::string_view text, std::size_t index, std::string& escaped) {
    const unsigned char byte = static_cast<unsigned char>(text[index]);
    const std::size_t length = Utf8Text::SequenceLength(text, index);
    const bool control = byte < 0x20 || byte == 0x7F;
    if (length == 0 || (control && byte != '\n' && byte != '\t')) {
        char code[8];
        std::snprintf(code, sizeof code, "\\x%02X", byte);
        escaped += code;
        return 1;
    }
    escaped.append(text.substr(index, length));
    return length;
}

// Tells whether a message shows as it is: short, and only printable ASCII or tabs. Nearly every
// message does, and then needs no escaping or cutting.
bool ShowsAsItIs(std::string_view message) {
    if (message.size() > kLongestMessage) {
        return false;
    }
    for (const char byte : message) {
        if ((byte < 0x20 || byte > 0x7E) && byte != '\t') {
            return false;
        }
    }
    return true;
}

// Returns the message of text from begin to end (its line feed excluded) escaped. One that would
// show more than kLongestMessage bytes keeps its first and its last kLongestMessage / 2 bytes
// shown, which hold what the message is and the line it names, and says how many bytes it left out.
std::string ShownMessage(std::string_view text, std::size_t begin, std::size_t end) {
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

std::string MessageRelay::Escaped(std::string_view text) {
    std::string escaped;
    for (std::size_t index = 0; index < text.size();) {
        index += EscapeCharacter(text, index, escaped);
    }
    return escaped;
}

void MessageRelay::Take(std::string_view text) {
    if (text.empty()) {
        return;
    }
    anyText_ = true;
    lastEnded_ = text.back() == '\n';
    const std::size_t lastLineFeed = text.rfind('\n');
    if (lastLineFeed == std::string_view::npos) {
        pending_.append(text);
        return;
    }
    std::string_view lines = text.substr(0, lastLineFeed + 1);
    if (!pending_.empty()) {
        // The held start of a line is completed by the text up to its first line feed.
        const std::size_t firstLineFeed = text.find('\n');
        pending_.append(text.substr(0, firstLineFeed + 1));
        WriteLines(pending_);
        pending_.clear();
        lines.remove_prefix(firstLineFeed + 1);
    }
    WriteLines(lines);
    pending_.append(text.substr(lastLineFeed + 1));
}

void MessageRelay::Finish() {
    WriteLines(pending_);
    pending_.clear();
    if (anyText_ && !lastEnded_) {
        shown_ += '\n';
    }
    Flush();
    anyText_ = false;
    lastEnded_ = true;
}

void MessageRelay::Relay(std::string_view messages) {
    Take(messages);
    Finish();
}

void MessageRelay::WriteLines(std::string_view lines) {
    std::size_t start = 0;
    while (start < lines.size()) {
        const std::size_t lineFeed = lines.find('\n', start);
        const std::size_t end = MessageEnd(
            lines, start, lineFeed == std::string_view::npos ? lines.size() : lineFeed + 1);
        Count(lines.substr(start, end - start));
        const bool ended = lines[end - 1] == '\n';
        const std::size_t shownEnd = ended ? end - 1 : end;
        const std::string_view message = lines.substr(start, shownEnd - start);
        if (ShowsAsItIs(message)) {
            shown_.append(message);
        } else {
            shown_ += ShownMessage(lines, start, shownEnd);
        }
        if (ended) {
            shown_ += '\n';
        }
        if (shown_.size() >= kShownBlock) {
            Flush();
        }
        start = end;
    }
}

void MessageRelay::Flush() {
    std::fwrite(shown_.data(), 1, shown_.size(), out_);
    shown_.clear();
}

void MessageRelay::Count(std::string_view message) {
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
