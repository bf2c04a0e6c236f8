#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

// A scratch file that takes the reader's messages of one read at a time, so that they can be
// counted and escaped before they reach the terminal.
class ScratchMessages {
  public:
    // Makes the scratch file; false, with errno set, when it cannot be made.
    bool Open();
    // Runs read with the scratch file as its message stream and returns what it wrote there.
    std::string Capture(const std::function<int(FILE*)>& read, int& result);

  private:
    std::unique_ptr<FILE, int (*)(FILE*)> file_{nullptr, std::fclose};
};
