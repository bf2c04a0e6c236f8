#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "machineformat/DrillMachineFormat.h"
#include "scanner/NCToken.h"

// Turns one drill program file into tokens, collecting tool definition lines on the way.
class CDrillScanner {
public:
    // Opens filePath and takes its own copy of settings; never fails (see IsOpen).
    CDrillScanner(const std::string& filePath, const CDrillMachineFormat& settings,
                  FILE* messageStream);
    ~CDrillScanner();
    CDrillScanner(const CDrillScanner&) = delete;
    CDrillScanner& operator=(const CDrillScanner&) = delete;

    // Fills token with the next token and returns its address, or nullptr at the end of input.
    NCToken* NextToken(NCToken& token);

    const std::string& GetFilePath() const;
    bool IsOpen() const;
    // False once the current NextToken call reported an error.
    bool IsTokenValid() const;
    // True when the last number ended its block; the interpreter resets it.
    bool GetBlockEnd() const;
    void ResetBlockEnd();
    int GetLineNumber() const;
    // Tool definition texts from the M48 header and from comment lines, in the order found.
    const std::vector<std::string>& GetToolLines() const;
    int GetStepMode() const;
    void SetStepMode(int stepMode);

    // The rest of the class (character source, header and number readers) is private.
};
