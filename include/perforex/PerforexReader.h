#pragma once

#include <cstddef>
#include <cstdio>

#include "perforex/CString.h"
#include "perforex/Export.h"
#include "perforex/ReaderMessage.h"

class CVbVrtxGeom;
class CPerforexReaderImpl;

// Reads Excellon-family drill and rout programs and hands every tool, hole and routed contour to
// the host through three callbacks. The host derives from this class and implements them.
class PERFOREX_API CPerforexReader {
  public:
    // Hole shape codes passed to AddTool.
    enum HoleType { Round = 0, Square = 1, Slot = 2, Rectangle = 3 };
    // Plating codes returned by GetToolPlating.
    enum Plating { PlatingUnknown = 0, Plated = 1, NonPlated = 2 };

    CPerforexReader();
    // Copies make a reader of their own, with their own copy of a loaded machine format.
    CPerforexReader(const CPerforexReader& other);
    CPerforexReader& operator=(const CPerforexReader& other);
    virtual ~CPerforexReader();

    // Receives one routed contour (a CVbPolyarcPath) that lives only during the call.
    virtual void AddContour(const CVbVrtxGeom& path, int tool) = 0;
    // Receives one drilled hole in nanometres; tool is -1 before any tool is selected.
    virtual void AddHit(int x, int y, int tool) = 0;
    // Receives one tool definition; sizes in nanometres, angle in degrees, the last five are 0.
    virtual void AddTool(int tool, int holeType, int diameter, int width, int height, double angle,
                         int, int, int, int, int) = 0;
    // Receives each message of a read as data, right after its text went to the message stream;
    // does nothing unless the host overrides it. While it is not overridden (an override that
    // calls it counts as none), texts may wait in pieces of up to 4 KiB, each one reaching the
    // stream before the next hit, tool or contour reaches the host, and all before Read returns.
    virtual void AddMessage(const CReaderMessage& message);

    // Reads one drill file; returns 1 for a read without error or warning, 0 otherwise. Every path
    // the library takes is UTF-8, on Windows too.
    int Read(FILE* messageStream, const perforex::CString& drillFilePath);
    // Reads the size bytes at data as a drill program, straight from the caller's buffer, which
    // must stay unchanged during the call; name stands for the file in messages. Gives the same
    // callbacks, messages and result as Read of a file holding those bytes.
    int ReadMemory(FILE* messageStream, const char* data, std::size_t size,
                   const perforex::CString& name);
    // Names the drill machine format file used by the first successful read; always returns 1.
    int SetDrillMachineFormatFile(const perforex::CString& path);
    // Gives the drill machine format as the text of a machine format file, loaded by the next
    // read as a file would be; a text other than the loaded format's discards that format.
    // Always returns 1.
    int SetDrillMachineFormatText(const perforex::CString& text);
    // Returns whether the holes of tool are plated (a Plating code), as the program states it at
    // the tool's latest definition: PLATED or NON_PLATED in the tool's own Allegro comment table
    // entry, a ;TYPE=PLATED or ;TYPE=NON_PLATED line before its group of definitions, KiCad's
    // TA.AperFunction or TF.FileFunction attribute before it, and where the program states
    // nothing, the file name (board-PTH.drl, board_NPTH.drl). Valid after a read and, during one,
    // from the tool's AddTool on; PlatingUnknown for a tool not defined.
    int GetToolPlating(int tool) const;

  private:
    CPerforexReaderImpl* impl;
};
