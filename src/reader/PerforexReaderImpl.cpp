#include "reader/PerforexReaderImpl.h"

#include "interpreter/DrillInterpreter.h"
#include "perforex/PerforexReader.h"

static_assert(static_cast<int>(CPerforexReader::PlatingUnknown) == PlatingStatements::kUnknown &&
                  static_cast<int>(CPerforexReader::Plated) == PlatingStatements::kPlated &&
                  static_cast<int>(CPerforexReader::NonPlated) == PlatingStatements::kNonPlated,
              "the reader hands on the plating codes of the statements");

CPerforexReaderImpl::CPerforexReaderImpl(CPerforexReader* owner) : owner(owner) {}

CPerforexReaderImpl::CPerforexReaderImpl(const CPerforexReaderImpl& source, CPerforexReader* owner)
    : owner(owner) {
    CopyStateFrom(source);
}

void CPerforexReaderImpl::CopyStateFrom(const CPerforexReaderImpl& source) {
    if (this == &source) {
        return;
    }
    machineFormatSource = source.machineFormatSource;
    machineFormatIsText = source.machineFormatIsText;
    settings = source.settings ? std::make_unique<CDrillMachineFormat>(*source.settings) : nullptr;
    messageStream = source.messageStream;
    platings = source.platings;
}

void CPerforexReaderImpl::SetMachineFormatFile(const std::string& path) {
    SetMachineFormatSource(path, false);
}

void CPerforexReaderImpl::SetMachineFormatText(const std::string& text) {
    SetMachineFormatSource(text, true);
}

void CPerforexReaderImpl::SetMachineFormatSource(const std::string& source, bool fromText) {
    // A loaded format always came from the source named last.
    if (source != machineFormatSource || fromText != machineFormatIsText) {
        settings.reset();
    }
    machineFormatSource = source;
    machineFormatIsText = fromText;
}

int CPerforexReaderImpl::Read(FILE* stream, const DrillInput& input) {
    platings.clear();
    messageStream = stream;
    // A null stream could never receive a message, so no read is attempted with one.
    if (messageStream == nullptr) {
        return 0;
    }
    if (!settings && !LoadMachineFormat()) {
        return 0;
    }
    return Interpret(input);
}

int CPerforexReaderImpl::ToolPlating(int tool) const {
    const auto entry = platings.find(tool);
    return entry != platings.end() ? entry->second : CPerforexReader::PlatingUnknown;
}

void CPerforexReaderImpl::OnMessage(int id, int line, MessageKind kind, std::string_view text) {
    // One message object for the whole read, whose text keeps its storage from message to
    // message: a program whose every block is an error would otherwise allocate per block.
    message.number = id;
    message.line = line;
    message.kind = static_cast<int>(kind);
    message.text.Assign(text.data(), text.size());
    owner->AddMessage(message);
    // Once the owner's AddMessage proved to be the one that ignores messages, no callback tells
    // when a text reached the stream, and the texts may wait for the next one.
    if (hostIgnoresMessages && batch != nullptr) {
        batch->Gather();
    }
}

void CPerforexReaderImpl::NoteHostIgnoresMessages() {
    hostIgnoresMessages = true;
}

bool CPerforexReaderImpl::LoadMachineFormat() {
    settings = std::make_unique<CDrillMachineFormat>();
    const MessageOutput messages(messageStream, this);
    const int errors = machineFormatIsText ? settings->LoadText(messages, machineFormatSource)
                                           : settings->Load(messages, machineFormatSource);
    if (errors != 0) {
        settings.reset();
        return false;
    }
    return true;
}

int CPerforexReaderImpl::Interpret(const DrillInput& input) {
    if (settings->dataType == CDrillMachineFormat::AUTO) {
        return InterpretWith<CAutoScanner>(input);
    }
    return InterpretWith<CDrillScanner>(input);
}

template <class Scanner>
int CPerforexReaderImpl::InterpretWith(const DrillInput& input) {
    MessageBatch messageBatch(messageStream);
    batch = &messageBatch;
    int result = 0;
    try {
        result = RunInterpreter<Scanner>(input, messageBatch);
    } catch (...) {
        // A callback threw: the batch ends with this read, before any later message.
        batch = nullptr;
        throw;
    }
    batch = nullptr;
    return result;
}

template <class Scanner>
int CPerforexReaderImpl::RunInterpreter(const DrillInput& input, MessageBatch& messageBatch) {
    CDrillInterpreter<Scanner> interpreter(owner, MessageOutput(messageStream, this, &messageBatch),
                                           *settings, input, platings);
    if (!interpreter.IsFileOpened()) {
        return 0;
    }
    return interpreter.Run() ? 1 : 0;
}
