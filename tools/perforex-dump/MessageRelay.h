#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Passes the reader's messages on to a terminal as they arrive and counts them. Bytes that are
// control characters (other than line feed and tab) or not part of valid UTF-8 are written as
// \xNN, so that a binary file read by mistake cannot garble the screen. A message starts at the
// start of a line or after one of the messages that end without a line feed; it is an error when
// it starts with "Error", a warning when it starts with "Warning", and counts as a message unless
// it starts with a blank (a continuation or the totals). A message that would show more than 200
// bytes (a number of millions of digits is echoed whole) is cut in the middle. Only the line not
// yet ended and a block of text shown are held, so that millions of messages cost no memory, and
// the text shown goes out a block at a time, since the standard error stream writes every piece
// at once.
class MessageRelay {
  public:
    explicit MessageRelay(FILE* out) : out_(out) {}

    // Takes the next piece of the reader's message text and writes every line it completes.
    void Take(std::string_view text);
    // Writes what is left and ends an unfinished last line.
    void Finish();
    // Writes all messages of one text: Take, then Finish.
    void Relay(std::string_view messages);

    int Errors() const { return errors_; }
    int Warnings() const { return warnings_; }
    int Messages() const { return messages_; }

    // Returns text with control characters and bytes outside valid UTF-8 written as \xNN.
    static std::string Escaped(std::string_view text);

  private:
    // Writes the messages of lines, which end where a line ends or, at the finish, anywhere.
    void WriteLines(std::string_view lines);
    void Count(std::string_view message);
    // Writes out the text shown so far.
    void Flush();

    FILE* out_;
    // The start of a line that no line feed has ended yet.
    std::string pending_;
    // Text shown but not yet written out.
    std::string shown_;
    bool anyText_ = false;
    bool lastEnded_ = true;
    int errors_ = 0;
    int warnings_ = 0;
    int messages_ = 0;
};
