#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Tells from the lines of an input whether it can be a drill program at all: an empty input, one
// holding binary data (a NUL byte, control characters in more than one byte of kControlShare, or
// nothing before a byte 0xFF that cuts it off) and a Gerber file (a line that starts with its %FS
// or %MO parameter) are none.
class ContentCheck {
  public:
    // Takes one line of the input, without its line end.
    void TakeLine(std::string_view line, int lineNumber);
    // Takes part of a line that is not looked at further: its bytes count, its line end does not.
    void TakeText(std::string_view text, int lineNumber);
    // Takes lines known to hold only printable characters that start no Gerber parameter, as
    // many bytes in all with their line ends.
    void TakePlainLines(long long bytes) { bytes_ += bytes; }
    // Takes the byte 0xFF on the given line at which the input was cut off, the rest unread.
    void TakeEndByte(int lineNumber) { endByteLine_ = lineNumber; }
    // Returns why the input is no drill program, in one line; empty when it can be one.
    std::string Failure() const;

  private:
    static constexpr long long kControlShare = 10;

    long long bytes_ = 0;
    long long controls_ = 0;
    int nulLine_ = 0;
    int endByteLine_ = 0;
    int gerberLine_ = 0;
    std::string gerberParameter_;
};
