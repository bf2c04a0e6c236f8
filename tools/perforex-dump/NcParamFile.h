#pragma once

#include <string>

#include "DrillFormat.h"

// The nc_param.txt that Allegro writes beside its drill files: one setting a line, a keyword and
// its value (INTEGER-PLACES 2, OUTPUT-UNITS METRIC, SUPPRESS-LEAD-ZEROES YES ...). It tells the
// format of the drill files in its folder.
class NcParamFile {
  public:
    static constexpr const char* kFileName = "nc_param.txt";

    // Reads the nc_param.txt in the folder of the drill file; false when there is none to read.
    bool LoadBeside(const std::string& drillFile);
    // Takes in the text of an nc_param.txt.
    void Parse(const std::string& text);

    bool Found() const { return found_; }
    const std::string& Path() const { return path_; }
    // Which settings the file states.
    bool StatesUnit() const { return unit_ != 0; }
    bool StatesDigits() const { return integerPlaces_ >= 0 && decimalPlaces_ >= 0; }
    bool StatesZeroTruncation() const;
    bool StatesStepMode() const { return stepMode_ != 0; }
    // The format with every setting the file states put in.
    DrillFormat ApplyTo(DrillFormat format) const;

  private:
    void TakeSetting(const std::string& keyword, const std::string& value);
    int ZeroTruncation() const;

    bool found_ = false;
    std::string path_;
    int integerPlaces_ = -1;
    int decimalPlaces_ = -1;
    int unit_ = 0;
    int stepMode_ = 0;
    // -1 while the file does not say; then 0 for NO and 1 for YES.
    int suppressLead_ = -1;
    int suppressTrail_ = -1;
};
