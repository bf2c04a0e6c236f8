#pragma once

#include <string>
#include <vector>

#include "machineformat/DrillMachineFormat.h"

// One program with the scan it must give, read from a case file. In the file a case is a block of
// lines "<key> <text>", where the text takes the escapes \n, \r, \t, \\ and \xHH:
//   case <name>                  starts a case
//   format <m> <n> <z>           digits and zero suppression 1, 2 or 0 (default 2 4 1)
//   delimiter <c>, charset <n>, step <n>   other settings (default #, 1, 1)
//   program <bytes>              the drill file
//   token <text>                 one expected token, as ScanTrace writes it
//   message <bytes>              expected message bytes, appended in order
//   tool <text>                  one expected tool line
//   line <n>                     expected line number at the end
//   unit <n>                     unit 1 (inch) or 2 (millimetre) of the settings (default 1)
//   callback <text>              one expected callback of a whole read, as RecordingHost writes it
//   result <n>                   expected result of a whole read (1 or 0)
// Lines starting with "#" and empty lines are ignored.
class ScanCase {
  public:
    // Reads every case of the file at path; fails the running test on a malformed line.
    static std::vector<ScanCase> Load(const std::string& path);

    std::string name;
    CDrillMachineFormat format;
    std::string program;
    std::vector<std::string> tokens;
    std::string messages;
    std::vector<std::string> toolLines;
    int finalLine = 0;
    std::vector<std::string> callbacks;
    int result = 1;
};
