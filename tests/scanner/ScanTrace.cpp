#include "ScanTrace.h"

#include <charconv>

#include "MessageCapture.h"
#include "TempFile.h"
#include "scanner/DrillScanner.h"

namespace {

constexpr std::size_t kTokenLimit = 1 << 16;

std::string Shortest(double value) {
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, result.ptr);
}

std::string DescribeValue(const NCToken& token) {
    static const char kLetters[] = "??XYAIJR";
    return std::string(1, kLetters[token.type]) + " " + Shortest(token.value);
}

std::string Describe(const NCToken& token, const CDrillScanner& scanner) {
    std::string text;
    if (token.type == TOKEN_CODE) {
        text = "code " + std::to_string(token.code);
        if (token.code == CODE_G93) {
            text += " [" + token.text + "]";
        }
    } else if (token.type == TOKEN_TOOL) {
        text = "T " + std::to_string(token.toolNumber);
    } else {
        text = DescribeValue(token);
    }
    if (scanner.GetBlockEnd()) {
        text += " end";
    }
    if (!scanner.IsTokenValid()) {
        text += " invalid";
    }
    return text + " @" + std::to_string(scanner.GetLineNumber());
}

}  // namespace

ScanTrace::ScanTrace(const std::string& bytes, const CDrillMachineFormat& settings) {
    TempFile file(bytes, ".drl");
    MessageCapture capture;
    CDrillScanner scanner(file.Path(), settings, capture.Stream());
    NCToken token;
    // Bounded, so that a scanner that never ends fails its test instead of hanging it.
    while (tokens.size() < kTokenLimit && scanner.NextToken(token) != nullptr) {
        tokens.push_back(Describe(token, scanner));
        scanner.ResetBlockEnd();
        token.text.clear();
    }
    finalLine = scanner.GetLineNumber();
    endRepeats = scanner.NextToken(token) == nullptr;
    messages = capture.Text();
    toolLines = scanner.GetToolLines();
}

CDrillMachineFormat MakeFormat(int integerDigits, int decimalDigits, int zeroTruncation) {
    CDrillMachineFormat format;
    format.integerDigits = integerDigits;
    format.decimalDigits = decimalDigits;
    format.zeroTruncation = zeroTruncation;
    return format;
}
