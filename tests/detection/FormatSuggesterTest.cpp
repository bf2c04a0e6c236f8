#include <gtest/gtest.h>

#include <string>

#include "MessageCapture.h"
#include "detection/FormatSuggester.h"
#include "machineformat/DrillMachineFormat.h"

namespace {

struct Case {
    const char* program;
    bool found;
    const char* unit;
    const char* dataFormat;
    const char* zeroTruncation;
    const char* stepMode;
};

// LZ keeps leading zeros, so trailing ones are left out; TZ the other way round.
const Case kCases[] = {
    {"M48\nINCH,LZ\nT01C0.035\n%\n", true, "IN", "2,4", "TRAILING", "ABSOLUTE"},
    {"M48\nINCH,TZ,000.000\n%\n", true, "IN", "3,3", "LEADING", "ABSOLUTE"},
    {"M48\r\nmetric,tz,000.00\r\nICI,ON\r\nFMAT,2\r\n%\r\n", true, "MM", "3,2", "LEADING",
     "INCREMENTAL"},
    {";comment\nM48\nMETRIC\nICI,OFF\nM95\nINCH,LZ\n", true, "MM", "3,3", "LEADING", "ABSOLUTE"},
    {"M48\n%\nMETRIC,LZ\n", true, "IN", "2,4", "LEADING", "ABSOLUTE"},
    {"M48\nINCH,LZ,0.0.0\nINCH,LZ,00.\nINCH,0..00\n%\n", true, "IN", "2,4", "TRAILING", "ABSOLUTE"},
    {"T01\nX100Y100\nM30\n", false, "IN", "2,4", "LEADING", "ABSOLUTE"},
    // Only ICI,OFF is absolute; ;FILE_FORMAT is read in capitals only, with 1 or 2 digits a side.
    {"M48\nINCH\n;file_format=3:3\nICI\n%\n", true, "IN", "2,4", "LEADING", "INCREMENTAL"},
    {"M48\n; FILE_FORMAT = 2:10\nMETRIC\nICI,1\n%\n", true, "MM", "2,10", "LEADING", "INCREMENTAL"},
    {"M48\nFMAT,2\xff.Unit MM\n%\nT1\nX1Y1\nM30\n", true, "IN", "2,4", "LEADING", "ABSOLUTE"},
};

// Every suggestion loads without an error: the machine format parser ends a comment at a byte 0xFF
// and would read what follows it as keywords.
TEST(FormatSuggester, MatchesTheHeaderDirectivesAndLoads) {
    for (const Case& entry : kCases) {
        const std::string program = entry.program;
        FormatInference inference;
        inference.Read(DrillInput(program.data(), program.size(), "x.drl"));
        EXPECT_EQ(inference.HasHeader(), entry.found) << entry.program;
        const SideFiles none;
        const std::string format =
            FormatSuggester(inference, none, DrillFormat()).FormatFile("x.drl");
        for (const std::string& line :
             {std::string(".Unit ") + entry.unit, std::string(".DataFormat ") + entry.dataFormat,
              std::string(".ZeroTruncation ") + entry.zeroTruncation,
              std::string(".StepMode ") + entry.stepMode}) {
            EXPECT_NE(format.find("\n" + line + "\n"), format.npos)
                << entry.program << line << format;
        }
        MessageCapture capture;
        CDrillMachineFormat suggested;
        EXPECT_EQ(suggested.LoadText(capture.Stream(), format), 0) << capture.Text();
    }
}

}  // namespace
