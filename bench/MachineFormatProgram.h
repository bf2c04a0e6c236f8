#pragma once

#include <cstdio>

// Generates a long drill machine format file for the keyword parser engine: the file's header,
// then every keyword of the schema again and again, in changing letter case and with comments.
class MachineFormatProgram {
  public:
    explicit MachineFormatProgram(int repetitions);

    // Writes the file.
    void Write(FILE* file) const;
    // Returns the number of keyword lines the file holds.
    long long KeywordLines() const;

  private:
    int repetitions;
};
