#include "perforex/PerforexReader.h"

#include "reader/PerforexReaderImpl.h"

CPerforexReader::CPerforexReader() : impl(new CPerforexReaderImpl(this)) {}

CPerforexReader::CPerforexReader(const CPerforexReader& other)
    : impl(new CPerforexReaderImpl(*other.impl, this)) {}

CPerforexReader& CPerforexReader::operator=(const CPerforexReader& other) {
    impl->CopyStateFrom(*other.impl);
    return *this;
}

CPerforexReader::~CPerforexReader() {
    delete impl;
}

int CPerforexReader::Read(FILE* messageStream, const CString& drillFilePath) {
    return impl->Read(messageStream, drillFilePath.Str());
}

int CPerforexReader::SetDrillMachineFormatFile(const CString& path) {
    impl->SetMachineFormatFile(path.Str());
    return 1;
}

void CPerforexReader::AddMessage(const CReaderMessage&) {}
