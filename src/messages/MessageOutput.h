#pragma once

#include <cstdarg>
#include <cstdio>

#include "messages/MessageListener.h"

// Where the messages of one read go: the host's message stream and, when the host listens, the
// host as data. A plain value; every part of a read holds its own copy.
class MessageOutput {
  public:
    // Implicit, so that a bare stream serves wherever no listener is wanted.
    MessageOutput(FILE* stream, MessageListener* listener = nullptr)
        : stream(stream), listener(listener) {}

    FILE* Stream() const { return stream; }
    MessageListener* Listener() const { return listener; }

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
};
