#pragma once

#include <string>
#include <string_view>

#include "scanner/CharacterSource.h"

// Reads a drill program line by line for the AUTO reading. A line ends at a line feed, at a
// carriage return and line feed, or at a bare carriage return. Spaces and tabs are left out of
// every line but a comment line (one that begins with ";"), so that they never split a word; a
// delimiter character that is a space or a tab is kept.
class AutoLineReader {
  public:
    AutoLineReader(CharacterSource& source, int delimiter);

    // Reads the next line into Text(); returns false when the input has ended before it.
    bool ReadLine();
    // The line last read, without its line end; valid until the next ReadLine. The character
    // after it is readable and is a line feed or a zero byte.
    std::string_view Text() const { return text; }
    // The line last read as it was written, spaces and tabs included; valid until the next
    // ReadLine.
    std::string_view Written() const { return blanksRemoved ? std::string_view(written) : text; }
    // Number of the line last read, from 1.
    int LineNumber() const { return lineNumber; }
    // Number of the line on which the input ended, once ReadLine has met its end.
    int EndLine() const { return endLine; }

  private:
    // Removes from copied the spaces and tabs of a line that is no comment, and those before a
    // comment's ";".
    void RemoveBlanks();
    // Tells whether c is left out of a line that is no comment.
    bool IsBlank(int c) const { return (c == ' ' || c == '\t') && c != delimiter; }

    CharacterSource& source;
    int delimiter;
    // The line, in the source's buffer or in copied.
    std::string_view text;
    // A line that needed more than a look into the source's buffer.
    std::string copied;
    // The copied line before its blanks were removed, when it had any.
    std::string written;
    bool blanksRemoved = false;
    int lineNumber = 0;
    int endLine = 0;
    // True once the input has ended.
    bool ended = false;
};
