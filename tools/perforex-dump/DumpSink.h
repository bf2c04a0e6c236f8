#pragma once

#include <string>

#include "FileVerdict.h"
#include "ToolDefinition.h"

class CVbVrtxGeom;
struct CReaderMessage;

// Receives what the reader delivers for each drill file, in the order it delivers it.
class DumpSink {
  public:
    virtual ~DumpSink() = default;

    // Starts the callbacks of one drill file.
    virtual void BeginFile(const std::string& path) = 0;
    virtual void Tool(const ToolDefinition& tool) = 0;
    virtual void Hit(int x, int y, int tool) = 0;
    // Receives a contour that lives only during the call.
    virtual void Contour(const CVbVrtxGeom& path, int tool) = 0;
    // Receives a message of the reader as data; a sink that shows no messages ignores it.
    virtual void Message(const CReaderMessage&) {}
    // Ends the drill file with how its reading went.
    virtual void EndFile(const FileVerdict& verdict) = 0;
    // Tells of a drill file that could not be read, instead of BeginFile ... EndFile.
    virtual void NotRead(const std::string& path, const std::string& reason) = 0;
};
