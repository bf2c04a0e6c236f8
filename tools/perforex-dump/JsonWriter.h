#pragma once

#include <cstdio>
#include <string>

#include "DumpSink.h"
#include "ReadFormat.h"

// Streams every callback of every drill file as one JSON document, each callback written as soon
// as it arrives; nothing is held in memory.
class JsonWriter : public DumpSink {
  public:
    // Writes the opening of the document, naming the machine format file every program is read
    // with; null when there is none (each is read with a format detected for it).
    JsonWriter(FILE* out, const std::string& machineFormatFile);
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    // Writes the end of the document.
    void Finish();
    // Sets the machine format the next drill file is read with.
    void UseFormat(const ReadFormat& format) { format_ = format; }

    void BeginFile(const std::string& path) override;
    void Tool(const ToolDefinition& tool) override;
    void Hit(int x, int y, int tool) override;
    void Contour(const CVbVrtxGeom& path, int tool) override;
    // Writes the message among the callbacks, where it arrived: as AddMessage.
    void Message(const CReaderMessage& message) override;
    void EndFile(const FileVerdict& verdict) override;
    void NotRead(const std::string& path, const std::string& reason) override;

    // Writes text as a JSON string literal: quotes, backslashes and control characters escaped,
    // valid UTF-8 kept, every byte that is not part of valid UTF-8 replaced by U+FFFD.
    static void WriteString(FILE* out, const std::string& text);

  private:
    // Starts the object of one drill file, with the separator its place needs.
    void BeginFileObject(const std::string& path);
    // Starts one callback object, with the separator its place needs.
    void BeginCallback(const char* name);
    // Writes the machine format of the file and the evidence of its detection.
    void WriteFormat();

    FILE* out_;
    ReadFormat format_;
    bool firstFile_ = true;
    bool firstCallback_ = true;
};
