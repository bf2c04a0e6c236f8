// Detects the format of fuzzed programs from memory. The first input byte chooses a side file
// beside the program (none, EAGLE's NAME.dri or Allegro's nc_param.txt) and the next one the
// length of its text, taken from the input; the rest is the program, read in place from the
// fuzzer's buffer. Stops the run when the detection breaks a promise: a result that disagrees with
// its failure, an evidence item whose text is not its parts, or a machine format text (detected or
// suggested) that does not load without errors.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "detection/BuiltInFormat.h"
#include "machineformat/DrillMachineFormat.h"
#include "perforex/FormatDetector.h"

namespace {

const char kProgramName[] = "program.drd";
const char* const kSideFileNames[] = {"program.dri", "nc_param.txt"};
const char kStrictFormat[] =
    ".FILETYPE DRILL_MACHINE_FILE\n.Unit IN\n.DataFormat 2,4\n.ZeroTruncation LEADING\n";

FILE* NullStream() {
    static FILE* stream = std::fopen("/dev/null", "w");
    return stream;
}

// A folder of this process in the temporary directory that holds at most one side file, removed
// when the object goes away.
class SideFileFolder {
  public:
    SideFileFolder() : path_("/tmp/perforex_fuzz_" + std::to_string(getpid()) + "_side") {
        mkdir(path_.c_str(), 0700);
    }
    ~SideFileFolder() {
        Clear();
        rmdir(path_.c_str());
    }
    SideFileFolder(const SideFileFolder&) = delete;
    SideFileFolder& operator=(const SideFileFolder&) = delete;

    // Leaves only the named side file with the text in the folder; false when it cannot be
    // written.
    bool Hold(const char* name, const std::string& text) const {
        Clear();
        FILE* file = std::fopen((path_ + "/" + name).c_str(), "wb");
        if (file == nullptr) {
            return false;
        }
        const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        return std::fclose(file) == 0 && written;
    }
    void Clear() const {
        for (const char* name : kSideFileNames) {
            std::remove((path_ + "/" + name).c_str());
        }
    }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// Aborts unless the text is a machine format that loads without an error.
void CheckLoads(const CString& text) {
    CDrillMachineFormat format;
    if (format.LoadText(NullStream(), text.Str()) != 0) {
        std::abort();
    }
}

void CheckEvidence(const CFormatEvidence& decision) {
    const std::string& text = decision.text.Str();
    const std::string& value = decision.value.Str();
    const std::string& reason = decision.reason.Str();
    const std::string head = decision.item.Str() + ": " + value;
    const bool asFallback = text == "fallback format " + reason + ": " + value;
    if (!asFallback && text != head + ", " + reason && text != head + ": " + reason) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const SideFileFolder folder;
    std::size_t offset = 0;
    const int choice = size > offset ? data[offset++] % 3 : 0;
    std::size_t sideLength = 0;
    if (choice != 0 && size > offset) {
        const std::size_t wanted = data[offset++];
        sideLength = std::min(wanted, size - offset);
    }
    const std::string sideText(reinterpret_cast<const char*>(data) + offset, sideLength);
    offset += sideLength;
    if (choice == 0) {
        folder.Clear();
    } else if (!folder.Hold(kSideFileNames[choice - 1], sideText)) {
        return 0;
    }

    CFormatDetector detector;
    const int result = detector.DetectMemory(reinterpret_cast<const char*>(data) + offset,
                                             size - offset, kProgramName, folder.Path());
    if ((result == 1) != detector.GetFailure().IsEmpty() || (result != 0 && result != 1) ||
        detector.GetEvidence().empty()) {
        std::abort();
    }
    for (const CFormatEvidence& decision : detector.GetEvidence()) {
        CheckEvidence(decision);
    }
    if (detector.GetMachineFormatText().Str().rfind(BuiltInFormat::Text(), 0) != 0) {
        std::abort();
    }
    CheckLoads(detector.GetMachineFormatText());
    CheckLoads(detector.SuggestMachineFormat("fuzz.drl"));
    if (detector.CheckMachineFormat(kStrictFormat).size() > 3) {
        std::abort();
    }
    return 0;
}
