#include "HeaderCheck.h"

#include <cstdio>

#include "FormatSuggester.h"

std::vector<std::string> HeaderCheck::Contradictions(const std::string& drillFile,
                                                     const MachineFormatSettings& format) {
    std::vector<std::string> lines;
    FILE* file = std::fopen(drillFile.c_str(), "r");
    if (file == nullptr) {
        return lines;
    }
    FormatSuggester header;
    header.ReadHeader(file);
    std::fclose(file);

    const int unit = header.StatedUnit();
    if ((unit == 1 && format.unit == "MM") || (unit == 2 && format.unit == "IN")) {
        lines.push_back(std::string("the header states ") + (unit == 1 ? "INCH" : "METRIC") +
                        " but the machine format has .Unit " + format.unit +
                        ": the numbers are 25.4 times off");
    }
    // LZ: leading zeros are written, so trailing ones are left out; TZ the other way round.
    const std::string& zeros = header.StatedZeros();
    const char* truncation = zeros == "LZ" ? "TRAILING" : "LEADING";
    if (!zeros.empty() && format.zeroTruncation != truncation) {
        lines.push_back("the header states " + zeros + " (.ZeroTruncation " + truncation +
                        ") but the machine format has .ZeroTruncation " + format.zeroTruncation);
    }
    const int integerDigits = header.StatedIntegerDigits();
    const int decimalDigits = header.StatedDecimalDigits();
    if (integerDigits >= 0 &&
        (integerDigits != format.integerDigits || decimalDigits != format.decimalDigits)) {
        lines.push_back("the header states the digits " + std::to_string(integerDigits) + "," +
                        std::to_string(decimalDigits) + " but the machine format has .DataFormat " +
                        std::to_string(format.integerDigits) + "," +
                        std::to_string(format.decimalDigits));
    }
    return lines;
}
