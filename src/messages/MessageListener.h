#pragma once

#include <string_view>

// How a read counted a message: as an error, as a warning or not at all.
enum class MessageKind : int { Neither = 0, Error = 1, Warning = 2 };

// Receives every message of a read as data, right after its text went to the message stream or,
// once the read gathers texts, to its batch.
class MessageListener {
  public:
    // Takes one message: its id (0 for a machine format parser diagnostic), the line it names
    // (0 for none), how the read counted it and its text exactly as written.
    virtual void OnMessage(int id, int line, MessageKind kind, std::string_view text) = 0;

  protected:
    ~MessageListener() = default;
};
