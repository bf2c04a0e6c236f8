#include "writer/DrillWriterImpl.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "messages/MessageOutput.h"
#include "platform/NativeFile.h"
#include "writer/DrillProgramAccess.h"
#include "writer/ProgramWriter.h"
#include "writer/WriteError.h"

namespace {

// Keeps the texts of a machine format load's messages.
class MessageText : public MessageListener {
  public:
    void OnMessage(int, int, MessageKind, std::string_view message) override {
        text.append(message);
    }

    std::string text;
};

const char* const kNoFormat = "no machine format is loaded";

// Collects a program in memory.
class TextOutput : public ProgramOutput {
  public:
    void Take(const char* bytes, std::size_t count) override { text.append(bytes, count); }

    std::string text;
};

// Writes a program to a file; remembers a failed write.
class FileOutput : public ProgramOutput {
  public:
    explicit FileOutput(FILE* file) : file(file) {}
    void Take(const char* bytes, std::size_t count) override {
        written = written && std::fwrite(bytes, 1, count, file) == count;
    }

    FILE* file;
    bool written = true;
};

// Name of the new file beside the target that replaces it once complete.
std::string PartialPath(const std::string& path) {
    return path + ".partial";
}

std::string SystemError(const std::string& what, const std::string& path) {
    return what + " \"" + path + "\": " + std::strerror(errno);
}

}  // namespace

int CDrillWriterImpl::LoadFormat(const std::string& source, bool fromText) {
    auto loaded = std::make_unique<CDrillMachineFormat>();
    MessageText messages;
    // The parser writes to a stream of its own when given none.
    FILE* sink = NativeFile::OpenNull();
    const MessageOutput output(sink, &messages);
    const int errors = fromText ? loaded->LoadText(output, source) : loaded->Load(output, source);
    if (sink != nullptr) {
        std::fclose(sink);
    }
    if (errors != 0) {
        format.reset();
        return Fail("the machine format cannot be used:" + messages.text);
    }
    format = std::move(loaded);
    error.clear();
    return 1;
}

int CDrillWriterImpl::WriteProgram(std::string& text) {
    TextOutput output;
    if (Write(output) == 0) {
        return 0;
    }
    text = std::move(output.text);
    return 1;
}

int CDrillWriterImpl::WriteFile(const std::string& path) {
    if (!format) {
        return Fail(kNoFormat);
    }
    const std::string partial = PartialPath(path);
    FILE* file = NativeFile::Open(partial, "wb");
    if (file == nullptr) {
        return Fail(SystemError("cannot create", partial));
    }
    FileOutput output(file);
    const int result = Write(output);
    const bool closed = std::fclose(file) == 0;
    if (result == 0) {
        NativeFile::Remove(partial);
        return 0;
    }
    if (!output.written || !closed) {
        const std::string reason = SystemError("cannot write", partial);
        NativeFile::Remove(partial);
        return Fail(reason);
    }
    if (!NativeFile::Replace(partial, path)) {
        const std::string reason = SystemError("cannot replace", path);
        NativeFile::Remove(partial);
        return Fail(reason);
    }
    return 1;
}

int CDrillWriterImpl::Write(ProgramOutput& output) {
    roundings.clear();
    if (!format) {
        return Fail(kNoFormat);
    }
    try {
        std::vector<CWriteRounding> moved;
        ProgramWriter writer(*format);
        writer.Write(DrillProgramAccess::Of(program), moved, output);
        roundings = std::move(moved);
    } catch (const WriteError& reason) {
        return Fail(reason.what());
    }
    error.clear();
    return 1;
}

int CDrillWriterImpl::Fail(const std::string& reason) {
    error = reason;
    roundings.clear();
    return 0;
}
