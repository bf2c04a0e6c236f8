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
    return impl->Read(messageStream, DrillInput(drillFilePath.Str()));
}

int CPerforexReader::ReadMemory(FILE* messageStream, const char* data, std::size_t size,
                                const CString& name) {
    // No bytes to read at a null address: the read is refused rather than taken as empty.
    if (data == nullptr && size > 0) {
        return 0;
    }
    return impl->Read(messageStream, DrillInput(data, size, name.Str()));
}

int CPerforexReader::SetDrillMachineFormatFile(const CString& path) {
    impl->SetMachineFormatFile(path.Str());
    return 1;
}

int CPerforexReader::SetDrillMachineFormatText(const CString& text) {
    impl->SetMachineFormatText(text.Str());
    return 1;
}

int CPerforexReader::GetToolPlating(int tool) const {
    return impl->ToolPlating(tool);
}

void CPerforexReader::AddMessage(const CReaderMessage&) {
    impl->NoteHostIgnoresMessages();
}
