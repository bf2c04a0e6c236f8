#include "perforex/FormatDetector.h"

#include "detection/FormatDetectorImpl.h"

CFormatDetector::CFormatDetector() : impl(new CFormatDetectorImpl) {}

CFormatDetector::CFormatDetector(const CFormatDetector& other)
    : impl(new CFormatDetectorImpl(*other.impl)) {}

CFormatDetector& CFormatDetector::operator=(const CFormatDetector& other) {
    *impl = *other.impl;
    return *this;
}

CFormatDetector::~CFormatDetector() {
    delete impl;
}

int CFormatDetector::DetectFile(const CString& drillFilePath) {
    return impl->DetectFile(drillFilePath.Str());
}

int CFormatDetector::DetectMemory(const char* data, std::size_t size, const CString& name,
                                  const CString& sideFileFolder) {
    return impl->DetectMemory(data, size, name.Str(), sideFileFolder.Str());
}

const CString& CFormatDetector::GetMachineFormatText() const {
    return impl->machineFormatText;
}

const std::vector<CFormatEvidence>& CFormatDetector::GetEvidence() const {
    return impl->evidence;
}

const CString& CFormatDetector::GetFailure() const {
    return impl->failure;
}

CString CFormatDetector::SuggestMachineFormat(const CString& drillFileName) const {
    return impl->SuggestMachineFormat(drillFileName.Str());
}

int CFormatDetector::HasHeader() const {
    return impl->HasHeader() ? 1 : 0;
}

CString CFormatDetector::GetSuggestedDataType() const {
    return impl->SuggestedDataType();
}

std::vector<CString> CFormatDetector::CheckMachineFormat(const CString& machineFormatText) const {
    return impl->CheckMachineFormat(machineFormatText.Str());
}
