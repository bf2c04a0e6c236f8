#include "ProgramSink.h"

#include "scanner/EbcdicTable.h"

namespace {

// Bytes collected before they are written out.
constexpr std::size_t kFlushSize = 1 << 16;

}  // namespace

ProgramSink::ProgramSink(FILE* file, bool ebcdic) : file(file), ebcdic(ebcdic) {
    pending.reserve(kFlushSize + 64);
}

ProgramSink::~ProgramSink() {
    Flush();
}

ProgramSink& ProgramSink::operator<<(const char* text) {
    for (; *text != '\0'; ++text) {
        Put(*text);
    }
    return *this;
}

ProgramSink& ProgramSink::operator<<(const std::string& text) {
    return *this << text.c_str();
}

ProgramSink& ProgramSink::operator<<(long long value) {
    return *this << std::to_string(value);
}

void ProgramSink::Put(char c) {
    pending.push_back(ebcdic ? static_cast<char>(kAsciiToEbcdic[c & 0x7F]) : c);
    if (pending.size() >= kFlushSize) {
        Flush();
    }
}

void ProgramSink::Flush() {
    std::fwrite(pending.data(), 1, pending.size(), file);
    pending.clear();
}
