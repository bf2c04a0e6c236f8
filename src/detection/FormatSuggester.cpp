#include "detection/FormatSuggester.h"

#include <vector>

namespace {

// Returns text with control characters and the byte 0xFF (the machine format parser's end of
// input) replaced, so that it cannot end a comment line early.
std::string Printable(const std::string& text) {
    std::string printable = text;
    for (char& character : printable) {
        const auto byte = static_cast<unsigned char>(character);
        if (byte < 0x20 || byte == 0x7F || byte == 0xFF) {
            character = '?';
        }
    }
    return printable;
}

}  // namespace

FormatSuggester::FormatSuggester(const FormatInference& program, const SideFiles& sideFiles,
                                 const DrillFormat& fallback)
    : program_(program), sideFiles_(sideFiles), fallback_(fallback) {}

const char* FormatSuggester::DataType() const {
    return program_.AutoOnlyReasons().empty() ? "EXCELLON" : "AUTO";
}

std::string FormatSuggester::FormatFile(const std::string& drillFileName) const {
    std::vector<CFormatEvidence> evidence;
    const DrillFormat format = program_.Infer(fallback_, sideFiles_.Combined(), evidence);
    std::string notes;
    for (const SideFiles::Found& file : sideFiles_.Files()) {
        notes += "! " + Printable(file.path) + ": " + file.format.ApplyTo(fallback_).Summary() +
                 " where the program states nothing else.\n";
    }
    for (const CFormatEvidence& decision : evidence) {
        notes += "! " + Printable(decision.text.Str()) + "\n";
    }
    const std::vector<std::string>& autoOnly = program_.AutoOnlyReasons();
    if (autoOnly.empty()) {
        notes += "! EXCELLON: the strict reading takes everything the program uses.\n";
    } else {
        std::string reasons;
        for (const std::string& reason : autoOnly) {
            reasons += (reasons.empty() ? "" : ", ") + reason;
        }
        notes += "! AUTO: only the AUTO reading takes " + Printable(reasons) + ".\n";
    }
    if (!program_.CommandSet().empty()) {
        notes += "! FMAT," + Printable(program_.CommandSet()) +
                 ": the command set; a machine format file has no setting for it.\n";
    }

    return ".FILETYPE DRILL_MACHINE_FILE\n"
           "! Suggested by PerforexReader's format detection from the drill program " +
           Printable(drillFileName) +
           ".\n"
           "! Check it against the drilling machine before relying on it.\n" +
           notes +
           ".VERSION \"QK2002.1\"\n"
           ".CREATOR \"PerforexReader format detection\"\n"
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
           ".RecordLength 0\n" +
           format.OverruleLines();
}
