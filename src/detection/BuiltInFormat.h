#pragma once

#include <string>

#include "detection/DrillFormat.h"

// The built-in machine format for programs that describe themselves (the text of auto.fmt: the
// AUTO reading with inch, 2,4 and leading zeros left out as its fallback). A machine format chosen
// for one program is that text with the chosen settings after it, since a later keyword line wins.
class BuiltInFormat {
  public:
    // Returns the text of the built-in machine format.
    static const char* Text();
    // Returns the fallback the text holds for what a program does not state.
    static DrillFormat Fallback() { return DrillFormat(); }
    // Returns the machine format text that reads a program in AUTO with the given fallback.
    static std::string TextFor(const DrillFormat& format);
};
