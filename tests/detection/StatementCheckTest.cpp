#include <gtest/gtest.h>

#include <string>

#include "MessageCapture.h"
#include "RecordingHost.h"
#include "TempFolder.h"
#include "perforex/FormatDetector.h"

namespace {

// Older EAGLE in 2,5 inch: eight pins of T01 at 0.1 in from X1.34569 in, eight vias of T02 on a
// ring of 0.095 in (9500 units, 6718 on the diagonals) around the mounting hole T03 at (3, 1) in.
const char kEagle[] =
    "M48\nM72\nT01C0.0400\nT02C0.0200\nT03C0.1260\n%\nT01\nX134569Y50000\nX144569Y50000\n"
    "X154569Y50000\nX164569Y50000\nX174569Y50000\nX184569Y50000\nX194569Y50000\nX204569Y50000\n"
    "T02\nX309500Y100000\nX306718Y106718\nX300000Y109500\nX293282Y106718\nX290500Y100000\n"
    "X293282Y93282\nX300000Y90500\nX306718Y93282\nT03\nX300000Y100000\nM30\n";

struct Case {
    std::string program;
    const char* stationInfo;  // the .dri beside the program; nullptr: none
    const char* evidence;     // one line of the evidence
    const char* firstHit;     // x, y (nm) and tool of the first hole read with the format
};

// 134569 units of 0.00001 in are 134569 * 254 = 34180526 nm; 7.7942 in 197972680 nm.
const Case kCases[] = {
    {kEagle, " Units             : 1/1000 Inch\n",
     "digits: 2,5: overrules the side file's 2,3, since X134569 on line 8 has 6 digits, more "
     "than 2,3 hold; 8 holes stand at a pitch of 0.1 in, 0.05 in or 1 mm from the nearest hole "
     "of their tool, far more than with 2,4",
     "34180526 12700000 1"},
    {kEagle, nullptr,
     "digits: 2,5: 8 holes stand at a pitch of 0.1 in, 0.05 in or 1 mm from the nearest hole of "
     "their tool, far more than with 2,4",
     "34180526 12700000 1"},
    // INCH,LZ over numbers without leading zeros. With LZ in 2,4, X91320 is 91.32 in and Y from
    // 15 to 91.31 in spans 1938 mm; with one integer digit X9131 and X91320 stand 0.001 in apart,
    // with none the row of T02 0.005 in.
    {"M48\nINCH,LZ\nT01C0.040\nT02C0.032\n%\nT01\nX77942Y9131\nX82942Y9131\nX87942Y9131\n"
     "X91320Y9131\nX9131Y9131\nT02\nX20000Y15000\nX20500Y15000\nX21000Y15000\nX21500Y15000\nM30\n",
     nullptr,
     "zero suppression: LEADING: overrules LZ on line 2, since with IN 2,4 TRAILING the board "
     "would measure 1938 mm, over 1 m; no number begins with 0 and their lengths vary from 4 "
     "to 5 digits",
     "197972680 23192740 1"},
    // Altium's 2,5 over ten holes of 0.04 in at 0.1 in written in 2,4: 0.01 in apart in 2,5.
    {"M48\n;FILE_FORMAT=2:5\nINCH,TZ\nT1F00S00C0.0400\n%\nT01\nX10000Y10000\nX11000Y10000\n"
     "X12000Y10000\nX13000Y10000\nX14000Y10000\nX15000Y10000\nX16000Y10000\nX17000Y10000\n"
     "X18000Y10000\nX19000Y10000\nM30\n",
     nullptr,
     "digits: 2,4: overrules ;FILE_FORMAT=2:5 on line 2, since with IN 2,5 LEADING 10 of 10 "
     "holes would overlap the nearest hole of their tool; the usual for inch: the places of "
     "the holes allow them",
     "25400000 25400000 1"},
    // Statements the numbers fit stand.
    {"M48\n;FORMAT={2:4/ absolute / inch / suppress leading zeros}\nFMAT,2\nINCH,TZ\nT1C0.040\n"
     "%\nG90\nG05\nT1\nX10000Y-10000\nX11000Y-10000\nX30000Y-20000\nT0\nM30\n",
     nullptr, "zero suppression: LEADING, from TZ on line 4: trailing zeros are written",
     "25400000 -25400000 1"},
    {"M48\nMETRIC,LZ,000.000\nT01C0.800\nT02C1.000\n%\nT01\nX012700Y025400\nX015240Y025400\n"
     "T02\nX050000Y040000\nM30\n",
     nullptr, "digits: 3,3, from 000.000 on line 2", "12700000 25400000 1"},
};

// Older EAGLE, DipTrace, Altium and KiCad 4 styles.
TEST(StatementCheck, TakesAStatementTheNumbersFitAndOverrulesOneTheyRefute) {
    for (const Case& entry : kCases) {
        SCOPED_TRACE(entry.program);
        const TempFolder folder;
        if (entry.stationInfo != nullptr) {
            folder.Add("b.dri", entry.stationInfo);
        }
        CFormatDetector detector;
        const std::string& program = entry.program;
        ASSERT_EQ(detector.DetectMemory(program.data(), program.size(), "b.drd", folder.Path()), 1);
        std::string evidence;
        for (const CFormatEvidence& decision : detector.GetEvidence()) {
            evidence += decision.text.Str() + "\n";
        }
        EXPECT_NE(evidence.find(std::string(entry.evidence) + "\n"), std::string::npos) << evidence;
        RecordingHost host;
        MessageCapture capture;
        host.SetDrillMachineFormatText(detector.GetMachineFormatText());
        host.ReadMemory(capture.Stream(), program.data(), program.size(), "b.drd");
        const std::string& read = host.transcript;
        const std::size_t hit = read.find("hit ") + 4;
        EXPECT_EQ(read.substr(hit, read.find('\n', hit) - hit), entry.firstHit) << capture.Text();
    }
}

}  // namespace
