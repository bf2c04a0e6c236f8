#pragma once

#include <memory>

#include "keywordparser/JNPMessageSink.h"

// Cuts the in-memory text of a keyword file into words, quoted strings and punctuation, skipping
// white space and comments, counting lines and holding one token given back.
class JNPScanner {
  public:
    // Size of every token buffer, terminating zero included.
    static constexpr int kTokenSize = 4096;

    enum TokenType { kWord = 0, kEnd = 1, kString = 2, kOpen = 3, kClose = 4, kComma = 5 };

    explicit JNPScanner(JNPMessageSink& sink) : sink(sink) {}

    // Allocates the pushback buffer; returns false when memory is short.
    bool AllocatePushBack();
    // Starts scanning [begin, end) at line 1 with nothing pushed back.
    void Attach(const char* begin, const char* end);
    // Frees the pushback buffer.
    void Release() { pushBack.reset(); }

    // Writes the next token into token (kTokenSize bytes) and returns its TokenType; context
    // names the keyword being read in the overflow message.
    int ScanToken(const char* context, char* token);
    // Gives token back, to be returned by the next ScanToken with the type last scanned.
    void PushBack(const char* token);
    // Discards the rest of the current line with its line feed and counts the line.
    void SkipLine();

    int Line() const { return line; }

  private:
    // Value read at the end of the text and for a 0xFF byte.
    static constexpr int kEndValue = -1;

    // Returns the next character as a signed byte, skipping one carriage return before it.
    int ReadChar();
    // Returns the first character above blank, counting the line feeds passed.
    int SkipWhiteSpace();
    // Steps back over the character c just read.
    void Unget(int c);
    int ReadString(const char* context, char* token);
    int ReadWord(int first, const char* context, char* token);
    // Reports a token that does not fit into its buffer.
    void ReportOverflow(const char* context);

    JNPMessageSink& sink;
    std::unique_ptr<char[]> pushBack;
    int lastType = kWord;
    int line = 1;
    const char* begin = nullptr;
    const char* position = nullptr;
    const char* end = nullptr;
};
