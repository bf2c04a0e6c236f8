#include "HitsProgram.h"

#include <random>
#include <string>

#include "CoordinateText.h"
#include "ProgramSink.h"

namespace {

// Panel size in units of 0.0001 inch.
constexpr long long kPanelWidth = 200000;
constexpr long long kPanelHeight = 180000;
// Longest row of holes that share one Y.
constexpr unsigned kLongestRow = 2;

}  // namespace

HitsProgram::HitsProgram(long long hits, int tools, Form form, bool ebcdic, std::uint32_t seed)
    : hits(hits), tools(tools), form(form), ebcdic(ebcdic), seed(seed) {}

void HitsProgram::WriteProgram(FILE* file) const {
    ProgramSink out(file, ebcdic);
    const bool decimal = form == Form::DecimalAuto;
    const char* const zeros[] = {",LZ", ",TZ", "", ",TZ", "", ",LZ"};
    if (form == Form::LeadingRefuted) {
        out << ";FILE_FORMAT=6:0\n";
    }
    out << "M48\nINCH" << zeros[static_cast<int>(form)] << "\n";
    for (int tool = 1; tool <= tools; ++tool) {
        out << "T" << ToolNumber(tool) << "C0.0" << (100 + tool * 10) << "\n";
    }
    out << "%\n";
    std::mt19937 random(seed);
    const bool incremental = form == Form::TrailingIncremental;
    CoordinateText::Position written;
    for (int tool = 1; tool <= tools; ++tool) {
        out << "T" << ToolNumber(tool) << "\n";
        long long remaining = hits / tools + (tool <= hits % tools ? 1 : 0);
        while (remaining > 0) {
            const long long y = random() % kPanelHeight;
            long long x = random() % kPanelWidth;
            for (unsigned row = 1 + random() % kLongestRow; row > 0 && remaining > 0; --row) {
                out << (decimal ? CoordinateText::DecimalBlock(written, {x, y})
                                : CoordinateText::Block(written, {x, y}, incremental))
                    << "\n";
                x += 100 + random() % 900;
                --remaining;
            }
        }
    }
    out << "M30\n";
}

void HitsProgram::WriteMachineFormat(FILE* file) const {
    const bool leading = form != Form::TrailingIncremental && form != Form::LeadingRefuted;
    const bool incremental = form == Form::TrailingIncremental;
    std::fprintf(file,
                 ".FILETYPE DRILL_MACHINE_FILE\n.DataType %s\n.CharacterSet %s\n.Unit IN\n"
                 ".DataFormat %s\n.ZeroTruncation %s\n.StepMode %s\n",
                 form == Form::DecimalAuto ? "AUTO" : "EXCELLON", ebcdic ? "EBCDIC" : "ASCII",
                 form == Form::LeadingRefuted ? "6,0" : "2,4", leading ? "LEADING" : "TRAILING",
                 incremental ? "INCREMENTAL" : "ABSOLUTE");
}

std::string HitsProgram::ToolNumber(int tool) const {
    return form == Form::DecimalAuto ? std::to_string(tool) : CoordinateText::TwoDigits(tool);
}

int HitsProgram::LineFeedByte() const {
    return ebcdic ? 0x25 : '\n';
}
