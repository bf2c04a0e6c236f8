#include "detection/BuiltInFormat.h"

#include "detection/AutoFormatText.h"

const char* BuiltInFormat::Text() {
    return kAutoFormatText;
}

std::string BuiltInFormat::TextFor(const DrillFormat& format) {
    std::string text = kAutoFormatText;
    if (!text.empty() && text.back() != '\n') {
        text += '\n';
    }
    return text + "! Detected for the drill program, for what it does not state itself.\n" +
           ".DataType AUTO\n.Unit " + format.UnitName() + "\n.DataFormat " + format.DigitsText() +
           "\n.ZeroTruncation " + format.ZeroTruncationName() + "\n.StepMode " +
           format.StepModeName() + "\n" + format.OverruleLines();
}
