#include "FormatSuggester.h"

#include <vector>

namespace {

// Returns text with control characters replaced, so that it cannot end a comment line early.
std::string Printable(const std::string& text) {
    std::string printable = text;
    for (char& character : printable) {
        if (static_cast<unsigned char>(character) < 0x20 || character == 0x7F) {
            character = '?';
        }
    }
    return printable;
}

}  // namespace

bool FormatSuggester::ReadProgram(FILE* drillFile) {
    return inference_.ReadProgram(drillFile);
}

const char* FormatSuggester::DataType() const {
    return inference_.AutoOnlyReasons().empty() ? "EXCELLON" : "AUTO";
}

std::string FormatSuggester::FormatFile(const std::string& drillFileName) const {
    std::vector<std::string> evidence;
    const DrillFormat format = inference_.Infer(DrillFormat(), sideFile_, evidence);
    std::string notes;
    if (sideFile_.Found()) {
        const DrillFormat side = sideFile_.ApplyTo(DrillFormat());
        notes += "! " + Printable(sideFile_.Path()) + ": " + side.UnitName() + " " +
                 side.DigitsText() + " " + side.ZeroTruncationName() + " " + side.StepModeName() +
                 " where the program states nothing else.\n";
    }
    for (const std::string& line : evidence) {
        notes += "! " + Printable(line) + "\n";
    }
    const std::vector<std::string>& autoOnly = inference_.AutoOnlyReasons();
    if (autoOnly.empty()) {
        notes += "! EXCELLON: the strict reading takes everything the program uses.\n";
    } else {
        std::string reasons;
        for (const std::string& reason : autoOnly) {
            reasons += (reasons.empty() ? "" : ", ") + reason;
        }
        notes += "! AUTO: only the AUTO reading takes " + Printable(reasons) + ".\n";
    }
    if (!inference_.CommandSet().empty()) {
        notes += "! FMAT," + Printable(inference_.CommandSet()) +
                 ": the command set; a machine format file has no setting for it.\n";
    }

    return ".FILETYPE DRILL_MACHINE_FILE\n"
           "! Suggested by perforex-dump from the drill program " +
           Printable(drillFileName) +
           ".\n"
           "! Check it against the drilling machine before relying on it.\n" +
           notes +
           ".VERSION \"QK2002.1\"\n"
           ".CREATOR \"perforex-dump --suggest-format\"\n"
           "\n"
           ".DataType " +
           DataType() +
           "\n"
           ".CharacterSet ASCII\n"
           ".Unit " +
           format.UnitName() + "\n.DataFormat " + format.DigitsText() + "\n.StepMode " +
           format.StepModeName() +
           "\n"
           ".DataMode MODAL\n"
           ".ZeroTruncation " +
           format.ZeroTruncationName() +
           "\n"
           ".SequenceNumbering OFF\n"
           ".Delimiter \"#\"\n"
           ".Comments ON\n"
           ".CommentStr \"; \"\n"
           ".ArcStyle RADIUS\n"
           ".RecordLength 0\n";
}
