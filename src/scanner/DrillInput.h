#pragma once

#include <cstddef>
#include <string>
#include <utility>

// Where a drill program comes from: the file at a path, or bytes that the caller holds in memory
// for the whole read. The name stands for the program in messages.
class DrillInput {
  public:
    // The file at path. Implicit, so that a path serves wherever a program is asked for.
    DrillInput(std::string path) : name(std::move(path)) {}
    // The size bytes at data, named name.
    DrillInput(const char* data, std::size_t size, std::string name)
        : name(std::move(name)), data(data), size(size), inMemory(true) {}

    const std::string& Name() const { return name; }
    bool InMemory() const { return inMemory; }
    const char* Data() const { return data; }
    std::size_t Size() const { return size; }

  private:
    std::string name;
    const char* data = nullptr;
    std::size_t size = 0;
    bool inMemory = false;
};
