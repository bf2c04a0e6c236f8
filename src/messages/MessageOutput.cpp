#include "messages/MessageOutput.h"

#include <string_view>
#include <vector>

#include "messages/MessageFormatter.h"
#include "messages/MessageTable.h"

namespace {

// Size of the stack buffer in which a message is formatted.
constexpr std::size_t kShortMessage = 512;

// The message table's texts, each split once for the whole process; a text that does not split
// is left to std::vsnprintf.
struct SplitMessageTable {
    MessageFormatter::SplitFormat formats[kLastMessageId];
    bool split[kLastMessageId] = {};
};

SplitMessageTable SplitMessageTexts() {
    SplitMessageTable table;
    for (int id = 1; id <= kLastMessageId; ++id) {
        table.split[id - 1] = MessageFormatter::Split(MessageText(id), table.formats[id - 1]);
    }
    return table;
}

// Returns the split text of message id, or nullptr for an id outside the table or a text that
// does not split.
const MessageFormatter::SplitFormat* SplitMessageText(int id) {
    static const SplitMessageTable table = SplitMessageTexts();
    if (id < 1 || id > kLastMessageId || !table.split[id - 1]) {
        return nullptr;
    }
    return &table.formats[id - 1];
}

}  // namespace

void MessageOutput::Write(int id, MessageKind kind, int line, ...) const {
    va_list args;
    va_start(args, line);
    const bool written = WriteShort(id, kind, line, false, args);
    va_end(args);
    if (!written) {
        va_start(args, line);
        WriteLong(id, kind, line, false, args);
        va_end(args);
    }
}

void MessageOutput::WriteLine(int id, MessageKind kind, int line, ...) const {
    va_list args;
    va_start(args, line);
    const bool written = WriteShort(id, kind, line, true, args);
    va_end(args);
    if (!written) {
        va_start(args, line);
        WriteLong(id, kind, line, true, args);
        va_end(args);
    }
}

void MessageOutput::WriteText(int id, MessageKind kind, int line, const char* text,
                              std::size_t size) const {
    if (batch != nullptr) {
        batch->Write(text, size);
    } else if (stream != nullptr) {
        std::fwrite(text, 1, size, stream);
    }
    if (listener != nullptr) {
        listener->OnMessage(id, line, kind, std::string_view(text, size));
    }
}

bool MessageOutput::WriteShort(int id, MessageKind kind, int line, bool endLine,
                               va_list args) const {
    if (MessageText(id) == nullptr || (stream == nullptr && listener == nullptr)) {
        return true;
    }
    const MessageFormatter::SplitFormat* format = SplitMessageText(id);
    if (format == nullptr) {
        return false;
    }
    // Formatted in place among the batch's kept texts where it gathers them, which spares a copy.
    char onStack[kShortMessage];
    char* const room = batch != nullptr ? batch->Room(kShortMessage) : nullptr;
    char* const text = room != nullptr ? room : onStack;
    const std::size_t capacity = kShortMessage - 1;
    std::size_t size = MessageFormatter::Format(text, capacity, *format, args);
    if (size >= capacity) {
        return false;
    }
    if (endLine) {
        text[size++] = '\n';
    }
    if (room == nullptr) {
        WriteText(id, kind, line, text, size);
        return true;
    }
    batch->Keep(size);
    if (listener != nullptr) {
        listener->OnMessage(id, line, kind, std::string_view(text, size));
    }
    return true;
}

void MessageOutput::WriteLong(int id, MessageKind kind, int line, bool endLine,
                              va_list args) const {
    const char* format = MessageText(id);
    va_list measured;
    va_copy(measured, args);
    const int length = std::vsnprintf(nullptr, 0, format, measured);
    va_end(measured);
    if (length < 0) {
        return;
    }
    // The text, one more byte for the line feed and the zero std::vsnprintf ends it with.
    std::vector<char> text(static_cast<std::size_t>(length) + 2);
    std::vsnprintf(text.data(), text.size() - 1, format, args);
    std::size_t size = static_cast<std::size_t>(length);
    if (endLine) {
        text[size++] = '\n';
    }
    WriteText(id, kind, line, text.data(), size);
}
