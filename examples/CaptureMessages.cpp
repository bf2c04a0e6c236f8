// Captures the messages of a read as data and sorts them by how the read counted them. The text
// of a message does not always tell: "Warning: Tool definition not found ..." counts as an error.
#include <cstdio>
#include <vector>

#include "perforex/perforex.h"

namespace {

#ifdef _WIN32
const char kNullDevice[] = "NUL";
#else
const char kNullDevice[] = "/dev/null";
#endif

class MessageHost : public CPerforexReader {
  public:
    void AddContour(const CVbVrtxGeom&, int) override {}
    void AddHit(int, int, int) override {}
    void AddTool(int, int, int, int, int, double, int, int, int, int, int) override {}
    void AddMessage(const CReaderMessage& message) override { messages.push_back(message); }

    std::vector<CReaderMessage> messages;
};

const char* KindName(int kind) {
    return kind == CReaderMessage::Error ? "error" : "warning";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s MACHINE_FORMAT_FILE DRILL_FILE\n", argv[0]);
        return 2;
    }
    MessageHost host;
    host.SetDrillMachineFormatFile(argv[1]);
    // The stream still receives every message as text; this host keeps the data only.
    FILE* discarded = std::fopen(kNullDevice, "w");
    if (discarded == nullptr) {
        std::perror(kNullDevice);
        return 2;
    }
    const int result = host.Read(discarded, argv[2]);
    std::fclose(discarded);
    int errors = 0;
    int warnings = 0;
    int notes = 0;
    for (const CReaderMessage& message : host.messages) {
        errors += message.kind == CReaderMessage::Error;
        warnings += message.kind == CReaderMessage::Warning;
        // Notes are the totals and what the read did not count; this host leaves them out.
        if (message.kind == CReaderMessage::Neither) {
            ++notes;
            continue;
        }
        std::printf("line %d, %s %d: %s", message.line, KindName(message.kind), message.number,
                    message.text.GetString());
    }
    std::printf("result %d: %d errors, %d warnings, %d notes\n", result, errors, warnings, notes);
    return result == 1 ? 0 : 1;
}
