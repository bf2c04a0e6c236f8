#include "scanner/CoordinateReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "MessageCapture.h"
#include "ScanTrace.h"
#include "TempFile.h"
#include "scanner/DrillScanner.h"

namespace {

using Tokens = std::vector<std::string>;
constexpr int kLeading = CDrillMachineFormat::LEADING;
constexpr int kTrailing = CDrillMachineFormat::TRAILING;
constexpr int kNone = CDrillMachineFormat::NONE;

std::string Message23(int line) {
    return "Warning: data should not end with a zero in trailing zero case at line number " +
           std::to_string(line) + ", which may result in loss of data\n";
}
std::string Message24(const std::string& digits, int limit, int line) {
    return "Warning: Length of co-ordinate data " + digits +
           " is found to be greater than M+N length " + std::to_string(limit) + " at line number " +
           std::to_string(line) + " Which may cause loss of data\n";
}
std::string Message25(char letter, int line) {
    return "Error: Number expected after " + std::string(1, letter) + " at line number " +
           std::to_string(line) + "\n";
}

// One program line in format 2,4, read as "<text>\n" in each zero suppression mode.
struct ExampleRow {
    const char* text;
    const char* leading;
    const char* trailing;
    const char* none;
    bool tooLong;
    bool trailingZero;
};

TEST(CoordinateReader, ConvertsTheWorkedExamplesInEveryZeroSuppressionMode) {
    const ExampleRow rows[] = {
        {"X12345", "X 1.2345", "X 12.345", "X 1.2345", false, false},
        {"X123456", "X 12.3456", "X 12.3456", "X 12.3456", false, false},
        {"X5", "X 0.0005", "X 50", "X 0.0005", false, false},
        {"X-5", "X -0.0005", "X -50", "X -0.0005", false, false},
        {"X1234567", "X 123.4567", "X 123.4567", "X 123.4567", true, false},
        {"X120000", "X 12", "X 12", "X 12", false, true},
        {"R05", "R 5", "R 5", "R 5", false, false},
    };
    for (const ExampleRow& row : rows) {
        const std::pair<int, const char*> modes[] = {
            {kLeading, row.leading}, {kTrailing, row.trailing}, {kNone, row.none}};
        for (const auto& [mode, expected] : modes) {
            SCOPED_TRACE(std::string(row.text) + " in mode " + std::to_string(mode));
            const ScanTrace trace(std::string(row.text) + "\n", MakeFormat(2, 4, mode));
            EXPECT_EQ(trace.tokens, Tokens{std::string(expected) + " end @2"});
            std::string messages;
            if (row.tooLong) {
                messages += Message24(row.text + 1, 6, 2);
            }
            if (row.trailingZero && mode == kTrailing) {
                messages += Message23(2);
            }
            EXPECT_EQ(trace.messages, messages);
        }
    }
}

TEST(CoordinateReader, AlignsShortTrailingZeroTextsOnTheLeft) {
    // The space after the last X is dropped as the missing digit, so no block end follows.
    const ScanTrace trace("X5 X05 X005 X0 X10 X 0", MakeFormat(2, 4, kTrailing));
    EXPECT_EQ(trace.tokens, (Tokens{"X 50 end @1", "X 5 end @1", "X 0.5 end @1", "X 0 end @1",
                                    "X 10 end @1", "X 0 @1"}));
    EXPECT_EQ(trace.messages, Message23(1) + Message25('X', 1));
}

TEST(CoordinateReader, ReadsSignsBlockEndsAndMissingDigits) {
    const ScanTrace trace("R-3 X123Y1 X-\nX\nY5\nX+5#", MakeFormat(2, 4));
    EXPECT_EQ(trace.tokens, (Tokens{"R 3 end @1", "X 0.0123 @1", "Y 0.0001 end @1", "X 0 end @2",
                                    "X 0 @3", "Y 0.0005 end @4", "X 0.0005 end @4"}));
    EXPECT_EQ(trace.messages, Message25('X', 3) + Message25('X', 4));
}

TEST(CoordinateReader, AccumulatesIncrementalPositionsPerAxis) {
    CDrillMachineFormat format = MakeFormat(2, 4);
    format.stepMode = CDrillMachineFormat::INCREMENTAL;
    const ScanTrace trace("X10000X10000X-5000I-5000X0 Y10000J10000Y10000Y0A3A4", format);
    EXPECT_EQ(trace.tokens,
              (Tokens{"X 1 @1", "X 2 @1", "X 1.5 @1", "I -0.5 @1", "X 1.5 end @1", "Y 1 @1",
                      "J 1 @1", "Y 2 @1", "Y 2 @1", "A 0.0003 @1", "A 0.0007 @1"}));
}

TEST(CoordinateReader, AddsToTheLastAbsolutePositionOnceStepsTurnIncremental) {
    TempFile file("X10000\nX5000\nY5000\n");
    CDrillScanner scanner(file.Path(), MakeFormat(2, 4), nullptr);
    NCToken token;
    ASSERT_NE(scanner.NextToken(token), nullptr);
    EXPECT_EQ(token.value, 1.0);
    scanner.SetStepMode(CDrillMachineFormat::INCREMENTAL);
    EXPECT_EQ(scanner.GetStepMode(), CDrillMachineFormat::INCREMENTAL);
    ASSERT_NE(scanner.NextToken(token), nullptr);
    EXPECT_EQ(token.value, 1.5);
    ASSERT_NE(scanner.NextToken(token), nullptr);
    EXPECT_EQ(token.value, 0.5);
}

// A reader without input, for converting digit texts directly.
class Converter {
  public:
    explicit Converter(const CDrillMachineFormat& format)
        : format(format),
          source("/nonexistent/perforex/none.drl", false),
          classes('#'),
          reader(source, classes, this->format, nullptr) {}

    double Convert(const std::string& digits, int letter = 'I', int sign = 1) {
        return reader.ConvertCoordinate(digits, letter, sign);
    }

  private:
    CDrillMachineFormat format;
    CharacterSource source;
    CharacterClassTable classes;
    CoordinateReader reader;
};

TEST(CoordinateReader, DividesByTenToThePowerExactlyAsTheFormulaDoes) {
    for (const int digits : {3, 7, 12345}) {
        const std::string text = std::to_string(digits);
        for (int decimals = 0; decimals <= 30; ++decimals) {
            SCOPED_TRACE(text + " with decimals " + std::to_string(decimals));
            Converter leading(MakeFormat(2, decimals));
            EXPECT_EQ(leading.Convert(text), digits / std::pow(10.0, decimals));
            // Trailing zero suppression with more integer digits than the text has.
            const int integerDigits = static_cast<int>(text.size()) + decimals;
            Converter trailing(MakeFormat(integerDigits, 5, kTrailing));
            EXPECT_EQ(trailing.Convert(text), digits / std::pow(10.0, -decimals));
        }
    }
}

TEST(CoordinateReader, ConvertsDigitTextsBeyond32BitsWithoutOverflow) {
    Converter converter(MakeFormat(2, 4));
    EXPECT_EQ(converter.Convert("9999999999"), 999999.9999);
    EXPECT_EQ(converter.Convert("2147483648"), 214748.3648);
    EXPECT_EQ(converter.Convert("12345678901234567890123"), 1.2345678901234568e+18);
    EXPECT_EQ(converter.Convert("99999999999", 'R'), 2147483647.0);
    EXPECT_EQ(CoordinateReader::SaturatedValue("2147483647"), 2147483647);
    EXPECT_EQ(CoordinateReader::SaturatedValue("2147483648"), 2147483647);
    EXPECT_EQ(CoordinateReader::SaturatedValue(std::string(40, '9')), 2147483647);
}

TEST(CoordinateReader, KeepsZeroZeroWhateverTheFormat) {
    Converter converter(MakeFormat(400, 4, kTrailing));
    EXPECT_EQ(converter.Convert("0"), 0.0);
    EXPECT_EQ(converter.Convert(""), 0.0);
    const double negativeZero = converter.Convert("", 'I', -1);
    EXPECT_EQ(negativeZero, 0.0);
    EXPECT_FALSE(std::signbit(negativeZero));
}

TEST(CoordinateReader, WarnsAboutLongTextsWithTheWholeText) {
    const std::string digits(30, '7');
    const ScanTrace trace("X" + digits, MakeFormat(3, 3));
    EXPECT_EQ(trace.messages, Message24(digits, 6, 1));
}

}  // namespace
