#pragma once

#include <cstddef>
#include <vector>

#include "perforex/CString.h"
#include "perforex/Export.h"

class CFormatDetectorImpl;

// One decision of a format detection.
struct CFormatEvidence {
    // What was decided: "fallback", "unit", "zero suppression", "digits" or "steps".
    perforex::CString item;
    // The value decided, as the text names it: "inch", "LEADING", "2,4" ...
    perforex::CString value;
    // Why, in one sentence.
    perforex::CString reason;
    // Line of the program the decision comes from; 0 when it comes from no single line.
    int line = 0;
    // The whole decision in one line, e.g. "unit: inch, from INCH on line 2".
    perforex::CString text;
};

// Decides how a drill program's numbers are written when nobody states it: what the program says
// of itself (INCH, METRIC, LZ, TZ, digit patterns, ;FILE_FORMAT, M71, M72, ICI), then the side
// files beside it (Allegro's nc_param.txt, EAGLE's NAME.dri), then what its numbers and the
// places of its holes show, with the built-in AUTO fallback (inch, 2,4, leading zeros left out)
// for the rest. The result is a machine format text that CPerforexReader takes as it is.
class PERFOREX_API CFormatDetector {
  public:
    CFormatDetector();
    CFormatDetector(const CFormatDetector& other);
    CFormatDetector& operator=(const CFormatDetector& other);
    ~CFormatDetector();

    // Detects the format of the drill file at path, with the side files in its folder. Returns 1
    // when the program was read, 0 when it cannot be (missing, a directory, no permission) or
    // looks like no drill program (empty, binary, Gerber); GetFailure tells why. Even then the
    // machine format text holds the fallback, so that a read reports what the program holds.
    int DetectFile(const perforex::CString& drillFilePath);
    // Detects the format of the size bytes at data (read from the caller's buffer, not copied).
    // Side files are looked for in sideFileFolder unless it is empty ("." is the current
    // folder); name is the program's file name (of a path, its last part), which finds NAME.dri.
    // Returns as DetectFile.
    int DetectMemory(const char* data, std::size_t size,
                     const perforex::CString& name = perforex::CString(),
                     const perforex::CString& sideFileFolder = perforex::CString());

    // Returns the machine format text decided by the latest detection.
    const perforex::CString& GetMachineFormatText() const;
    // Returns the decisions of the latest detection, in the order they were made.
    const std::vector<CFormatEvidence>& GetEvidence() const;
    // Returns why the latest detection returned 0; empty after one that returned 1.
    const perforex::CString& GetFailure() const;

    // Returns a complete machine format file for the latest program, with comments that say
    // where each value came from, naming drillFileName in its first comment. It proposes the AUTO
    // reading when the program uses anything only that reading takes, EXCELLON otherwise.
    perforex::CString SuggestMachineFormat(const perforex::CString& drillFileName) const;
    // Returns 1 when the latest program has an M48 header, 0 otherwise.
    int HasHeader() const;
    // Returns "AUTO" or "EXCELLON": the reading SuggestMachineFormat proposes.
    perforex::CString GetSuggestedDataType() const;
    // Returns one line for each statement of the latest program (unit, zero suppression, digit
    // pattern in or before its header) that the machine format text contradicts; none when the
    // format reads in AUTO, cannot be loaded, or the program states nothing it contradicts.
    std::vector<perforex::CString> CheckMachineFormat(
        const perforex::CString& machineFormatText) const;

  private:
    CFormatDetectorImpl* impl;
};
