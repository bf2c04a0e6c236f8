#pragma once

#include <string>
#include <vector>

// How the reading of one drill file went: the reader's result, the error and warning lines it
// wrote, and the warnings of perforex-dump's own checks.
struct FileVerdict {
    int result = 0;
    int errors = 0;
    int warnings = 0;
    int messages = 0;
    std::vector<std::string> checks;

    // Returns the verdict line, e.g. "result: 0 (2 errors, 1 warning in 3 messages)".
    std::string Text() const;
};
