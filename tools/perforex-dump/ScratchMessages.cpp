#include "ScratchMessages.h"

#include "platform/NativeFile.h"

bool ScratchMessages::Open() {
    file_.reset(NativeFile::OpenScratch());
    return file_ != nullptr;
}

std::string ScratchMessages::Capture(const std::function<int(FILE*)>& read, int& result) {
    FILE* scratch = file_.get();
    std::rewind(scratch);
    result = read(scratch);
    // The stream is reused, so only what this read wrote, up to where it left off, is its own.
    const long end = std::ftell(scratch);
    std::string text(end > 0 ? static_cast<std::size_t>(end) : 0, '\0');
    std::rewind(scratch);
    text.resize(std::fread(&text[0], 1, text.size(), scratch));
    return text;
}
