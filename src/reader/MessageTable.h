#pragma once

#include <cstdio>

// Number of the last message of the reader's message table (ids run from 1).
constexpr int kLastMessageId = 27;

// Returns the text of message id exactly as stored, or nullptr for an id outside the table.
const char* MessageText(int id);

// Formats message id printf-style with the arguments, once, and writes the result verbatim to
// stream: a "%" brought in by an argument is printed as it is. Writes nothing to a null stream.
void WriteMessage(FILE* stream, int id, ...);
