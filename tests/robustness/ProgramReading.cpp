#include "ProgramReading.h"

#include "MessageCapture.h"
#include "TempFile.h"
#include "TranscriptHost.h"

const char kInchFormat24[] =
    ".FILETYPE DRILL_MACHINE_FILE\n"
    ".Unit IN\n"
    ".DataFormat 2,4\n"
    ".ZeroTruncation LEADING\n"
    ".StepMode ABSOLUTE\n"
    ".CharacterSet ASCII\n"
    ".Delimiter \"#\"\n";

ProgramReading ReadProgramAt(const std::string& path, const std::string& machineFormat) {
    const TempFile format(machineFormat, ".fmt");
    MessageCapture capture;
    TranscriptHost host;
    host.SetDrillMachineFormatFile(format.Path());
    ProgramReading reading;
    reading.result = host.Read(capture.Stream(), path);
    reading.messages = capture.Text();
    reading.transcript = host.transcript;
    reading.tools = host.tools;
    reading.hits = host.hits;
    reading.contours = host.contours;
    return reading;
}

ProgramReading ReadProgram(const std::string& program, const std::string& machineFormat) {
    const TempFile drill(program, ".drl");
    return ReadProgramAt(drill.Path(), machineFormat);
}

std::string Totals(int errors, int warnings) {
    return "\n The Total number of Errors: " + std::to_string(errors) +
           " Warnings:" + std::to_string(warnings) + " in parsing\n\n  ";
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

namespace {

std::string Coordinate(char letter, int value) {
    return letter + std::to_string(value);
}

}  // namespace

std::string GenerateBoard(int rows, int contours, int seed) {
    std::string text = "M48\nINCH,LZ\nT01C0.035\nT02C0.0200\nT03 Slot 0.1x0.05 R90\n%\n";
    for (int row = 0; row < rows; ++row) {
        text += row % 2 == 0 ? "T01\n" : "T02\n";
        for (int column = 0; column < 10; ++column) {
            text +=
                Coordinate('X', 1000 * column + seed) + Coordinate('Y', 700 * row + seed) + "\n";
        }
        text += "R4X500\n";
    }
    for (int contour = 0; contour < contours; ++contour) {
        const int x = 2000 * contour + seed;
        text += "T03\nG00" + Coordinate('X', x) + "Y0\nM15\n";
        text += "G01" + Coordinate('X', x + 1000) + "Y0\n";
        text += "G02" + Coordinate('X', x + 1000) + "Y2000A1000\n";
        text += "G03" + Coordinate('X', x) + "Y2000I500J0\n";
        text += "G01" + Coordinate('X', x) + "Y0\nM16\n";
    }
    return text + "M30\n";
}
