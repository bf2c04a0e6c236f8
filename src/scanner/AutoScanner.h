#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "machineformat/DrillMachineFormat.h"
#include "messages/MessageOutput.h"
#include "messages/MessageTable.h"
#include "platform/Compiler.h"
#include "scanner/AutoDirective.h"
#include "scanner/AutoLineReader.h"
#include "scanner/AutoNumberFormat.h"
#include "scanner/AutoWordListener.h"
#include "scanner/CharacterClassTable.h"
#include "scanner/CharacterSource.h"
#include "scanner/CoordinateReader.h"
#include "scanner/DrillInput.h"
#include "scanner/ExactLength.h"
#include "scanner/NCToken.h"
#include "scanner/PlatingStatements.h"

// Turns a drill program into tokens for the AUTO reading, line by line: the program states its
// unit, digits, zero suppression and step mode where it can (the machine format is the fallback);
// numbers may carry a decimal point and a sign; tools are defined in the header or the body and
// delivered where they stand; the header ends at "%", at M95 or before the first program command;
// the panel codes and canned cycles come as codes of their own.
// Offers the interface of CDrillScanner that the interpreter uses.
class CAutoScanner {
  public:
    // Opens the program and takes its own copy of settings; never fails (see IsOpen).
    CAutoScanner(const DrillInput& input, const CDrillMachineFormat& settings,
                 MessageOutput messages);
    CAutoScanner(const CAutoScanner&) = delete;
    CAutoScanner& operator=(const CAutoScanner&) = delete;

    // Fills token with the next token and returns its address, or nullptr at the end of input.
    NCToken* NextToken(NCToken& token);

    const std::string& GetFilePath() const { return filePath; }
    bool IsOpen() const { return source.IsOpen(); }
    // False once the current NextToken call reported an error that ends the read.
    bool IsTokenValid() const { return tokenValid; }
    // True when the last number ended its block; the interpreter resets it.
    bool GetBlockEnd() const { return blockEnd; }
    void ResetBlockEnd() { blockEnd = false; }
    // Line of the token last delivered.
    int GetLineNumber() const { return tokenLine; }
    // Always empty: tool definitions come as tokens where they stand.
    const std::vector<std::string>& GetToolLines() const { return noToolLines; }
    void StopCollectingToolLines() {}
    // What the comment lines read so far state about plating.
    const PlatingStatements& GetPlatingStatements() const { return plating; }
    // The plating of the tool definition last delivered, as stated before it or, for a comment
    // table entry, by its own PLATED or NON_PLATED.
    int GetDefinitionPlating() const { return definitionPlating; }
    // Number of warnings the scanner wrote: this reading skips no program text, so only about
    // bytes after a byte 0xFF that ended the input.
    int GetWarningCount() const { return warningCount; }
    int GetStepMode() const { return settings.stepMode; }
    void SetStepMode(int stepMode) { settings.stepMode = stepMode; }

    // NCToken::code of a number in a pass over the words.
    static constexpr int kWrittenWithoutPoint = 0, kWrittenWithPoint = 1;
    // Makes this a pass over the program's words for listener: numbers are delivered as written
    // (NCToken::written) with their digits as one integer, not as lengths, and listener takes
    // each line and each word that gives no token.
    void SetWordListener(AutoWordListener& listener) {
        wordListener = &listener;
        lines.PassTo(listener);
    }
    // Tells whether the header is open: from the start and after M48 until "%", M95 or the first
    // program command.
    bool InHeader() const { return inHeader; }
    // Bytes, line ends included, of the plain lines of coordinates that a pass over the words
    // handed its listener no line for.
    long long CoordinateLineBytes() const { return lines.CoordinateLineBytes(); }
    // Tells whether the input ended at a byte 0xFF that more bytes follow, which are not read.
    bool EndByteHidesBytes() const { return source.EndByteHidesBytes(); }
    // What the unit statement of the last TOKEN_UNIT stated.
    const AutoDirective::UnitStatement& GetUnitStatement() const { return unitStatement; }
    // The line being read, without its spaces.
    std::string_view GetLineText() const { return lines.Text(); }

  private:
    // Reads the next line and acts on what it is as a whole; returns true when that gave token.
    bool ReadLine(NCToken& token);
    // Acts on a header line that is no program command; returns true when it gave token.
    bool ReadHeaderLine(NCToken& token);
    // Warns, once for its line, that a header line beginning with an M code gave token, unless
    // token is one the header gives too or a stop or coolant code.
    void WarnAboutHeaderCommand(const NCToken& token);
    // Tells whether the line, from the cursor on, is a program command that ends the header.
    bool IsProgramCommand() const;
    // Reads the token at the cursor into token; returns false when what stood there gave none.
    bool ScanToken(NCToken& token);
    // Reads a tool definition or selection at the cursor.
    bool ReadTool(NCToken& token);
    // Reads the G code at the cursor.
    bool ReadGCode(NCToken& token);
    // Reads the M code at the cursor.
    bool ReadMCode(NCToken& token);
    // What a number read is for: a length, or its text in a pass over the words.
    enum NumberUse { kValued, kWritten };
    // Reads the number after the letter at the cursor. A read's numbers take a path of their own,
    // untouched by what a pass over the words needs.
    template <NumberUse use>
    void ReadNumber(NCToken& token);
    // Passes over the feed or speed word at the cursor.
    void SkipWord();
    // Gives token, in a pass over the words, the number at the cursor as written up to end, its
    // digits as one integer and whether it has a point.
    void PassNumber(NCToken& token, const char* end, std::uint64_t digits, bool point);
    // Tells the word listener, if any, of a word that gives no token; out of the way of a read.
    PERFOREX_NOINLINE void PassWord(char letter, int value) const;
    // Takes what a unit line or M71 or M72 states and gives the unit token.
    void StateUnit(const AutoDirective::UnitStatement& unit, NCToken& token);
    // Applies what the program has stated to the settings and the number conversion.
    void ApplyFormat();
    // Fills token as a tool definition of the given kind; a comment table entry carries its
    // diameter.
    void MakeDefinition(NCToken& token, int tool, NCDefinitionKind kind, ExactLength diameter);
    // Writes an error message about the token's line that ends the read.
    template <typename... Arguments>
    void ReportError(MessageId messageId, Arguments... arguments) {
        messages.Write(messageId, MessageKind::Error, tokenLine, arguments...);
        tokenValid = false;
    }
    // Returns the character at the cursor plus offset, or 0 beyond the line.
    char At(std::size_t offset) const {
        const std::string_view text = lines.Text();
        return cursor + offset < text.size() ? text[cursor + offset] : '\0';
    }
    // Tells whether the line is read to its end.
    bool LineDone() const { return cursor >= lines.Text().size(); }

    std::string filePath;
    MessageOutput messages;
    CDrillMachineFormat settings;
    AutoNumberFormat format;
    int delimiter;
    CharacterClassTable classes;
    CharacterSource source;
    CoordinateReader coordinates;
    // The unit of the numbers read, which the settings' unit names.
    ExactLength::Unit unit;
    AutoLineReader lines;
    std::vector<std::string> noToolLines;
    PlatingStatements plating;
    int definitionPlating = PlatingStatements::kUnknown;
    // The tool definition text of the token being made; keeps its capacity.
    std::string definition;
    // Position of the next character to read in the current line.
    std::size_t cursor = 0;
    int tokenLine = 1;
    // True from the start and after M48 until "%", M95 or the first program command.
    bool inHeader = true;
    // The current header line begins with an M code other than the header's own, and has given
    // no token yet.
    bool headerCommandLine = false;
    // A definition in the body selects its tool: the selection waits for the next call.
    bool selectionPending = false;
    int pendingTool = 0;
    // Entries read so far of a comment table that writes no tool numbers.
    int unnumberedEntries = 0;
    bool tokenValid = true;
    bool endOfInput = false;
    bool blockEnd = false;
    int warningCount = 0;
    // The listener of a pass over the words, or nullptr in a read.
    AutoWordListener* wordListener = nullptr;
    AutoDirective::UnitStatement unitStatement;
};
