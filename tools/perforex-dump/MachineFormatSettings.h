#pragma once

#include <string>

#include "DrillFormat.h"

// The dialect, unit, zero suppression, digits and step mode that a drill machine format file
// sets, read from its keyword lines (.DataType, .Unit, .ZeroTruncation, .DataFormat, .StepMode);
// what the file does not set keeps the reader's default (EXCELLON, inch, LEADING, 3,3, ABSOLUTE).
class MachineFormatSettings {
  public:
    MachineFormatSettings();

    // Reads the file; returns false when it cannot be opened.
    bool Read(const std::string& path);
    // Reads the keyword lines of a machine format file's text.
    void ReadText(const std::string& text);
    // True when the format reads a program in AUTO, from the statements of its own header.
    bool IsAuto() const { return dataType == "AUTO"; }

    DrillFormat format;
    // The .DataType constant in upper case.
    std::string dataType = "EXCELLON";

  private:
    void TakeLine(const std::string& line);
};
