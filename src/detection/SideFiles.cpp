#include "detection/SideFiles.h"

#include "detection/DrillStationInfoFile.h"
#include "detection/NcParamFile.h"
#include "detection/TextFile.h"
#include "platform/NativePath.h"

void SideFiles::Load(const std::string& folder, const std::string& programName) {
    files_.clear();
    if (folder.empty()) {
        return;
    }
    std::string text;
    const std::string ncParamPath = PathIn(folder, NcParamFile::kFileName);
    if (TextFile::Read(ncParamPath, text)) {
        NcParamFile file;
        file.Parse(text);
        Add(ncParamPath, file.Format());
    }
    const std::string stationInfoName = StationInfoName(programName);
    const std::string stationInfoPath = PathIn(folder, stationInfoName);
    text.clear();
    if (!stationInfoName.empty() && TextFile::Read(stationInfoPath, text)) {
        DrillStationInfoFile file;
        file.Parse(text);
        Add(stationInfoPath, file.Format());
    }
}

void SideFiles::Add(const std::string& path, const SideFormat& format) {
    files_.push_back({path, format});
}

SideFormat SideFiles::Combined() const {
    SideFormat combined;
    for (const Found& file : files_) {
        combined.Overlay(file.format);
    }
    return combined;
}

std::string SideFiles::PathIn(const std::string& folder, const std::string& name) {
    if (folder == ".") {
        return name;
    }
    return NativePath::Join(folder, name);
}

std::string SideFiles::StationInfoName(const std::string& programName) {
    const std::string base = NativePath::NameOf(programName);
    if (base.empty() || base == "." || base == "..") {
        return std::string();
    }
    const std::size_t dot = base.find_last_of('.');
    const std::string stem = dot == std::string::npos || dot == 0 ? base : base.substr(0, dot);
    const std::string name = stem + DrillStationInfoFile::kExtension;
    // A program named NAME.dri has no info file beside it but itself.
    return name == base ? std::string() : name;
}
