#pragma once

#include <string>

// Finds the bundled machine format file for programs that describe themselves: next to the
// executable in the build tree, or in share/perforex beside the installed executable's bin
// directory.
class MachineFormatLocator {
  public:
    // File name of the bundled machine format, read in AUTO.
    static constexpr const char* kFileName = "auto.fmt";

    // Returns the directory of the running executable, found through the system or, failing
    // that, through argv0; empty when neither tells.
    static std::string ExecutableDirectory(const char* argv0);
    // Returns the path of the bundled machine format for an executable in the given directory,
    // or an empty string when there is none to read.
    static std::string FindDefault(const std::string& executableDirectory);
};
