#include "capi/ReadRequest.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "capi/ErrnoStatus.h"
#include "capi/ResultCollector.h"
#include "messages/MessageTable.h"
#include "platform/NativeFile.h"

namespace {

// Returns errno after a failed open or a directory, 0 for a file that opens for reading.
int ProgramFileError(const char* path) {
    FILE* file = NativeFile::OpenToRead(path);
    if (file == nullptr) {
        return errno;
    }
    std::fclose(file);
    return 0;
}

// Reads a whole file into text; returns 0, or errno when it cannot be read.
int ReadWholeFile(const char* path, std::string& text) {
    const std::unique_ptr<FILE, int (*)(FILE*)> file(NativeFile::OpenToRead(path), &std::fclose);
    if (!file) {
        return errno;
    }
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        text.append(buffer, count);
    }
    return std::ferror(file.get()) != 0 ? (errno != 0 ? errno : EIO) : 0;
}

// Returns text without the blanks and line feeds around it.
std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    return first == std::string::npos
               ? std::string()
               : text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Tells whether a message is the reader's own on a machine format it could not load.
bool SaysLoadFailed(const pfx_message& message) {
    return message.number == kMachineFormatErrorCount || message.number == kMachineFormatUnreadable;
}

// Returns the first error of a failed machine format load, with the parser's lines that place
// it, as one line. The reader's own message on the failed load ends the search at the latest.
std::string FirstDiagnostic(const CReadResult& result) {
    const std::vector<pfx_message>& messages = result.Messages();
    const auto first =
        std::find_if(messages.begin(), messages.end(), [](const pfx_message& message) {
            return message.kind == PFX_MESSAGE_ERROR || SaysLoadFailed(message);
        });
    std::size_t index = static_cast<std::size_t>(first - messages.begin());
    std::string line = Trimmed(result.MessageText(index));
    while (++index < messages.size() && messages[index].number == 0 &&
           messages[index].kind != PFX_MESSAGE_ERROR) {
        line += ' ' + Trimmed(result.MessageText(index));
    }
    return line;
}

std::string Quoted(const char* text) {
    return std::string("'") + text + "'";
}

}  // namespace

CReadRequest::CReadRequest(const char* machineFormat, int formatKind)
    : machineFormat(machineFormat), formatKind(formatKind) {}

CReadRequest CReadRequest::OfFile(const char* path, const char* machineFormat, int formatKind) {
    CReadRequest request(machineFormat, formatKind);
    request.path = path;
    return request;
}

CReadRequest CReadRequest::OfMemory(const void* data, std::size_t size, const char* name,
                                    const char* machineFormat, int formatKind) {
    CReadRequest request(machineFormat, formatKind);
    request.data = static_cast<const char*>(data);
    request.size = size;
    request.name = name != nullptr ? name : "";
    return request;
}

void CReadRequest::Run(CReadResult& result) const {
    if (!CheckProgram(result)) {
        return;
    }
    CResultCollector reader(result);
    if (!ChooseMachineFormat(reader, result)) {
        return;
    }
    // The messages reach the result as data; their text has nowhere else to go.
    const std::unique_ptr<FILE, int (*)(FILE*)> messages(NativeFile::OpenNull(), &std::fclose);
    if (!messages) {
        result.Fail(PFX_ERROR_INTERNAL, std::string("cannot open ") + NativeFile::NullDeviceName() +
                                            " for the reader's messages: " + std::strerror(errno));
        return;
    }
    result.ReserveHoles(name != nullptr ? static_cast<std::int64_t>(size)
                                        : NativeFile::StatusOf(path).size);
    result.SetResultCode(ReadProgram(reader, messages.get()));
    CheckMachineFormatLoaded(result);
}

bool CReadRequest::CheckProgram(CReadResult& result) const {
    if (name != nullptr) {
        if (data == nullptr && size > 0) {
            result.Fail(PFX_ERROR_ARGUMENT,
                        "no program bytes given for a size of " + std::to_string(size) + " bytes");
            return false;
        }
        return true;
    }
    if (path == nullptr) {
        result.Fail(PFX_ERROR_ARGUMENT, "no program path given");
        return false;
    }
    const int error = ProgramFileError(path);
    if (error != 0) {
        result.Fail(ErrnoStatus::Of(error, PFX_ERROR_UNREADABLE),
                    "cannot read " + Quoted(path) + ": " + std::strerror(error));
        return false;
    }
    return true;
}

bool CReadRequest::ChooseMachineFormat(CResultCollector& reader, CReadResult& result) const {
    if (formatKind == PFX_FORMAT_DETECT) {
        return Detect(reader, result);
    }
    if (formatKind != PFX_FORMAT_FILE && formatKind != PFX_FORMAT_TEXT) {
        result.Fail(PFX_ERROR_ARGUMENT,
                    "unknown machine format kind " + std::to_string(formatKind));
        return false;
    }
    if (machineFormat == nullptr) {
        result.Fail(PFX_ERROR_ARGUMENT, "no machine format given");
        return false;
    }
    if (formatKind == PFX_FORMAT_TEXT) {
        result.SetMachineFormat(machineFormat);
        reader.SetDrillMachineFormatText(machineFormat);
        return true;
    }
    std::string text;
    const int error = ReadWholeFile(machineFormat, text);
    if (error != 0) {
        result.Fail(PFX_ERROR_MACHINE_FORMAT, "cannot read the machine format file " +
                                                  Quoted(machineFormat) + ": " +
                                                  std::strerror(error));
        return false;
    }
    result.SetMachineFormat(std::move(text));
    reader.SetDrillMachineFormatFile(machineFormat);
    return true;
}

bool CReadRequest::Detect(CResultCollector& reader, CReadResult& result) const {
    CFormatDetector detector;
    const int detected =
        name != nullptr ? detector.DetectMemory(data, size, name) : detector.DetectFile(path);
    if (detected == 0) {
        const std::string program = name == nullptr ? Quoted(path)
                                    : *name != '\0' ? Quoted(name)
                                                    : std::string("the bytes given");
        result.Fail(PFX_ERROR_NOT_A_PROGRAM, program + ": " + detector.GetFailure().Str());
        return false;
    }
    result.SetMachineFormat(detector.GetMachineFormatText().Str());
    result.SetEvidence(detector.GetEvidence());
    reader.SetDrillMachineFormatText(detector.GetMachineFormatText());
    return true;
}

int CReadRequest::ReadProgram(CResultCollector& reader, FILE* messages) const {
    if (name != nullptr) {
        return reader.ReadMemory(messages, data, size, name);
    }
    return reader.Read(messages, path);
}

void CReadRequest::CheckMachineFormatLoaded(CReadResult& result) const {
    const std::vector<pfx_message>& messages = result.Messages();
    if (std::any_of(messages.begin(), messages.end(), SaysLoadFailed)) {
        result.Fail(PFX_ERROR_MACHINE_FORMAT, "the machine format " + MachineFormatName() +
                                                  " cannot be used: " + FirstDiagnostic(result));
    }
}

std::string CReadRequest::MachineFormatName() const {
    if (formatKind == PFX_FORMAT_FILE) {
        return "file " + Quoted(machineFormat);
    }
    return formatKind == PFX_FORMAT_TEXT ? "text given" : "detected";
}
