#pragma once

#include <string>

// Machine format of the programs read here: inch, format 2,4, leading zeros left out, absolute
// steps, ASCII, delimiter "#".
extern const char kInchFormat24[];

// What one Read of a drill program gave.
struct ProgramReading {
    int result = -1;
    std::string messages;
    std::string transcript;
    int tools = 0;
    int hits = 0;
    int contours = 0;
};

// Reads program (the drill file's bytes) with a fresh reader under the machine format text.
ProgramReading ReadProgram(const std::string& program,
                           const std::string& machineFormat = kInchFormat24);

// Reads the drill file at path with a fresh reader under the machine format text.
ProgramReading ReadProgramAt(const std::string& path,
                             const std::string& machineFormat = kInchFormat24);

// Returns message 22 with its totals, as a read that counted anything ends.
std::string Totals(int errors, int warnings);

// Tells whether text ends with tail.
bool EndsWith(const std::string& text, const std::string& tail);

// Returns a board program with a header of tools, holes in rows, repeated holes and routed
// contours of lines and arcs; seed varies the coordinates so that two boards differ.
std::string GenerateBoard(int rows, int contours, int seed);
