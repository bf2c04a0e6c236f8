#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Generates a drill program of many holes over several tools, in inches with the format 2,4,
// written either in absolute steps with leading zeros suppressed or in incremental steps with
// trailing zeros suppressed, in ASCII or EBCDIC; or, as CAD tools write for the AUTO dialect, with
// decimal points and tools T1 to T20; or with leading zeros suppressed under a header that states
// INCH and TZ, or only INCH, so that the digits, and the zero suppression too, are left to the
// format detection; or with leading zeros suppressed under statements that the numbers refute
// (LZ and the digits 6,0), so that every value read as stated is out of range and each hole block
// costs an error. The same seed gives the same holes in every form.
class HitsProgram {
  public:
    // How the coordinates are written.
    enum class Form {
        LeadingAbsolute,
        TrailingIncremental,
        DecimalAuto,
        LeadingStated,
        LeadingUnstated,
        LeadingRefuted
    };

    HitsProgram(long long hits, int tools, Form form, bool ebcdic, std::uint32_t seed = 20261206);

    // Writes the drill program.
    void WriteProgram(FILE* file) const;
    // Writes the drill machine format file under which the program reads: for the refuted form,
    // the one its statements give.
    void WriteMachineFormat(FILE* file) const;
    // Returns the byte that ends a line in the program's character set.
    int LineFeedByte() const;

  private:
    // Returns the tool number as the form writes it: two digits, or as few as it needs.
    std::string ToolNumber(int tool) const;

    long long hits;
    int tools;
    Form form;
    bool ebcdic;
    std::uint32_t seed;
};
