#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// What a drill program states about the plating of its holes, as its lines are read: Altium's
// ;TYPE=PLATED and ;TYPE=NON_PLATED before a group of tool definitions and KiCad's
// TA.AperFunction attribute before one, which hold until the next such line; KiCad's
// TF.FileFunction attribute for the whole file; and, where the program states nothing, the
// file's name (board-PTH.drl, board_NPTH.drl). A tool takes what is stated before its definition,
// unless its definition says it itself.
class PlatingStatements {
  public:
    // Plating codes, those of CPerforexReader::Plating.
    enum Plating { kUnknown = 0, kPlated = 1, kNonPlated = 2 };
    // Longest comment text a reader needs to keep for TakeComment: every statement fits.
    static constexpr std::size_t kCommentCapacity = 64;

    // Starts with nothing stated but what the name of the program's file says.
    explicit PlatingStatements(std::string_view fileName);

    // Takes a comment line, from its ";" on; a line that states no plating changes nothing.
    void TakeComment(std::string_view comment);
    // The plating of a tool defined now.
    int Current() const;
    // The plating of the tool a comment table entry defines: what the entry says with a word
    // PLATED or NON_PLATED (Allegro, OrCAD), otherwise Current().
    int OfTableEntry(std::string_view entry) const;

    // Notes that a tool definition line was collected now, to be defined later.
    void NoteToolLine() { toolLinePlatings.push_back(Current()); }
    // Forgets the collected lines from count on.
    void KeepToolLines(std::size_t count);
    // The plating of the collected line at index, what was stated when it was collected.
    int OfToolLine(std::size_t index) const;

    // The plating a file name states: -PTH, _PTH, -NPTH or _NPTH, in any case, ending the name
    // before its extension.
    static int OfFileName(std::string_view path);

  private:
    // A statement no line has made yet.
    static constexpr int kNotStated = -1;

    int byName;
    int byFile = kNotStated;
    int byGroup = kNotStated;
    std::vector<int> toolLinePlatings;
};
