#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include "capi/ReadResult.h"

class CResultCollector;

// One read call of the C interface: the program (a path, or bytes with a name) and the machine
// format as the caller gave them, checked and read into a result.
class CReadRequest {
  public:
    static CReadRequest OfFile(const char* path, const char* machineFormat, int formatKind);
    static CReadRequest OfMemory(const void* data, std::size_t size, const char* name,
                                 const char* machineFormat, int formatKind);

    // Reads the program into result, or marks result failed with the reason.
    void Run(CReadResult& result) const;

  private:
    CReadRequest(const char* machineFormat, int formatKind);

    // Marks result failed when the program cannot be read; returns whether it can.
    bool CheckProgram(CReadResult& result) const;
    // Gives the reader its machine format (detecting it when none was given) and keeps its text
    // in result; marks result failed when the format given cannot be had.
    bool ChooseMachineFormat(CResultCollector& reader, CReadResult& result) const;
    // Detects the format of a program and gives it to the reader; marks result failed for bytes
    // that are no drill program.
    bool Detect(CResultCollector& reader, CReadResult& result) const;
    int ReadProgram(CResultCollector& reader, FILE* messages) const;
    // Marks result failed when the reader could not load the machine format.
    void CheckMachineFormatLoaded(CReadResult& result) const;
    std::string MachineFormatName() const;

    const char* path = nullptr;
    const char* data = nullptr;
    std::size_t size = 0;
    const char* name = nullptr;
    const char* machineFormat;
    int formatKind;
};
