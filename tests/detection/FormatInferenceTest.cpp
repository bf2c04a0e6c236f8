#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "detection/FormatInference.h"
#include "detection/FormatSuggester.h"
#include "detection/NcParamFile.h"

namespace {

struct Case {
    const char* program;
    const char* ncParam;   // nullptr: no nc_param.txt beside the program
    const char* format;    // unit, digits, zero suppression, steps
    const char* evidence;  // a line of the evidence; empty: the side file decided everything
    const char* autoOnly;  // part of the reasons for AUTO; empty: the strict reading takes it
};

// Programs in the styles of KiCad, Altium, EAGLE and Allegro, and header-less ones; with the
// fallback inch, 2,4, leading zeros left out.
const Case kCases[] = {
    {"M48\n; DRILL file {KiCad 7.0.10} date 2026-01-05\n; FORMAT={-:-/ absolute / inch / "
     "decimal}\nFMAT,2\nINCH\nT1C0.0120\nT2C0.0400\n%\nG90\nG05\nT1\nX1.2Y-0.85\nX1.3Y-0.85\n"
     "T2\nX2.0Y-1.5\nT0\nM30\n",
     nullptr, "IN 2,4 LEADING ABSOLUTE", "unit: inch, from INCH on line 5",
     "one-digit tool numbers (T1 on line 6)"},
    {"M48\nFMAT,2\nMETRIC\nT1C0.800\nT2C3.200\n%\nG90\nG05\nT1\nX125.73Y-80.01\nT2\n"
     "X140.0Y-95.5\nM30\n",
     nullptr, "MM 3,3 LEADING ABSOLUTE",
     "digits: 3,3, the usual for millimetre: no coordinate is written without a point",
     "decimal points in coordinates (X125.73 on line 10)"},
    {"M48\n;Layer_Color=9474304\n;FILE_FORMAT=2:5\nINCH,LZ\nT1F00S00C0.0280\nT2F00S00C0.0394\n"
     "%\nT01\nX01095Y0127\nX01195Y0127\nT02\nX02Y0127\nM30\n",
     nullptr, "IN 2,5 TRAILING ABSOLUTE", "digits: 2,5, from ;FILE_FORMAT=2:5 on line 3",
     "F or S before C in a tool definition (line 5)"},
    {"T01\nX01095Y0127\nX01195Y0127\nX02Y0127\nM30\n", nullptr, "IN 2,4 TRAILING ABSOLUTE",
     "zero suppression: TRAILING: X01095 on line 2 begins with 0, so leading zeros are written",
     "no M48 header (line 1)"},
    {"M48\nINCH,TZ\nT01C0.035\n%\nT01\nG00X0Y0\nG05\nX1000Y1000\nX1100\nX3000\nM30\n", nullptr,
     "IN 3,3 LEADING ABSOLUTE",
     "digits: 3,3: with 2,4 holes of T1 would stand 0.254 mm apart, under half their diameter "
     "of 0.889 mm",
     ""},
    {"%\nM48\nT01C0.8\nT02C3.0\n%\nM71\nT01\nX10000Y10000\nX12540Y10000\nT02\nX50000Y40000\n"
     "M30\n",
     nullptr, "MM 3,3 LEADING ABSOLUTE", "unit: millimetre, from M71 on line 6",
     "the unit codes M71 and M72 (line 6)"},
    {"M71\nG90\nT01C0.1\nX500Y500\nX2500Y1500\nM30\n", nullptr, "MM 4,2 LEADING ABSOLUTE",
     "digits: 4,2: with 3,3 the board would measure 2 mm, under 3 mm",
     "tool definitions in the body (T01 on line 3)"},
    {"M48\nT01C0.800\nT02C3.000\n%\nT01\nX010000Y005000\nX012540Y005000\nT02\nX003000Y003000\n"
     "X057000Y037000\nM30\n",
     nullptr, "MM 3,3 NONE ABSOLUTE",
     "unit: millimetre: the program states no unit, and no digits place its holes on a board in "
     "inches",
     ""},
    {"%\nT01\nX4000Y12000\nX8000Y12000\nM30\n",
     "FORMAT 2.4\nOUTPUT-UNITS METRIC\nINTEGER-PLACES 2\nDECIMAL-PLACES 4\n"
     "SUPPRESS-LEAD-ZEROES NO\nSUPPRESS-TRAIL-ZEROES NO\n",
     "MM 2,4 NONE ABSOLUTE", "", "no M48 header"},
    {"M48\nMETRIC,TZ\nT01C0.8\n%\nT01\nX100Y100\nX200Y100\nM30\n",
     "output-units english\r\nINTEGER-PLACES   2\r\nDECIMAL-PLACES 4\r\n"
     "SUPPRESS-TRAIL-ZEROES YES\r\nCOORDINATES INCREMENTAL\r\n",
     "MM 2,4 LEADING INCREMENTAL", "unit: millimetre, from METRIC on line 2", ""},
    // Blanks and lower case are read as the AUTO reading reads them.
    {"M48\nmetric, lz, 000.000\nT01 C0.8\n%\nT01\nX 010000 Y 005000\nX012540Y005000\nM30\n",
     nullptr, "MM 3,3 TRAILING ABSOLUTE", "digits: 3,3, from 000.000 on line 2",
     "spaces inside a block (line 6)"},
    // The offsets of a panel's copies and the centre of a routed circle are no holes: taken for
    // holes of T01, each would stand 0.0127 mm from another.
    {"M48\nINCH,TZ\nT01C0.035\n%\nM25\nT01\nX01000Y01000\nX21000Y01000\nM01\nM02X05Y00\n"
     "M02X10Y00\nM08\nG32X01005Y01000A0025\nM30\n",
     nullptr, "IN 2,4 LEADING ABSOLUTE",
     "digits: 2,4, the usual for inch: the places of the holes allow them",
     "the panel codes M25, M01, M02 and M08 (line 5)"},
    // A bare CR is seen where a line of coordinates follows it.
    {"M48\nINCH,TZ\nT01C0.035\n%\nT01\rX01000Y01000\nX21000Y01000\nM30\n", nullptr,
     "IN 2,4 LEADING ABSOLUTE", "unit: inch, from INCH on line 2",
     "lines ended by a bare CR (line 5)"},
    // The text after G93 is no coordinate to the reading, so none to the detection.
    {"M48\nMETRIC\nT01C0.8\n%\nG93X9999999Y1\nT01\nX10000Y10000\nX60000Y40000\nM30\n", nullptr,
     "MM 3,3 LEADING ABSOLUTE", "unit: millimetre, from METRIC on line 2", ""},
    {"M48\r\nINCH,TZ\r\nT01C0.035\r\n%\r\nT01\r\nX1000Y1000\r\nX2000Y1000\r\n;FILE_FORMAT=3:3\r\n"
     "M30\r\n",
     nullptr, "IN 3,3 LEADING ABSOLUTE", "digits: 3,3, from ;FILE_FORMAT=3:3 on line 8", ""},
    {"M72,LZ\nT01C0.035\nX05Y125\nX15Y125\nM30\n", nullptr, "IN 2,4 TRAILING ABSOLUTE",
     "zero suppression: TRAILING, from LZ on line 1: leading zeros are written",
     "the unit codes M71 and M72 (line 1)"},
    // 0.01 and 0.0101 of a whole unit: 2 integer digits make 0.254 mm of them.
    {"M72\nT01C0.035\nX01Y01\nX0101Y01\nM30\n", nullptr, "IN 4,2 TRAILING ABSOLUTE",
     "digits: 4,2: with 2,4 the board would measure 0.254 mm, under 3 mm",
     "no M48 header (line 3)"},
    // Steps of 0 and -1000 units of 0.0001 in: 2.54 mm; after G90 X1000 is a place: 5.08 mm.
    {"M72\nG91\nT01\nX0Y0\nX-1000Y0\nM30\n", nullptr, "IN 3,3 LEADING ABSOLUTE",
     "digits: 3,3: with 2,4 the board would measure 2.54 mm, under 3 mm", "no M48 header (line 2)"},
    {"M72\nG91\nT01\nX0Y0\nX-1000Y0\nG90\nX1000Y0\nM30\n", nullptr, "IN 2,4 LEADING ABSOLUTE",
     "digits: 2,4, the usual for inch: the places of the holes allow them",
     "no M48 header (line 2)"},
    // Holes of two tools 0.254 mm apart in 2,4 say nothing: only holes of one tool must not touch.
    {"M48\nINCH,TZ\nT01C0.035\nT02C0.035\n%\nT01\nX1000Y1000\nX9000Y1000\nT02\nX1100Y1000\n"
     "X9100Y1000\nM30\n",
     nullptr, "IN 2,4 LEADING ABSOLUTE",
     "digits: 2,4, the usual for inch: the places of the holes allow them", ""},
    // One hole has no size to rule digits out.
    {"T01\nX100Y100\nM30\n", nullptr, "IN 2,4 LEADING ABSOLUTE",
     "digits: 2,4, the usual for inch: the places of the holes allow them",
     "no M48 header (line 1)"},
};

const std::string& Text(const std::string& line) {
    return line;
}
const std::string& Text(const CFormatEvidence& decision) {
    return decision.text.Str();
}

template <class Item>
std::string Joined(const std::vector<Item>& items) {
    std::string joined;
    for (const Item& item : items) {
        joined += Text(item) + "\n";
    }
    return joined;
}

// --suggest-format proposes the same format, and AUTO with its reasons where they exist.
TEST(FormatInference, TakesWhatTheProgramStatesAndInfersTheRestItemByItem) {
    for (const Case& entry : kCases) {
        const std::string program = entry.program;
        SCOPED_TRACE(program);
        SideFiles sideFiles;
        if (entry.ncParam != nullptr) {
            NcParamFile ncParam;
            ncParam.Parse(entry.ncParam);
            sideFiles.Add(NcParamFile::kFileName, ncParam.Format());
        }
        FormatInference inference;
        inference.Read(DrillInput(program.data(), program.size(), "x.drl"));
        std::vector<CFormatEvidence> evidence;
        const DrillFormat format = inference.Infer(DrillFormat(), sideFiles.Combined(), evidence);
        const std::string lines = Joined(evidence), reasons = Joined(inference.AutoOnlyReasons());
        EXPECT_EQ(format.Summary(), entry.format);
        EXPECT_EQ(lines.empty(), *entry.evidence == '\0') << lines;
        EXPECT_NE((lines + "\n").find(std::string(entry.evidence) + "\n"), std::string::npos)
            << lines;
        EXPECT_EQ(reasons.empty(), *entry.autoOnly == '\0') << reasons;
        EXPECT_NE(reasons.find(entry.autoOnly), std::string::npos) << reasons;
        const std::string suggestion =
            FormatSuggester(inference, sideFiles, DrillFormat()).FormatFile("x.drl");
        EXPECT_NE(
            suggestion.find(std::string(".DataType ") + (reasons.empty() ? "EXCELLON" : "AUTO") +
                            "\n.CharacterSet ASCII\n.Unit " + format.UnitName() + "\n.DataFormat " +
                            format.DigitsText()),
            std::string::npos)
            << suggestion;
        EXPECT_NE(suggestion.find(entry.autoOnly), std::string::npos) << suggestion;
    }
}

// Of one tool only the first 100,000 holes count: the 100,001st, 0.0014 in from the first, would
// rule out 2,4 (holes of 0.035 in standing 0.036 mm apart).
TEST(FormatInference, OnlyTheFirst100000HolesOfAToolCount) {
    std::string program = "M48\nINCH,TZ\nT01C0.035\n%\nT01\n";
    for (int hole = 0; hole < 100000; ++hole) {
        program += "X" + std::to_string(10000 + hole % 320 * 200) + "Y" +
                   std::to_string(10000 + hole / 320 * 200) + "\n";
    }
    program += "X10010Y10010\nM30\n";
    FormatInference inference;
    inference.Read(DrillInput(program.data(), program.size(), "x.drl"));
    std::vector<CFormatEvidence> evidence;
    EXPECT_EQ(inference.Infer(DrillFormat(), SideFormat(), evidence).Summary(),
              "IN 2,4 LEADING ABSOLUTE");
}

}  // namespace
