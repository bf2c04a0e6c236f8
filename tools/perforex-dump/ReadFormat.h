#pragma once

#include <string>
#include <vector>

#include "perforex/FormatDetector.h"

// The machine format one drill file is read with: the file given with -f, or the text the
// format detection decided, with its evidence.
struct ReadFormat {
    // The machine format file; empty when text is used.
    std::string file;
    std::string text;
    std::vector<CFormatEvidence> evidence;
};
