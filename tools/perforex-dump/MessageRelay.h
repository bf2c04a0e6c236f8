#pragma once

#include <cstdio>
#include <string>

// Passes the reader's messages on to a terminal and counts them. Bytes that are control
// characters (other than line feed and tab) or not part of valid UTF-8 are written as \xNN, so
// that a binary file read by mistake cannot garble the screen. A message starts at the start of
// a line or after one of the messages that end without a line feed; it is an error when it
// starts with "Error", a warning when it starts with "Warning", and counts as a message unless
// it starts with a blank (a continuation or the totals). A message that would show more than 200
// bytes (a number of millions of digits is echoed whole) is cut in the middle.
class MessageRelay {
  public:
    // Writes the messages to out, escaped and long ones cut, and counts them; ends an unfinished
    // last line.
    void Relay(const std::string& messages, FILE* out);

    int Errors() const { return errors_; }
    int Warnings() const { return warnings_; }
    int Messages() const { return messages_; }

    // Returns text with control characters and bytes outside valid UTF-8 written as \xNN.
    static std::string Escaped(const std::string& text);

  private:
    void Count(const std::string& message);

    int errors_ = 0;
    int warnings_ = 0;
    int messages_ = 0;
};
