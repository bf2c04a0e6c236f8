#include "reader/PerforexReaderImpl.h"

#include "interpreter/DrillInterpreter.h"

CPerforexReaderImpl::CPerforexReaderImpl(CPerforexReader* owner) : owner(owner) {}

CPerforexReaderImpl::CPerforexReaderImpl(const CPerforexReaderImpl& source, CPerforexReader* owner)
    : owner(owner) {
    CopyStateFrom(source);
}

void CPerforexReaderImpl::CopyStateFrom(const CPerforexReaderImpl& source) {
    if (this == &source) {
        return;
    }
    machineFormatFile = source.machineFormatFile;
    settings = source.settings ? std::make_unique<CDrillMachineFormat>(*source.settings) : nullptr;
    messageStream = source.messageStream;
}

void CPerforexReaderImpl::SetMachineFormatFile(const std::string& path) {
    // A loaded format always came from the file named last.
    if (path != machineFormatFile) {
        settings.reset();
    }
    machineFormatFile = path;
}

int CPerforexReaderImpl::Read(FILE* stream, const std::string& drillFilePath) {
    messageStream = stream;
    // A null stream could never receive a message, so no read is attempted with one.
    if (messageStream == nullptr) {
        return 0;
    }
    if (!settings && !LoadMachineFormat()) {
        return 0;
    }
    return Interpret(drillFilePath);
}

bool CPerforexReaderImpl::LoadMachineFormat() {
    settings = std::make_unique<CDrillMachineFormat>();
    if (settings->Load(messageStream, machineFormatFile) != 0) {
        settings.reset();
        return false;
    }
    return true;
}

int CPerforexReaderImpl::Interpret(const std::string& drillFilePath) {
    if (settings->dataType == CDrillMachineFormat::AUTO) {
        return InterpretWith<CAutoScanner>(drillFilePath);
    }
    return InterpretWith<CDrillScanner>(drillFilePath);
}

template <class Scanner>
int CPerforexReaderImpl::InterpretWith(const std::string& drillFilePath) {
    CDrillInterpreter<Scanner> interpreter(owner, messageStream, *settings, drillFilePath);
    if (!interpreter.IsFileOpened()) {
        return 0;
    }
    return interpreter.Run() ? 1 : 0;
}
