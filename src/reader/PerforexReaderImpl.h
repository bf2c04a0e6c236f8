#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "interpreter/ToolTable.h"
#include "machineformat/DrillMachineFormat.h"
#include "messages/MessageBatch.h"
#include "messages/MessageListener.h"
#include "perforex/ReaderMessage.h"
#include "scanner/DrillInput.h"

class CPerforexReader;

// Private state of one reader: where its machine format comes from (a file name or a text), the
// machine format once loaded, the message stream of the latest read and the public object that
// receives the callbacks and the messages as data.
class CPerforexReaderImpl final : private MessageListener {
  public:
    explicit CPerforexReaderImpl(CPerforexReader* owner);
    // Copies everything but the owner, which stays the given one.
    CPerforexReaderImpl(const CPerforexReaderImpl& source, CPerforexReader* owner);
    CPerforexReaderImpl(const CPerforexReaderImpl&) = delete;
    CPerforexReaderImpl& operator=(const CPerforexReaderImpl&) = delete;

    // Reads the program of input; returns the result of the read.
    int Read(FILE* messageStream, const DrillInput& input);
    // Names the machine format file; a name other than the loaded format's discards that format,
    // so that the next read loads the named file.
    void SetMachineFormatFile(const std::string& path);
    // Gives the machine format as a text; a text other than the loaded format's discards that
    // format, so that the next read loads the given text.
    void SetMachineFormatText(const std::string& text);
    // Takes over the machine format source, a copy of the loaded machine format and the tools'
    // plating of another reader.
    void CopyStateFrom(const CPerforexReaderImpl& source);
    // Returns the plating of tool in the latest read, PlatingUnknown for a tool not defined.
    int ToolPlating(int tool) const;
    // Notes that the owner's AddMessage is the one that ignores every message.
    void NoteHostIgnoresMessages();

  private:
    // Hands a message to the owner's AddMessage.
    void OnMessage(int id, int line, MessageKind kind, std::string_view text) override;
    // Makes source, read as a text when fromText, the machine format of the next read.
    void SetMachineFormatSource(const std::string& source, bool fromText);
    // Loads the machine format; returns false, keeping none, when it cannot be read or has
    // errors.
    bool LoadMachineFormat();
    // Runs the interpreter of the machine format's dialect over an openable program; returns
    // the result of the read.
    int Interpret(const DrillInput& input);
    // Runs the interpreter with the given scanner over the program, with a batch for its
    // messages that writes what it keeps by the end of the read.
    template <class Scanner>
    int InterpretWith(const DrillInput& input);
    template <class Scanner>
    int RunInterpreter(const DrillInput& input, MessageBatch& messageBatch);

    // A file path, or the machine format's text when machineFormatIsText.
    std::string machineFormatSource;
    bool machineFormatIsText = false;
    std::unique_ptr<CDrillMachineFormat> settings;
    CPerforexReader* owner;
    FILE* messageStream = nullptr;
    // The plating of each tool the latest read defined, filled as it delivers them.
    ToolPlatings platings;
    // The message being handed to the owner.
    CReaderMessage message;
    // The batch of the read in progress, nullptr between reads.
    MessageBatch* batch = nullptr;
    // True once the owner's AddMessage turned out not to be overridden; the owner's type never
    // changes, but a copy of this state may serve another owner and does not take it.
    bool hostIgnoresMessages = false;
};
