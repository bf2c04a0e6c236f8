#include "HeaderCheck.h"

#include <cstdio>

#include "DrillFormat.h"
#include "FormatInference.h"

std::vector<std::string> HeaderCheck::Contradictions(const std::string& drillFile,
                                                     const MachineFormatSettings& format) {
    std::vector<std::string> lines;
    FILE* file = std::fopen(drillFile.c_str(), "rb");
    if (file == nullptr) {
        return lines;
    }
    FormatInference program;
    program.ReadProgram(file);
    std::fclose(file);

    const int unit = program.StatedUnit();
    if ((unit == DrillFormat::kInch && format.unit == "MM") ||
        (unit == DrillFormat::kMillimetre && format.unit == "IN")) {
        lines.push_back(std::string("the header states ") +
                        (unit == DrillFormat::kInch ? "INCH" : "METRIC") +
                        " but the machine format has .Unit " + format.unit +
                        ": the numbers are 25.4 times off");
    }
    // LZ: leading zeros are written, so trailing ones are left out; TZ the other way round.
    const int zeros = program.StatedZeroTruncation();
    if (zeros >= 0) {
        DrillFormat stated;
        stated.zeroTruncation = zeros;
        const std::string truncation = stated.ZeroTruncationName();
        if (format.zeroTruncation != truncation) {
            lines.push_back(std::string("the header states ") +
                            (zeros == DrillFormat::kTrailing ? "LZ" : "TZ") + " (.ZeroTruncation " +
                            truncation + ") but the machine format has .ZeroTruncation " +
                            format.zeroTruncation);
        }
    }
    const int integerDigits = program.StatedIntegerDigits();
    const int decimalDigits = program.StatedDecimalDigits();
    if (integerDigits >= 0 &&
        (integerDigits != format.integerDigits || decimalDigits != format.decimalDigits)) {
        lines.push_back("the header states the digits " + std::to_string(integerDigits) + "," +
                        std::to_string(decimalDigits) + " but the machine format has .DataFormat " +
                        std::to_string(format.integerDigits) + "," +
                        std::to_string(format.decimalDigits));
    }
    return lines;
}
