#pragma once

#include <cstddef>
#include <string_view>

// Takes what a pass over the words of a program sees beside its tokens, for a reader that wants
// the words as written rather than their values (format detection): every line, and every word
// that gives no token. CAutoScanner with a listener gives numbers no length, and keeps no more
// of a line than kLongestLine characters, so that its memory stays bounded.
class AutoWordListener {
  public:
    // A line as the scanner reads it.
    struct Line {
        // Without its spaces and tabs (except in a comment), as the words are read from it.
        std::string_view text;
        // As written, spaces and tabs included.
        std::string_view written;
        int number = 0;
        // Holds neither a space nor a character below it.
        bool plain = false;
        // Ended by a carriage return that no line feed follows.
        bool endsAtCarriageReturn = false;
    };

    static constexpr std::size_t kLongestLine = 1 << 16;

    virtual ~AutoWordListener() = default;

    // Takes each line before its words are read, but for the plain lines that begin with X or Y
    // and hold no DEL, whose words the tokens bring and whose bytes the scanner only counts
    // (CAutoScanner::CoordinateLineBytes).
    virtual void TakeLine(const Line& line) = 0;
    // Takes, piece by piece and before the line, what a line of the given number holds beyond
    // the longest line a pass over the words keeps; no word is read from it.
    virtual void TakeCutText(std::string_view text, int line) = 0;
    // Takes a word that gives no token: "%" (value 0), or an M code read without effect (M48,
    // M95, M06, M09, M47, M97, M98) with its value.
    virtual void TakePassedWord(char letter, int value) = 0;
};
