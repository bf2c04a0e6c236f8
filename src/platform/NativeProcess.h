#pragma once

#include <string>
#include <vector>

// What a command-line program takes from the system at its start, alike on every system: its
// arguments in UTF-8 and standard streams that pass bytes unchanged.
class NativeProcess {
  public:
    // Returns the arguments after the program's name. Windows hands main() its arguments in the
    // ANSI code page, where most names are lost; there they come from its UTF-16 command line.
    static std::vector<std::string> Arguments(int argc, char** argv);
    // Makes the standard input, output and error binary, so that a Windows program neither writes
    // "\r\n" for "\n" nor reads CR LF as "\n" or Ctrl-Z as the end of the input.
    static void UseBinaryStandardStreams();
};
