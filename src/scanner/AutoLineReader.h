#pragma once

#include <string>
#include <string_view>

#include "platform/Compiler.h"
#include "scanner/AutoWordListener.h"
#include "scanner/CharacterSource.h"

// Reads a drill program line by line for the AUTO reading. A line ends at a line feed, at a
// carriage return and line feed, or at a bare carriage return. Spaces and tabs are left out of
// every line but a comment line (one that begins with ";"), so that they never split a word; a
// delimiter character that is a space or a tab is kept.
class AutoLineReader {
  public:
    AutoLineReader(CharacterSource& source, int delimiter);

    // Hands listener each line from now on (but for plain lines of coordinates, which it only
    // counts: CoordinateLineBytes), and keeps at most AutoWordListener::kLongestLine
    // characters of a line, handing it the rest of a longer one piece by piece, so that no line
    // takes more memory.
    void PassTo(AutoWordListener& listener) {
        this->listener = &listener;
        longest = AutoWordListener::kLongestLine;
    }
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
    // Tells whether the line last read holds neither a space nor a character below it.
    bool Plain() const { return text.data() != copied.data(); }
    // Bytes, line ends included, of the lines not handed to the listener: plain lines that begin
    // with X or Y and hold no DEL, whose words come as tokens.
    long long CoordinateLineBytes() const { return coordinateLineBytes; }
    // Tells whether the line last read ended at a carriage return that no line feed follows.
    bool EndsAtCarriageReturn() const { return !Plain() && lineEnd == '\r'; }

  private:
    // Hands the plain line just read to the listener, or only counts its bytes when it is a line
    // of coordinates without DEL; out of the way of a read without a listener.
    PERFOREX_NOINLINE void PassPlainLine();
    // Hands the line just read to the listener.
    void PassLine() const;
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
    // What ended the last line that was copied.
    int lineEnd = 0;
    std::size_t longest = static_cast<std::size_t>(-1);
    AutoWordListener* listener = nullptr;
    long long coordinateLineBytes = 0;
    // A piece of the rest of a line longer than longest.
    std::string rest;
};
