#pragma once

#include <cstddef>

// Takes the bytes of a program as they are written, piece by piece, in their order.
class ProgramOutput {
  public:
    virtual ~ProgramOutput() = default;
    virtual void Take(const char* bytes, std::size_t count) = 0;
};
