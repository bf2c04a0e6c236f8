#include "detection/HeaderCheck.h"

std::vector<std::string> HeaderCheck::Contradictions(const FormatInference& program,
                                                     const DrillFormat& format) {
    std::vector<std::string> lines;
    const int unit = program.StatedUnit();
    if (unit != 0 && unit != format.unit) {
        lines.push_back(std::string("the header states ") +
                        (unit == DrillFormat::kInch ? "INCH" : "METRIC") +
                        " but the machine format has .Unit " + format.UnitName() +
                        ": the numbers are 25.4 times off");
    }
    // LZ: leading zeros are written, so trailing ones are left out; TZ the other way round.
    const int zeros = program.StatedZeroTruncation();
    if (zeros >= 0) {
        DrillFormat stated;
        stated.zeroTruncation = zeros;
        if (zeros != format.zeroTruncation) {
            lines.push_back(std::string("the header states ") +
                            (zeros == DrillFormat::kTrailing ? "LZ" : "TZ") + " (.ZeroTruncation " +
                            stated.ZeroTruncationName() +
                            ") but the machine format has .ZeroTruncation " +
                            format.ZeroTruncationName());
        }
    }
    const int integerDigits = program.StatedIntegerDigits();
    const int decimalDigits = program.StatedDecimalDigits();
    if (integerDigits >= 0 &&
        (integerDigits != format.integerDigits || decimalDigits != format.decimalDigits)) {
        lines.push_back("the header states the digits " + std::to_string(integerDigits) + "," +
                        std::to_string(decimalDigits) + " but the machine format has .DataFormat " +
                        format.DigitsText());
    }
    return lines;
}
