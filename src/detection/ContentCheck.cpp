#include "detection/ContentCheck.h"

namespace {

// Control characters that text files hold: tab, vertical tab and form feed (line ends never reach
// a line).
bool IsBinaryControl(unsigned char byte) {
    return (byte < 0x20 && byte != '\t' && byte != '\v' && byte != '\f') || byte == 0x7F;
}

}  // namespace

void ContentCheck::TakeLine(std::string_view line, int lineNumber) {
    // The line end counts as one byte of text.
    ++bytes_;
    TakeText(line, lineNumber);
    if (gerberLine_ == 0 && line.size() >= 3 &&
        (line.substr(0, 3) == "%FS" || line.substr(0, 3) == "%MO")) {
        gerberLine_ = lineNumber;
        gerberParameter_ = std::string(line.substr(0, 3));
    }
}

void ContentCheck::TakeText(std::string_view text, int lineNumber) {
    bytes_ += static_cast<long long>(text.size());
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (IsBinaryControl(byte)) {
            ++controls_;
            if (byte == 0 && nulLine_ == 0) {
                nulLine_ = lineNumber;
            }
        }
    }
}

std::string ContentCheck::Failure() const {
    if (bytes_ == 0) {
        return endByteLine_ == 0 ? "the program is empty"
                                 : "binary data, no drill program: a byte 0xFF on line " +
                                       std::to_string(endByteLine_);
    }
    if (nulLine_ != 0) {
        return "binary data, no drill program: a NUL byte on line " + std::to_string(nulLine_);
    }
    if (controls_ * kControlShare > bytes_) {
        return "binary data, no drill program: " + std::to_string(controls_) + " of its " +
               std::to_string(bytes_) + " bytes are control characters";
    }
    if (gerberLine_ != 0) {
        return "a Gerber file, no drill program: " + gerberParameter_ + " on line " +
               std::to_string(gerberLine_);
    }
    return std::string();
}
