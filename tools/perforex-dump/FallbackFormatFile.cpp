#include "FallbackFormatFile.h"

#include <cerrno>
#include <cstring>

#include "MachineFormatSettings.h"
#include "TextFile.h"

bool FallbackFormatFile::Load(const std::string& path, std::string& error) {
    if (!TextFile::Read(path, text_)) {
        error = "cannot read machine format file '" + path + "': " + std::strerror(errno);
        return false;
    }
    MachineFormatSettings settings;
    settings.ReadText(text_);
    fallback_ = settings.format;
    return true;
}

std::string FallbackFormatFile::TextFor(const DrillFormat& format) const {
    std::string text = text_;
    if (!text.empty() && text.back() != '\n') {
        text += '\n';
    }
    return text +
           "! The fallback perforex-dump chose for the drill program.\n.DataType AUTO\n.Unit " +
           format.UnitName() + "\n.DataFormat " + format.DigitsText() + "\n.ZeroTruncation " +
           format.ZeroTruncationName() + "\n.StepMode " + format.StepModeName() + "\n";
}
