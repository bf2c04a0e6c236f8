#include "DumpCommand.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "DumpHost.h"
#include "FormatSuggester.h"
#include "HeaderCheck.h"
#include "JsonWriter.h"
#include "MachineFormatLocator.h"
#include "MessageRelay.h"
#include "NcParamFile.h"
#include "SummaryWriter.h"
#include "SvgWriter.h"
#include "perforex/Version.h"

DumpCommand::DumpCommand(FILE* out, FILE* messages, std::string executableDirectory)
    : out_(out),
      messages_(messages),
      executableDirectory_(std::move(executableDirectory)),
      inferredFormats_(messages),
      scratch_(nullptr, std::fclose) {}

int DumpCommand::Run(const std::vector<std::string>& arguments) {
    std::string error;
    if (!options_.Parse(arguments, error)) {
        Note(error);
        std::fputs(DumpOptions::kUsage, messages_);
        return kFailed;
    }
    if (options_.help) {
        std::fputs(DumpOptions::Help().c_str(), out_);
        return kClean;
    }
    if (options_.version) {
        std::fprintf(out_, "perforex-dump (PerforexReader) %s\n", PERFOREX_VERSION_STRING);
        return kClean;
    }
    if (options_.suggestFormat) {
        return SuggestFormat(options_.drillFiles.front());
    }
    machineFormatFile_ = ChooseMachineFormat();
    if (machineFormatFile_.empty()) {
        return Fail(kFailed, std::string("no default machine format (") +
                                 MachineFormatLocator::kFileName +
                                 ") next to the executable or in share/perforex; give one with -f");
    }
    const std::string reason = UnreadableReason(machineFormatFile_);
    if (!reason.empty()) {
        return Fail(kFailed,
                    "cannot read machine format file '" + machineFormatFile_ + "': " + reason);
    }
    if (!options_.machineFormatFile.empty()) {
        machineFormat_.Read(machineFormatFile_);
    } else if (!inferredFormats_.Load(machineFormatFile_, error)) {
        return Fail(kFailed, error);
    }
    return ReadDrillFiles();
}

int DumpCommand::SuggestFormat(const std::string& drillFile) {
    const std::string reason = UnreadableReason(drillFile);
    FILE* file = reason.empty() ? std::fopen(drillFile.c_str(), "r") : nullptr;
    if (file == nullptr) {
        return Fail(kFailed, "cannot read drill file '" + drillFile +
                                 "': " + (reason.empty() ? std::strerror(errno) : reason));
    }
    FormatSuggester suggester;
    const bool found = suggester.ReadProgram(file);
    std::fclose(file);
    NcParamFile sideFile;
    if (sideFile.LoadBeside(drillFile)) {
        suggester.UseSideFile(sideFile);
    }
    std::fputs(suggester.FormatFile(drillFile).c_str(), out_);
    if (!found) {
        Note("no M48 header in '" + drillFile + "'; the suggestion is for the " +
             suggester.DataType() + " reading");
    }
    return kClean;
}

std::string DumpCommand::ChooseMachineFormat() const {
    if (!options_.machineFormatFile.empty()) {
        return options_.machineFormatFile;
    }
    return MachineFormatLocator::FindDefault(executableDirectory_);
}

std::string DumpCommand::UnreadableReason(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0) {
        return std::strerror(errno);
    }
    if (S_ISDIR(status.st_mode)) {
        return std::strerror(EISDIR);
    }
    FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        return std::strerror(errno);
    }
    std::fclose(file);
    return std::string();
}

std::string DumpCommand::CapturedMessages(const std::function<int(FILE*)>& read, int& result) {
    FILE* scratch = scratch_.get();
    std::rewind(scratch);
    result = read(scratch);
    // The stream is reused, so only what this read wrote, up to where it left off, is its own.
    const long end = std::ftell(scratch);
    std::string text(end > 0 ? static_cast<std::size_t>(end) : 0, '\0');
    std::rewind(scratch);
    text.resize(std::fread(&text[0], 1, text.size(), scratch));
    return text;
}

bool DumpCommand::LoadMachineFormat(DumpHost& host) {
    // A read of no file loads the machine format and writes nothing unless the load fails.
    int result = 0;
    const std::string messages =
        CapturedMessages([&](FILE* stream) { return host.Read(stream, ""); }, result);
    if (messages.empty()) {
        return true;
    }
    MessageRelay().Relay(messages, messages_);
    return false;
}

bool DumpCommand::UseInferredFormat(DumpHost& host, const std::string& drillFile) {
    std::string error;
    const std::string machineFormat = inferredFormats_.Write(drillFile, error);
    if (machineFormat.empty()) {
        Fail(kFailed, error);
        return false;
    }
    host.SetDrillMachineFormatFile(machineFormat);
    if (!LoadMachineFormat(host)) {
        Fail(kFailed, "the machine format inferred for '" + drillFile +
                          "' cannot be used: see the messages above");
        return false;
    }
    return true;
}

int DumpCommand::ReadDrillFiles() {
    scratch_.reset(std::tmpfile());
    if (!scratch_) {
        return Fail(kFailed, std::string("cannot make a scratch file for the reader's messages: ") +
                                 std::strerror(errno) + "; nothing read");
    }
    DumpHost host;
    host.SetDrillMachineFormatFile(machineFormatFile_);
    // Without -f the bundled format is checked here; each drill file then names the format
    // inferred for it, which the reader loads in place of the one before.
    if (!LoadMachineFormat(host)) {
        return Fail(kFailed, "the machine format file '" + machineFormatFile_ +
                                 "' cannot be used: see the messages above; nothing read");
    }
    SvgWriter svg(options_.overlay);
    if (!options_.svgFile.empty() && !svg.Open(options_.svgFile)) {
        return Fail(kFailed,
                    "cannot write picture '" + options_.svgFile + "': " + std::strerror(errno));
    }
    SummaryWriter summary(out_);
    std::unique_ptr<JsonWriter> json;
    if (options_.json) {
        json = std::make_unique<JsonWriter>(out_, machineFormatFile_);
        host.AddSink(json.get());
    } else {
        host.AddSink(&summary);
    }
    if (!options_.svgFile.empty()) {
        host.AddSink(&svg);
    }

    int status = kClean;
    for (const std::string& drillFile : options_.drillFiles) {
        status = std::max(status, ReadDrillFile(host, drillFile));
    }
    if (json) {
        json->Finish();
    }
    if (!options_.svgFile.empty() && !svg.Finish()) {
        return Fail(kFailed, "cannot write picture '" + options_.svgFile + "'");
    }
    if (std::fflush(out_) != 0 || std::ferror(out_) != 0) {
        return Fail(kFailed, "cannot write the standard output");
    }
    return status;
}

int DumpCommand::ReadDrillFile(DumpHost& host, const std::string& drillFile) {
    // With several files, a line naming each one tells whose messages follow.
    if (options_.drillFiles.size() > 1) {
        Note("==> " + drillFile + " <==");
    }
    const std::string reason = UnreadableReason(drillFile);
    if (!reason.empty()) {
        host.SkipFile(drillFile, "cannot read drill file: " + reason);
        return Fail(kFailed, "cannot read drill file '" + drillFile + "': " + reason);
    }
    if (options_.machineFormatFile.empty() && !UseInferredFormat(host, drillFile)) {
        host.SkipFile(drillFile, "no machine format could be made for it");
        return kFailed;
    }
    return ReadAndJudge(host, drillFile);
}

int DumpCommand::ReadAndJudge(DumpHost& host, const std::string& drillFile) {
    FileVerdict verdict;
    MessageRelay relay;
    const std::string messages = CapturedMessages(
        [&](FILE* stream) { return host.ReadFile(stream, drillFile); }, verdict.result);
    relay.Relay(messages, messages_);
    verdict.errors = relay.Errors();
    verdict.warnings = relay.Warnings();
    verdict.messages = relay.Messages();
    verdict.checks = Check(drillFile, host.Delivered());
    for (const std::string& check : verdict.checks) {
        Fail(kNotClean, drillFile + ": warning: " + check);
    }
    host.FinishFile(verdict);
    return verdict.result == 1 && verdict.checks.empty() ? kClean : kNotClean;
}

std::vector<std::string> DumpCommand::Check(const std::string& drillFile,
                                            long long delivered) const {
    std::vector<std::string> warnings;
    if (!options_.machineFormatFile.empty()) {
        warnings = HeaderCheck::Contradictions(drillFile, machineFormat_);
    }
    struct stat status;
    const bool empty = stat(drillFile.c_str(), &status) == 0 && status.st_size == 0;
    if (empty) {
        warnings.push_back("the file is empty");
    } else if (delivered == 0) {
        warnings.push_back("the file yields no tool, hole or contour: is it a drill program?");
    }
    return warnings;
}

void DumpCommand::Note(const std::string& message) {
    std::fprintf(messages_, "perforex-dump: %s\n", MessageRelay::Escaped(message).c_str());
}

int DumpCommand::Fail(int status, const std::string& message) {
    Note(message);
    return status;
}
