#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "machineformat/DrillMachineFormat.h"

class CPerforexReader;

// Private state of one reader: the machine format file name, the machine format once loaded, the
// message stream of the latest read and the public object that receives the callbacks.
class CPerforexReaderImpl {
  public:
    explicit CPerforexReaderImpl(CPerforexReader* owner);
    // Copies everything but the owner, which stays the given one.
    CPerforexReaderImpl(const CPerforexReaderImpl& source, CPerforexReader* owner);
    CPerforexReaderImpl(const CPerforexReaderImpl&) = delete;
    CPerforexReaderImpl& operator=(const CPerforexReaderImpl&) = delete;

    int Read(FILE* messageStream, const std::string& drillFilePath);
    // Names the machine format file; a name other than the loaded format's discards that format,
    // so that the next read loads the named file.
    void SetMachineFormatFile(const std::string& path);
    // Takes over the file name and a copy of the loaded machine format of another reader.
    void CopyStateFrom(const CPerforexReaderImpl& source);

  private:
    // Loads the machine format file; returns false, keeping none, when it cannot be read or has
    // errors.
    bool LoadMachineFormat();
    // Runs the interpreter of the machine format's dialect over an openable drill file; returns
    // the result of the read.
    int Interpret(const std::string& drillFilePath);
    // Runs the interpreter with the given scanner over the drill file.
    template <class Scanner>
    int InterpretWith(const std::string& drillFilePath);

    std::string machineFormatFile;
    std::unique_ptr<CDrillMachineFormat> settings;
    CPerforexReader* owner;
    FILE* messageStream = nullptr;
};
