#pragma once

#include <string>
#include <vector>

#include "machineformat/DrillMachineFormat.h"

// Scans a whole program written to a temporary file and records what the scanner delivered: one
// text per token ("code 1", "T 102", "X 1.2345", flags " end" for a block end and " invalid",
// then "@" and the line number right after the token), the message bytes and the tool lines.
class ScanTrace {
  public:
    ScanTrace(const std::string& bytes, const CDrillMachineFormat& settings);

    std::vector<std::string> tokens;
    std::string messages;
    std::vector<std::string> toolLines;
    // Line number once the scan has ended.
    int finalLine = 0;
    // Whether a further call after the end returned no token as well.
    bool endRepeats = false;
};

// Returns a machine format with the given coordinate digits and zero suppression.
CDrillMachineFormat MakeFormat(int integerDigits, int decimalDigits,
                               int zeroTruncation = CDrillMachineFormat::LEADING);
