#pragma once

#include <stdexcept>
#include <string>

// Ends a write that cannot give a program reading back as what it was given; what() says which
// value and why.
class WriteError : public std::runtime_error {
  public:
    explicit WriteError(const std::string& reason) : std::runtime_error(reason) {}
};
