#include "scanner/CoordinateReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ScanTrace.h"
#include "TempFile.h"
#include "scanner/DrillScanner.h"

namespace {

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
            Converter trailing(MakeFormat(integerDigits, 5, CDrillMachineFormat::TRAILING));
            EXPECT_EQ(trailing.Convert(text), digits / std::pow(10.0, -decimals));
        }
    }
}

TEST(CoordinateReader, ConvertsDigitTextsBeyond32BitsWithoutOverflow) {
    Converter converter(MakeFormat(2, 4));
    EXPECT_EQ(converter.Convert("2147483648"), 214748.3648);
    EXPECT_EQ(converter.Convert("12345678901234567890123"), 1.2345678901234568e+18);
    EXPECT_EQ(converter.Convert("99999999999", 'R'), 2147483647.0);
    EXPECT_EQ(CoordinateReader::SaturatedValue("2147483647"), 2147483647);
    EXPECT_EQ(CoordinateReader::SaturatedValue(std::string(40, '9')), 2147483647);
}

TEST(CoordinateReader, KeepsZeroAPositiveZeroWhateverTheFormat) {
    Converter converter(MakeFormat(400, 4, CDrillMachineFormat::TRAILING));
    EXPECT_EQ(converter.Convert("0"), 0.0);
    const double negated = converter.Convert("", 'I', -1);
    EXPECT_EQ(negated, 0.0);
    EXPECT_FALSE(std::signbit(negated));
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

}  // namespace
