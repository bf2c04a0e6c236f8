#pragma once

#include <string>

// The unit, zero suppression and digits that a drill machine format file sets, read from its
// keyword lines (.Unit, .ZeroTruncation, .DataFormat); what the file does not set keeps the
// reader's default (inch, LEADING, 3,3). Used to compare a program's header with the format.
class MachineFormatSettings {
  public:
    // Reads the file; returns false when it cannot be opened.
    bool Read(const std::string& path);

    // Values as the machine format file writes them.
    std::string unit = "IN";
    std::string zeroTruncation = "LEADING";
    int integerDigits = 3;
    int decimalDigits = 3;

  private:
    void TakeLine(const std::string& line);
};
