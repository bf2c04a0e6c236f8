#pragma once

#include <cstdio>
#include <string>

// Writes a generated drill program to a stream in ASCII or, byte by byte encoded, in EBCDIC.
class ProgramSink {
  public:
    ProgramSink(FILE* file, bool ebcdic);
    ~ProgramSink();
    ProgramSink(const ProgramSink&) = delete;
    ProgramSink& operator=(const ProgramSink&) = delete;

    // Appends ASCII text.
    ProgramSink& operator<<(const char* text);
    ProgramSink& operator<<(const std::string& text);
    // Appends the decimal digits of value, with a minus sign when it is negative.
    ProgramSink& operator<<(long long value);

  private:
    // Appends one ASCII character.
    void Put(char c);
    // Writes out what the buffer holds.
    void Flush();

    FILE* file;
    bool ebcdic;
    std::string pending;
};
