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
    roundings.clear();
    if (!format) {
        return Fail("no machine format is loaded");
    }
    try {
        std::vector<CWriteRounding> moved;
        ProgramWriter writer(*format);
        text = writer.Write(DrillProgramAccess::Of(program), moved);
        roundings = std::move(moved);
    } catch (const WriteError& reason) {
        return Fail(reason.what());
    }
    error.clear();
    return 1;
}

int CDrillWriterImpl::WriteFile(const std::string& path) {
    std::string text;
    if (WriteProgram(text) == 0) {
        return 0;
    }
    const std::string partial = PartialPath(path);
    FILE* file = NativeFile::Open(partial, "wb");
    if (file == nullptr) {
        return Fail(SystemError("cannot create", partial));
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
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

int CDrillWriterImpl::Fail(const std::string& reason) {
    error = reason;
    roundings.clear();
    return 0;
}
