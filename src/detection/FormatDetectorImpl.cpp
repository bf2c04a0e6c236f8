#include "detection/FormatDetectorImpl.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#include "detection/BuiltInFormat.h"
#include "detection/FormatSuggester.h"
#include "detection/HeaderCheck.h"
#include "machineformat/DrillMachineFormat.h"
#include "platform/NativeFile.h"
#include "platform/NativePath.h"

namespace {

std::string CannotRead(const std::string& path, int error) {
    return "cannot read " + path + ": " + std::generic_category().message(error);
}

}  // namespace

int CFormatDetectorImpl::DetectFile(const std::string& path) {
    Begin(FolderOf(path), path);
    // Opened here first, so that a file that cannot be read is said to be so, and why.
    std::unique_ptr<FILE, int (*)(FILE*)> file(NativeFile::OpenToRead(path), std::fclose);
    if (!file) {
        return Decide(CannotRead(path, errno));
    }
    file.reset();
    inference.Read(DrillInput(path));
    return Decide(inference.Content().Failure());
}

int CFormatDetectorImpl::DetectMemory(const char* data, std::size_t size, const std::string& name,
                                      const std::string& sideFileFolder) {
    Begin(sideFileFolder, name);
    inference.Read(DrillInput(data, data != nullptr ? size : 0, name));
    return Decide(inference.Content().Failure());
}

void CFormatDetectorImpl::Begin(const std::string& sideFileFolder, const std::string& name) {
    inference = FormatInference();
    sideFiles.Load(sideFileFolder, name);
}

int CFormatDetectorImpl::Decide(const std::string& failureReason) {
    const DrillFormat fallback = BuiltInFormat::Fallback();
    evidence.clear();
    for (const SideFiles::Found& file : sideFiles.Files()) {
        CFormatEvidence decision;
        decision.item = "fallback";
        decision.value = file.format.ApplyTo(fallback).Summary();
        decision.reason = "from " + file.path;
        decision.text = "fallback format " + decision.reason.Str() + ": " + decision.value.Str();
        evidence.push_back(decision);
    }
    const DrillFormat format = inference.Infer(fallback, sideFiles.Combined(), evidence);
    machineFormatText = BuiltInFormat::TextFor(format);
    failure = failureReason;
    return failureReason.empty() ? 1 : 0;
}

std::string CFormatDetectorImpl::FolderOf(const std::string& path) {
    const std::string folder = NativePath::FolderOf(path);
    return folder.empty() ? "." : folder;
}

std::string CFormatDetectorImpl::SuggestMachineFormat(const std::string& drillFileName) const {
    return FormatSuggester(inference, sideFiles, BuiltInFormat::Fallback())
        .FormatFile(drillFileName);
}

const char* CFormatDetectorImpl::SuggestedDataType() const {
    return FormatSuggester(inference, sideFiles, BuiltInFormat::Fallback()).DataType();
}

std::vector<CString> CFormatDetectorImpl::CheckMachineFormat(
    const std::string& machineFormatText) const {
    // The format's own diagnostics are no part of the check; they go to the null device.
    std::unique_ptr<FILE, int (*)(FILE*)> diagnostics(NativeFile::OpenNull(), std::fclose);
    CDrillMachineFormat settings;
    if (!diagnostics || settings.LoadText(diagnostics.get(), machineFormatText) != 0 ||
        settings.dataType == CDrillMachineFormat::AUTO) {
        return {};
    }
    DrillFormat format;
    format.unit = settings.unit;
    format.integerDigits = settings.integerDigits;
    format.decimalDigits = settings.decimalDigits;
    format.zeroTruncation = settings.zeroTruncation;
    format.stepMode = settings.stepMode;
    std::vector<CString> lines;
    for (const std::string& line : HeaderCheck::Contradictions(inference, format)) {
        lines.emplace_back(line);
    }
    return lines;
}
