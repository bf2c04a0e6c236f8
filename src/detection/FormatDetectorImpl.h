#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "detection/FormatInference.h"
#include "detection/SideFiles.h"
#include "perforex/FormatDetector.h"

// Private state of one detector: the latest program as the inference read it, its side files,
// and what the detection decided.
class CFormatDetectorImpl {
  public:
    int DetectFile(const std::string& path);
    int DetectMemory(const char* data, std::size_t size, const std::string& name,
                     const std::string& sideFileFolder);

    std::string SuggestMachineFormat(const std::string& drillFileName) const;
    const char* SuggestedDataType() const;
    std::vector<CString> CheckMachineFormat(const std::string& machineFormatText) const;
    bool HasHeader() const { return inference.HasHeader(); }

    CString machineFormatText;
    std::vector<CFormatEvidence> evidence;
    CString failure;

  private:
    // Forgets the latest program and reads the side files for the next.
    void Begin(const std::string& sideFileFolder, const std::string& name);
    // Decides the format of the program read, given why it cannot be a drill program (empty
    // when it can); returns 1 when there is no such reason.
    int Decide(const std::string& failureReason);
    // Returns the folder of a path, with its last separator, or "." for a bare file name.
    static std::string FolderOf(const std::string& path);

    FormatInference inference;
    SideFiles sideFiles;
};
