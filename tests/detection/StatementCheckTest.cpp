#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "MessageCapture.h"
#include "RecordingHost.h"
#include "TempFolder.h"
#include "perforex/FormatDetector.h"

namespace {

// An older EAGLE program in 2,5 inch, six digits to most numbers: eight pins of T01 at a pitch of
// 0.1 in from X1.34569 in, and eight vias of T02 on a ring of 0.095 in (9500 units, 6718 on the
// diagonals) around the mounting hole of T03 at (3, 1) in.
const char kEagle[] =
    "M48\nM72\nT01C0.0400\nT02C0.0200\nT03C0.1260\n%\nT01\n"
    "X134569Y50000\nX144569Y50000\nX154569Y50000\nX164569Y50000\n"
    "X174569Y50000\nX184569Y50000\nX194569Y50000\nX204569Y50000\n"
    "T02\nX309500Y100000\nX306718Y106718\nX300000Y109500\nX293282Y106718\n"
    "X290500Y100000\nX293282Y93282\nX300000Y90500\nX306718Y93282\n"
    "T03\nX300000Y100000\nM30\n";

// INCH,LZ over numbers that keep their trailing zeros and drop their leading ones. Read with
// leading zeros written (2,4), X9131 is 91.31 in and X91320 91.32 in: the board would measure
// 76.31 in (Y from 15 to 91.31 in), 1938 mm; with one integer digit the two holes of T01 at
// 9.131 and 9.132 in would touch, and with none the row of T02 at 0.05 in would.
const char kSwappedZeros[] =
    "M48\nINCH,LZ\nT01C0.040\nT02C0.032\n%\nT01\n"
    "X77942Y9131\nX82942Y9131\nX87942Y9131\nX91320Y9131\nX9131Y9131\n"
    "T02\nX20000Y15000\nX20500Y15000\nX21000Y15000\nX21500Y15000\nM30\n";

// Ten holes of 0.04 in a row at 0.1 in, written in 2,4: the stated 2,5 would overlap them all.
const char kAltiumFileFormat[] =
    "M48\n;Layer_Color=9474304\n;FILE_FORMAT=2:5\nINCH,TZ\nT1F00S00C0.0400\n%\nT01\n"
    "X10000Y10000\nX11000Y10000\nX12000Y10000\nX13000Y10000\nX14000Y10000\n"
    "X15000Y10000\nX16000Y10000\nX17000Y10000\nX18000Y10000\nX19000Y10000\nM30\n";

struct Case {
    const char* name;
    std::string program;
    const char* stationInfo;  // the .dri beside the program; nullptr: none
    const char* format;       // the last lines of the detected machine format
    const char* evidence;     // one line of the evidence
    const char* firstHit;     // x, y and tool of the first hole read with the format, nm
};

// 134569 units of 0.00001 in are 34180526 nm (3418052.6 of 10 nm... exactly 134569 * 254);
// 50000 of them 12700000 nm. 7.7942 in is 197972680 nm and 0.9131 in 23192740 nm.
const Case kCases[] = {
    {"older EAGLE beside a .dri of 1/1000 inch", kEagle,
     "Drill File Info:\n\n Data Mode         : Absolute\n Units             : 1/1000 Inch\n",
     ".Unit IN\n.DataFormat 2,5\n.ZeroTruncation LEADING\n",
     "digits: 2,5: overrules the side file's 2,3, since X134569 on line 8 has 6 digits, more "
     "than 2,3 hold; 8 holes stand at a pitch of 0.1 in, 0.05 in or 1 mm from the nearest hole "
     "of their tool, far more than with 2,4",
     "34180526 12700000 1"},
    {"older EAGLE alone", kEagle, nullptr, ".Unit IN\n.DataFormat 2,5\n.ZeroTruncation LEADING\n",
     "digits: 2,5: 8 holes stand at a pitch of 0.1 in, 0.05 in or 1 mm from the nearest hole of "
     "their tool, far more than with 2,4",
     "34180526 12700000 1"},
    {"INCH,LZ over numbers without leading zeros", kSwappedZeros, nullptr,
     ".Unit IN\n.DataFormat 2,4\n.ZeroTruncation LEADING\n",
     "zero suppression: LEADING: overrules LZ on line 2, since with IN 2,4 TRAILING the board "
     "would measure 1938 mm, over 1 m; no number begins with 0 and their lengths vary from 4 "
     "to 5 digits",
     "197972680 23192740 1"},
    {"Altium ;FILE_FORMAT=2:5 over numbers in 2,4", kAltiumFileFormat, nullptr,
     ".Unit IN\n.DataFormat 2,4\n.ZeroTruncation LEADING\n",
     "digits: 2,4: overrules ;FILE_FORMAT=2:5 on line 3, since with IN 2,5 LEADING 10 of 10 "
     "holes would overlap the nearest hole of their tool; the usual for inch: the places of "
     "the holes allow them",
     "25400000 25400000 1"},
    // Statements the numbers fit stand, whatever the places show.
    {"KiCad 4, suppressed leading zeros",
     "M48\n;DRILL file {KiCad 4.0.7} date 05/01/2026 10:12:33\n;FORMAT={2:4/ absolute / inch / "
     "suppress leading zeros}\nFMAT,2\nINCH,TZ\nT1C0.040\n%\nG90\nG05\nT1\nX10000Y-10000\n"
     "X11000Y-10000\nX30000Y-20000\nT0\nM30\n",
     nullptr, ".Unit IN\n.DataFormat 2,4\n.ZeroTruncation LEADING\n",
     "zero suppression: LEADING, from TZ on line 5: trailing zeros are written",
     "25400000 -25400000 1"},
    {"KiCad 6, millimetres with points",
     "M48\n; DRILL file {KiCad 6.0.11} date 2026-01-05T10:12:33\n; FORMAT={-:-/ absolute / "
     "metric / decimal}\nFMAT,2\nMETRIC\nT1C0.800\n%\nG90\nG05\nT1\nX127.0Y-76.2\nT0\nM30\n",
     nullptr, ".Unit MM\n.DataFormat 3,3\n.ZeroTruncation LEADING\n",
     "unit: millimetre, from METRIC on line 5", "127000000 -76200000 1"},
    {"DipTrace, leading zeros written",
     "M48\nMETRIC,LZ,000.000\nT01C0.800\nT02C1.000\n%\nT01\nX012700Y025400\nX015240Y025400\n"
     "T02\nX050000Y040000\nM30\n",
     nullptr, ".Unit MM\n.DataFormat 3,3\n.ZeroTruncation TRAILING\n",
     "digits: 3,3, from 000.000 on line 2", "12700000 25400000 1"},
};

// Returns the first hole a read with the detected format gives, as the transcript writes it.
std::string FirstHit(const CFormatDetector& detector, const std::string& program) {
    RecordingHost host;
    MessageCapture capture;
    host.SetDrillMachineFormatText(detector.GetMachineFormatText());
    EXPECT_EQ(host.ReadMemory(capture.Stream(), program.data(), program.size(), "board.drd"), 1)
        << capture.Text();
    const std::size_t hit = host.transcript.find("hit ");
    return hit == std::string::npos
               ? std::string()
               : host.transcript.substr(hit + 4, host.transcript.find('\n', hit) - hit - 4);
}

TEST(StatementCheck, TakesAStatementTheNumbersFitAndOverrulesOneTheyRefute) {
    for (const Case& entry : kCases) {
        SCOPED_TRACE(entry.name);
        const TempFolder folder;
        if (entry.stationInfo != nullptr) {
            folder.Add("board.dri", entry.stationInfo);
        }
        CFormatDetector detector;
        ASSERT_EQ(detector.DetectMemory(entry.program.data(), entry.program.size(), "board.drd",
                                        folder.Path()),
                  1);
        const std::string text = detector.GetMachineFormatText().Str();
        EXPECT_NE(text.find(entry.format, text.rfind(".DataType AUTO")), std::string::npos) << text;
        std::string evidence;
        for (const CFormatEvidence& decision : detector.GetEvidence()) {
            evidence += decision.text.Str() + "\n";
        }
        EXPECT_NE(evidence.find(std::string(entry.evidence) + "\n"), std::string::npos) << evidence;
        EXPECT_EQ(FirstHit(detector, entry.program), entry.firstHit);
    }
}

}  // namespace
