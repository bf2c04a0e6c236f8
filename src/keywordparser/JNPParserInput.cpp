#include "keywordparser/JNPParserInput.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "keywordparser/JNPKeyedHeader.h"
#include "platform/NativeFile.h"

namespace {

const char kReadFailure[] = "\nError: while trying to read parser input file (%s).\n";
const char kCorruptAdvice[] = "(check for bad or corrupted file)\n\n";
const char kAllocationFailure[] = "\nError: on allocating memory for parser input file (%s).\n";
const char kNoMemoryAdvice[] = "(check for sufficient memory on system)\n\n";

}  // namespace

JNPResultCode JNPParserInput::LoadFile(const char* path, JNPMessageSink& sink) {
    file = NativeFile::OpenToRead(path);
    // A directory has no text to read, whatever size it tells.
    if (file == nullptr && errno == EISDIR) {
        return Fail(sink, kReadFailure, kCorruptAdvice, path, JNP_FILE_ERROR);
    }
    if (file == nullptr) {
        return Fail(sink, "\nError: on opening parser input file (%s) for reading.\n",
                    "(check for a file or directory permission problem)\n\n", path, JNP_FILE_ERROR);
    }
    const NativeFile::Status status = NativeFile::StatusOf(path);
    if (status.kind == NativeFile::Kind::kNone || status.size < 0) {
        return Fail(sink, "\nError: while trying to get size of parser input file (%s).\n",
                    kCorruptAdvice, path, JNP_FILE_ERROR);
    }
    size = static_cast<std::size_t>(status.size);
    text.reset(new (std::nothrow) char[size]);
    if (text == nullptr) {
        return Fail(sink, kAllocationFailure, kNoMemoryAdvice, path, JNP_NO_MEMORY);
    }
    if (std::fread(text.get(), 1, size, file) != size || std::ferror(file) != 0) {
        return Fail(sink, kReadFailure, kCorruptAdvice, path, JNP_FILE_ERROR);
    }
    if (std::fgetc(file) != EOF) {
        return Fail(sink, "\nError: while trying to read last byte in parser input file (%s).\n",
                    kCorruptAdvice, path, JNP_FILE_ERROR);
    }
    return DecodeKeyed(path, sink);
}

JNPResultCode JNPParserInput::DecodeKeyed(const char* path, JNPMessageSink& sink) {
    const JNPKeyedHeader header(text.get(), size);
    if (!header.IsKeyed()) {
        return JNP_SUCCESS;
    }
    if (!header.FitsFile()) {
        return Fail(sink, kReadFailure, kCorruptAdvice, path, JNP_FILE_ERROR);
    }
    const std::size_t payloadSize = size - header.Length();
    std::unique_ptr<char[]> payload(new (std::nothrow) char[payloadSize]);
    if (payload == nullptr) {
        return Fail(sink, kAllocationFailure, kNoMemoryAdvice, path, JNP_NO_MEMORY);
    }
    header.Decode(text.get() + header.Length(), payload.get(), payloadSize);
    text = std::move(payload);
    size = payloadSize;
    return JNP_SUCCESS;
}

void JNPParserInput::LoadText(const char* source) {
    size = std::strlen(source);
    text.reset(new char[size + 1]);
    std::memcpy(text.get(), source, size + 1);
}

JNPResultCode JNPParserInput::Fail(JNPMessageSink& sink, const char* firstLine, const char* advice,
                                   const char* path, JNPResultCode result) {
    sink.Write(firstLine, path);
    sink.Write("%s", advice);
    Release();
    return result;
}

void JNPParserInput::Release() {
    text.reset();
    size = 0;
    if (file != nullptr) {
        std::fclose(file);
        file = nullptr;
    }
}
