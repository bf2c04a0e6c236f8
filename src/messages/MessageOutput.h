#pragma once

#include <cstdarg>
#include <cstdio>

#include "messages/MessageBatch.h"
#include "messages/MessageListener.h"

// Where the messages of one read go: the host's message stream, through the read's batch when it
// has one, and, when the host listens, the host as data. A plain value; every part of a read
// holds its own copy.
class MessageOutput {
  public:
    // Implicit, so that a bare stream serves wherever no listener is wanted.
    MessageOutput(FILE* stream, MessageListener* listener = nullptr, MessageBatch* batch = nullptr)
        : stream(stream), listener(listener), batch(batch) {}

    FILE* Stream() const { return stream; }
    MessageListener* Listener() const { return listener; }
    // Writes the texts the batch keeps to the stream; called before each callback to the host,
    // which may write to the same stream.
    void FlushBatch() const {
        if (batch != nullptr) {
            batch->Flush();
        }
    }

    // Formats message id printf-style with the arguments, once, writes the result verbatim to
    // the stream and hands it to the listener as a message of kind that names line. A "%"
    // brought in by an argument is printed as it is. Writes nothing for an id outside the table.
    void Write(int id, MessageKind kind, int line, ...) const;
    // As Write, with one line feed after the text that belongs to the message.
    void WriteLine(int id, MessageKind kind, int line, ...) const;
    // Writes text, already formatted, as a message of the given id to the stream and listener.
    void WriteText(int id, MessageKind kind, int line, const char* text, std::size_t size) const;

  private:
    // Formats the message in a buffer on the stack and writes it, or returns false, having
    // consumed args in part, when MessageFormatter cannot format it or it does not fit. Only
    // then does the caller start the arguments again for WriteLong: copying a va_list costs
    // more than the rest of a short message.
    bool WriteShort(int id, MessageKind kind, int line, bool endLine, va_list args) const;
    // Formats the message with std::vsnprintf on the heap and writes it.
    void WriteLong(int id, MessageKind kind, int line, bool endLine, va_list args) const;

    FILE* stream;
    MessageListener* listener;
    MessageBatch* batch;
};
