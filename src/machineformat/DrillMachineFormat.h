#pragma once

#include <string>

#include "messages/MessageOutput.h"

// How a drilling machine writes its programs: the in-memory image of a drill machine format file.
// Plain value type; the scanner and the interpreter each work on their own copy.
class CDrillMachineFormat {
  public:
    // Values of the coded fields, as the machine format file's constants store them.
    // AUTO reads what a program states about itself, with the rest of the record as its fallback.
    static constexpr int EXCELLON = 1, TRUDRILL = 2, GENERIC = 3, AUTO = 4;
    static constexpr int NON_MODAL = 0, MODAL = 1;
    static constexpr int ABSOLUTE = 1, INCREMENTAL = 2;
    static constexpr int NONE = 0, LEADING = 1, TRAILING = 2;
    static constexpr int ASCII = 1, EBCDIC = 2;
    static constexpr int QUADRANT = 1, RADIUS = 2;
    static constexpr int IN = 1, MM = 2;
    static constexpr double NANOMETRES_PER_INCH = 25400.0 * 1000.0;
    static constexpr double NANOMETRES_PER_MM = 1000.0 * 1000.0;

    // Reads the drill machine format file at path into this record. Returns 0 when it was read
    // without error, 1 when it could not be read, otherwise the number of errors found.
    int Load(MessageOutput messages, const std::string& path);
    // Reads the text of a drill machine format file into this record, as Load reads a file;
    // messages name it as kTextName.
    int LoadText(MessageOutput messages, const std::string& text);

    // Name that messages give a machine format read from a text.
    static constexpr const char* kTextName = "machine format text";
    // Returns the character that separates blocks: the first of the delimiter text as an
    // unsigned value, or 0 (its terminator) when the text is empty.
    int DelimiterCharacter() const {
        return delimiter.empty() ? 0 : static_cast<unsigned char>(delimiter[0]);
    }

    int dataType = EXCELLON;
    int dataMode = MODAL;
    int stepMode = ABSOLUTE;
    int zeroTruncation = LEADING;
    int characterSet = ASCII;
    int arcStyle = RADIUS;
    std::string delimiter = "#";
    std::string commentStr = "; ";
    int recordLength = 0;
    int sequenceNumbering = 0;
    int unit = IN;
    int integerDigits = 3;
    int decimalDigits = 3;
    int comments = 1;
    // The settings in which an AUTO read keeps these values over what the program states (its
    // numbers refute the statement): OVERRULE_ bits.
    static constexpr int OVERRULE_UNIT = 1, OVERRULE_ZEROTRUNCATION = 2, OVERRULE_DATAFORMAT = 4;
    int overruled = 0;
    double unitLength = NANOMETRES_PER_INCH;
};
