#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "perforex/DrillWriter.h"
#include "perforex/perforex_c.h"

class CReadResult;

// A writer of the C interface: a CDrillWriter with what it was given, the outcome of its last
// call as a status and a line of text, the roundings of its last write and the program it last
// wrote into memory.
class CWriterHandle {
  public:
    // Starts with the AUTO format built into the library.
    CWriterHandle();

    // Each returns a status of the C interface and keeps the reason of a failure.
    int SetMachineFormat(const char* machineFormat, int formatKind);
    int AddTool(std::int32_t number, std::int32_t holeType, std::int32_t diameter,
                std::int32_t width, std::int32_t height, double angle, std::int32_t plating);
    int AddHits(const std::int32_t* holes, std::size_t count);
    int AddContour(std::int32_t tool, std::int32_t width, const std::int32_t* vertices,
                   std::size_t vertexCount);
    // Adds the tools, holes and contours of a read, in its order.
    int AddResult(const CReadResult& result);
    int Write(const char* path);
    int WriteMemory(const char** program, std::size_t* size);
    // Marks the call failed with the given status and reason; returns the status.
    int Fail(int status, std::string reason);

    const std::string& ErrorText() const { return errorText; }
    const std::vector<pfx_rounding>& Roundings() const { return roundings; }

  private:
    // Writes the program into program; returns the status.
    int WriteProgram(std::string& text);
    // Writes the bytes to path through a new file beside it; returns the status.
    int WriteFile(const std::string& path, const std::string& bytes);
    int Succeed();

    CDrillWriter writer;
    bool hasFormat = false;
    std::size_t holeCount = 0;
    std::size_t contourCount = 0;
    std::string errorText;
    std::vector<pfx_rounding> roundings;
    std::string program;
};
