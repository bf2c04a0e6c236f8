#include "MachineFormatProgram.h"

namespace {

// One repetition: every keyword that sets a field, with the default values.
constexpr const char* kBody[] = {
    ".DataType EXCELLON\n",      ".characterset ascii\n",
    ".Unit IN  ! inches\n",      ".DataFormat 3,3\n",
    ".STEPMODE ABSOLUTE\n",      ".DataMode (MODAL)\n",
    ".ZeroTruncation LEADING\n", ".SequenceNumbering OFF\n",
    ".Delimiter \"#\"\n",        ".Comments COMMENTS_ON\n",
    ".CommentStr \"; \"\n",      ".ArcStyle RADIUS\n",
    ".RecordLength 0\n",         "\n",
};
constexpr int kKeywordLinesPerBody = 13;

}  // namespace

MachineFormatProgram::MachineFormatProgram(int repetitions) : repetitions(repetitions) {}

void MachineFormatProgram::Write(FILE* file) const {
    std::fputs(
        ".FILETYPE DRILL_MACHINE_FILE\n.VERSION \"QK2002.1\"\n.CREATOR \"Larkspur "
        "Corporation\"\n\n",
        file);
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        std::fprintf(file, "! settings block %d\n", repetition);
        for (const char* line : kBody) {
            std::fputs(line, file);
        }
    }
}

long long MachineFormatProgram::KeywordLines() const {
    return 3 + static_cast<long long>(kKeywordLinesPerBody) * repetitions;
}
