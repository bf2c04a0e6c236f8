#pragma once

#include <string>

#include "detection/SideFormat.h"

// The drill station info file that EAGLE writes beside a drill program, NAME.dri beside
// NAME.drd: lines "KEY : VALUE", of which
//   Device : Excellon drill station, coordinate format 2.5 inch
//   Units  : 1/100000 Inch
// tell the digits and the unit of the program's numbers.
class DrillStationInfoFile {
  public:
    static constexpr const char* kExtension = ".dri";

    // Takes in the text of a drill station info file.
    void Parse(const std::string& text);
    // Returns the settings the file states: the unit, and the digits when it tells the decimal
    // ones (the integer ones are the unit's usual when only the Units line tells them).
    SideFormat Format() const;

  private:
    void TakeDevice(const std::string& value);
    void TakeUnits(const std::string& value);

    int deviceUnit_ = 0;
    int deviceIntegers_ = -1;
    int deviceDecimals_ = -1;
    int unitsUnit_ = 0;
    int unitsDecimals_ = -1;
};
