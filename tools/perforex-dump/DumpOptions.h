#pragma once

#include <string>
#include <vector>

// The command line of perforex-dump:
// perforex-dump [-f MACHINE_FORMAT_FILE] [--json] [--svg OUT.svg [--overlay]] DRILL_FILE...
// perforex-dump --suggest-format DRILL_FILE
// perforex-dump -h | --help | -V | --version
class DumpOptions {
  public:
    // The forms of the command line, shown by --help and after a bad command line.
    static const char* const kUsage;

    // Returns the text of --help: the usage, then the options and the exit statuses.
    static std::string Help();

    // Parses the arguments after the program name; returns false and a one-line reason in error
    // when they do not form a valid command line.
    bool Parse(const std::vector<std::string>& arguments, std::string& error);

    // Machine format file given with -f, empty for the bundled default.
    std::string machineFormatFile;
    bool json = false;
    // Picture file given with --svg, empty for none.
    std::string svgFile;
    // Draw all drill files in one drawing instead of side by side.
    bool overlay = false;
    bool suggestFormat = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> drillFiles;

  private:
    bool CheckCombination(std::string& error) const;
};
