#pragma once

#include <string>

// Writes coordinates the way a drilling machine with the format 2,4 does, in units of 0.0001.
class CoordinateText {
  public:
    // A position in units of 0.0001; the start of every program is the origin.
    struct Position {
        long long x = 0;
        long long y = 0;
    };

    // Returns the block that moves from written to target, naming only the coordinates that
    // change (X alone when none does): absolute with leading zeros suppressed, or incremental with
    // trailing zeros suppressed. Updates written to target.
    static std::string Block(Position& written, Position target, bool incremental);
    // Returns the absolute block that moves from written to target with decimal points, as CAD
    // tools write it (X12.3456Y7.89), naming only the coordinates that change. Updates written.
    static std::string DecimalBlock(Position& written, Position target);
    // Returns value in units of 0.0001 as a decimal number without trailing zeros ("12.5", "3.0").
    static std::string Decimal(long long value);
    // Returns value with leading zeros suppressed ("0" for zero).
    static std::string LeadingSuppressed(long long value);
    // Returns value as six digits with trailing zeros suppressed ("0" for zero).
    static std::string TrailingSuppressed(long long value);
    // Returns a number below 100 as two digits.
    static std::string TwoDigits(int value);
};
