#pragma once

#include <string>

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
    // The line last read, without its line end.
    const std::string& Text() const { return text; }
    // Number of the line last read, from 1.
    int LineNumber() const { return lineNumber; }

  private:
    // Tells whether c is left out of a line that is no comment.
    bool IsBlank(int c) const { return (c == ' ' || c == '\t') && c != delimiter; }

    CharacterSource& source;
    int delimiter;
    std::string text;
    int lineNumber = 0;
    // True once the input has ended.
    bool ended = false;
};
