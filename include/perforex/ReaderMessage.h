#pragma once

#include "perforex/CString.h"

// One message of a read as data: what the reader writes to the message stream, with its number,
// the line it names and how the read counted it.
struct CReaderMessage {
    // How the read counted the message.
    enum Kind { Neither = 0, Error = 1, Warning = 2 };

    // Number in the reader's message table; 0 for a diagnostic of the machine format parser.
    int number = 0;
    // Line of the drill program (of the machine format for a parser diagnostic) that the message
    // names; 0 when it names none.
    int line = 0;
    // One of Kind.
    int kind = Neither;
    // The text exactly as written to the message stream.
    perforex::CString text;
};
