#pragma once

#include <string>

#include "detection/SideFormat.h"

// The nc_param.txt that Allegro writes beside its drill files: one setting a line, a keyword and
// its value (INTEGER-PLACES 2, OUTPUT-UNITS METRIC, SUPPRESS-LEAD-ZEROES YES ...). It tells the
// format of every drill file in its folder.
class NcParamFile {
  public:
    static constexpr const char* kFileName = "nc_param.txt";

    // Takes in the text of an nc_param.txt.
    void Parse(const std::string& text);
    // Returns the settings the file states.
    SideFormat Format() const;

  private:
    void TakeSetting(const std::string& keyword, const std::string& value);
    // Returns the zero truncation the two suppression settings name, or -1 for none.
    int ZeroTruncation() const;

    int integerPlaces_ = -1;
    int decimalPlaces_ = -1;
    int unit_ = 0;
    int stepMode_ = 0;
    // -1 while the file does not say; then 0 for NO and 1 for YES.
    int suppressLead_ = -1;
    int suppressTrail_ = -1;
};
