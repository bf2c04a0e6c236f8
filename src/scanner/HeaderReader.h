#pragma once

#include <string>
#include <vector>

#include "scanner/CharacterSource.h"
#include "scanner/PlatingStatements.h"

// Consumes the header block that follows M48, appending its tool definitions to the tool lines
// and passing over its directive lines (INCH, METRIC, ICI, FMAT and the like). Comments mean
// nothing to it, but what they state about plating goes to the plating statements, which note
// each tool line.
class HeaderReader {
  public:
    // Longest tool definition text kept from the header.
    static constexpr std::size_t kToolTextCapacity = 43;

    HeaderReader(CharacterSource& source, std::vector<std::string>& toolLines,
                 PlatingStatements& plating);

    // Reads the block after the M48 code up to and including the "%" that ends it, or to the end
    // of the input; returns false when the input ended first.
    bool ReadHeader();

  private:
    // Performs one step on the current character, leaving the last character read in it.
    void ReadHeaderStep(int& current);
    // Appends the text after a "T" up to the line feed; leaves the line feed in current.
    void ReadToolDefinition(int& current);
    // Reads on past the next line feed; leaves the line feed in current.
    void SkipToLineFeed(int& current);
    // Tells whether two neighbouring characters begin a directive line.
    static bool StartsDirective(int first, int second);
    // Returns the next character, keeping the text of a comment from its ";" to the end of its
    // line and handing it to the plating statements there.
    int NextChar();

    CharacterSource& source;
    std::vector<std::string>& toolLines;
    PlatingStatements& plating;
    // The comment read so far on the current line, while inComment.
    std::string comment;
    bool inComment = false;
};
