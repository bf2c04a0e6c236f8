#include "FallbackFormatFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "MachineFormatSettings.h"

bool FallbackFormatFile::Load(const std::string& path, std::string& error) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = "cannot read machine format file '" + path + "': " + std::strerror(errno);
        return false;
    }
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text_.append(buffer, count);
    }
    std::fclose(file);
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
