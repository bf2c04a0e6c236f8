#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "machineformat/DrillMachineFormat.h"
#include "messages/MessageOutput.h"
#include "messages/MessageTable.h"
#include "scanner/CharacterClassTable.h"
#include "scanner/CharacterSource.h"
#include "scanner/CoordinateReader.h"
#include "scanner/DrillInput.h"
#include "scanner/NCCodeTable.h"
#include "scanner/NCToken.h"
#include "scanner/PlatingStatements.h"

// Turns one drill program file into tokens, collecting tool definition lines on the way.
class CDrillScanner {
  public:
    // Opens the program and takes its own copy of settings; never fails (see IsOpen).
    CDrillScanner(const DrillInput& input, const CDrillMachineFormat& settings,
                  MessageOutput messages);
    ~CDrillScanner();
    CDrillScanner(const CDrillScanner&) = delete;
    CDrillScanner& operator=(const CDrillScanner&) = delete;

    // Fills token with the next token and the line on which it begins and returns its address,
    // or nullptr at the end of input.
    NCToken* NextToken(NCToken& token) {
        tokenValid = true;
        return ReadWordInBlock(token) ? &token : ReadAnyToken(token);
    }

    // Reads an X or Y number word as ReadWordInBlock does, or returns false and reads nothing:
    // the words of the blocks that drill holes, which the interpreter reads in a loop of its own.
    bool ReadCoordinateWordInBlock(NCToken& token) {
        CharacterSource::WordStart word;
        if (endOfInput || !source.FindWordInBlock(classes, word) ||
            (word.letter != 'X' && word.letter != 'Y') || !classes.IsNumberLetter(word.letter)) {
            return false;
        }
        token.line = word.line;
        bool endsBlock = false;
        if (!coordinates.ReadNumberOfWord(word, token, endsBlock)) {
            return false;
        }
        blockEnd = blockEnd || endsBlock;
        return true;
    }

    // Reads a whole block of X and Y words ended by a line feed into x and y, as that many
    // ReadCoordinateWordInBlock calls would, when it needs no message; gives the block's line.
    // Returns false and reads nothing otherwise.
    bool ReadCoordinateBlock(double& x, double& y, int& line) {
        return !endOfInput && coordinates.ReadCoordinateBlock(x, y, line);
    }

    const std::string& GetFilePath() const;
    bool IsOpen() const;
    // False once the current NextToken call reported an error.
    bool IsTokenValid() const { return tokenValid; }
    // True when the last number ended its block; the interpreter resets it.
    bool GetBlockEnd() const { return blockEnd; }
    void ResetBlockEnd() { blockEnd = false; }
    int GetLineNumber() const;
    // Tool definition texts from the M48 header and from comment lines, in the order found.
    const std::vector<std::string>& GetToolLines() const;
    // Stops adding tool definitions to the tool lines, once nothing will read them again, so
    // that memory does not grow with the definitions a long program repeats in its comments.
    void StopCollectingToolLines() { collectingToolLines = false; }
    // What the comments read so far state about plating, and the plating of each tool line.
    const PlatingStatements& GetPlatingStatements() const { return plating; }
    // Always unknown: this reading delivers no tool definitions as tokens.
    int GetDefinitionPlating() const { return PlatingStatements::kUnknown; }
    // Number of warnings written about program text the scan passed over: text skipped after a
    // "%", a header block without its "%", a G04 comment running to the end of the input.
    int GetWarningCount() const { return warningCount; }
    int GetStepMode() const;
    void SetStepMode(int stepMode);

  private:
    // Longest tool definition text kept from a comment line.
    static constexpr std::size_t kCommentToolTextCapacity = 235;
    // Longest text kept after G93.
    static constexpr std::size_t kG93TextCapacity = 63;

    // Outcomes of reading the two characters after an M.
    enum class MCodeOutcome { Token, UnknownCode, EndOfInput };

    // Reads a number word or a code word that lies, with the separators before it, in the
    // source's current buffer. Most of a program is such words, and taking one in a single pass
    // over the buffer spares a call per character; returns false and reads nothing for any
    // other token, which ReadAnyToken reads.
    bool ReadWordInBlock(NCToken& token) {
        CharacterSource::WordStart word;
        if (endOfInput || !source.FindWordInBlock(classes, word)) {
            return false;
        }
        token.line = word.line;
        if (classes.IsNumberLetter(word.letter)) {
            bool endsBlock = false;
            if (!coordinates.ReadNumberOfWord(word, token, endsBlock)) {
                return false;
            }
            blockEnd = blockEnd || endsBlock;
            return true;
        }
        return (word.letter == 'G' || word.letter == 'M') && ReadCodeWord(word, token);
    }
    // Reads a G or M code word of two digits that starts no comment, G93 text or header and
    // that the code table knows; returns false and reads nothing for any other.
    bool ReadCodeWord(const CharacterSource::WordStart& word, NCToken& token) {
        const int digits = source.TwoDigitsOfWord(word);
        if (digits < 0) {
            return false;
        }
        const int code =
            word.letter == 'G' ? NCCodeTable::GCode(digits) : NCCodeTable::MCode(digits);
        if (code == NCCodeTable::kNoCode || code == CODE_G04 || code == CODE_G93 ||
            code == CODE_M48) {
            return false;
        }
        source.TakeCodeWord(word);
        token.type = TOKEN_CODE;
        token.code = code;
        return true;
    }
    // Reads the next token one character at a time, or returns nullptr at the end of input.
    NCToken* ReadAnyToken(NCToken& token);
    // Reads the token that begins with c (sequence number, tool, code or number) into token and
    // returns true; returns false with the character to go on with in c when there is none.
    bool ScanToken(int& c, NCToken& token);
    // Skips a comment line, collecting a tool definition written in it and handing any other
    // comment to the plating statements; returns the line feed that ends it or the end value.
    int SkipCommentLine();
    // Returns the next character of a comment, keeping it in commentText.
    int NextCommentChar();
    // Hands the comment read to the plating statements and returns c, which ended it.
    int EndComment(int c);
    // Appends a comment line's tool definition, which begins with the digits first and second;
    // returns the line feed that ends it or the end value.
    int CollectCommentToolDefinition(int first, int second);
    // Returns the next "M" or the end value, warning when the characters passed over hold more
    // than separators.
    int SkipToNextM();
    // Tells whether c and the two characters after it open a G04 comment; gives those two back
    // when they do not.
    bool StartsG04Comment(int c);
    // Skips a G04 comment up to the delimiter; returns the character after it. Warns when the
    // comment, begun on line, takes program text of later lines with it to the end of the input.
    int SkipG04Comment(int line);
    // Skips the digits of a sequence number; returns the first character after them.
    int SkipSequenceNumber();
    // Reads the tool number after a "T" into token; returns false when two digits do not follow.
    bool ReadTool(NCToken& token);
    // Reads the code after a "G" into token; returns false (after reporting) for an unknown one.
    bool ReadGCode(NCToken& token);
    // Reads the text that follows G93 into token.
    void ReadG93Text(NCToken& token);
    // Reads the code after an "M" into token, reading the header block after M48.
    MCodeOutcome ReadMCode(NCToken& token);
    // Reads the two characters after an M of the given line, moving on two characters at a time
    // and reporting each pair until both are digits; returns false at the end of the input.
    bool ReadDigitsAfterM(int line, int& first, int& second);
    // Reads the header block after the M48 of the given line.
    void ReadHeaderBlock(int line);
    // Writes an error message about line and marks the current token invalid.
    template <typename... Arguments>
    void ReportError(int line, MessageId messageId, Arguments... arguments);
    // Writes a warning message about line and counts it.
    template <typename... Arguments>
    void ReportWarning(int line, MessageId messageId, Arguments... arguments);

    std::string filePath;
    MessageOutput messages;
    CDrillMachineFormat settings;
    // First character of the settings' delimiter text.
    int delimiter;
    CharacterClassTable classes;
    CharacterSource source;
    CoordinateReader coordinates;
    // Tool definition texts collected so far; only ever grows.
    std::vector<std::string> toolLines;
    PlatingStatements plating;
    // The comment being skipped, from its ";".
    std::string commentText;
    // Digits of the tool number being read; keeps its capacity from token to token.
    std::string toolDigits;
    // False once the current call reported an error.
    bool tokenValid = true;
    // True from the first time the end of the input was met.
    bool endOfInput = false;
    // True when a number ended its block, until the interpreter resets it.
    bool blockEnd = false;
    // False once the owner has taken the tool lines for good.
    bool collectingToolLines = true;
    // Warnings about program text passed over, for the owner's totals.
    int warningCount = 0;
};
