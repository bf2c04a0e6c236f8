#pragma once

#include <string>
#include <vector>

// The command line of perforex-convert:
// perforex-convert DRILL_FILE... -o OUT [-f MACHINE_FORMAT_FILE] [--merge]
//                  [--step NXxNY@DX,DY] [--rack SIZES [--tolerance SIZE]]
// perforex-convert -h | --help | -V | --version
class ConvertOptions {
  public:
    // The forms of the command line, shown by --help and after a bad command line.
    static const char* const kUsage;

    // Returns the text of --help: the usage, then the options and the exit statuses.
    static std::string Help();

    // Parses the arguments after the program name; returns false and a one-line reason in error
    // when they do not form a valid command line.
    bool Parse(const std::vector<std::string>& arguments, std::string& error);

    std::vector<std::string> drillFiles;
    std::string outputFile;
    // Machine format file given with -f, empty for the AUTO format of the first drill file.
    std::string machineFormatFile;
    bool merge = false;
    // The panel of --step: columns x rows copies at pitches dx, dy in nanometres; 0 x 0 for none.
    int columns = 0;
    int rows = 0;
    int dx = 0;
    int dy = 0;
    // The drill sizes of --rack in nanometres, and how far a tool may lie from one.
    std::vector<int> rack;
    int tolerance = 50000;
    bool help = false;
    bool version = false;

  private:
    bool ParseStep(const std::string& text, std::string& error);
    bool ParseRack(const std::string& text, std::string& error);
    bool CheckCombination(std::string& error) const;

    std::string step;
    std::string rackText;
    std::string toleranceText;
};
