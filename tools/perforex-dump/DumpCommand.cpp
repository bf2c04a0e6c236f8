#include "DumpCommand.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "DumpHost.h"
#include "FileBytes.h"
#include "JsonWriter.h"
#include "MessageRelay.h"
#include "SummaryWriter.h"
#include "SvgWriter.h"
#include "perforex/Version.h"

DumpCommand::DumpCommand(FILE* out, FILE* messages) : out_(out), messages_(messages) {}

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
    const std::string& machineFormatFile = options_.machineFormatFile;
    std::string reason;
    if (!machineFormatFile.empty() &&
        !FileBytes::Read(machineFormatFile, machineFormatText_, reason)) {
        return Fail(kFailed,
                    "cannot read machine format file '" + machineFormatFile + "': " + reason);
    }
    return ReadDrillFiles();
}

int DumpCommand::SuggestFormat(const std::string& drillFile) {
    std::string bytes;
    std::string reason;
    if (!FileBytes::Read(drillFile, bytes, reason)) {
        return Fail(kFailed, "cannot read drill file '" + drillFile + "': " + reason);
    }
    detector_.DetectMemory(bytes.data(), bytes.size(), drillFile,
                           FileBytes::SideFileFolder(drillFile));
    std::fputs(detector_.SuggestMachineFormat(drillFile).GetString(), out_);
    if (detector_.HasHeader() == 0) {
        Note("no M48 header in '" + drillFile + "'; the suggestion is for the " +
             detector_.GetSuggestedDataType().Str() + " reading");
    }
    return kClean;
}

bool DumpCommand::LoadMachineFormat(DumpHost& host) {
    // A read of no file loads the machine format and writes nothing unless the load fails.
    int result = 0;
    const std::string messages =
        scratch_.Capture([&](FILE* stream) { return host.Read(stream, ""); }, result);
    if (messages.empty()) {
        return true;
    }
    MessageRelay().Relay(messages, messages_);
    return false;
}

int DumpCommand::ReadDrillFiles() {
    if (!scratch_.Open()) {
        return Fail(kFailed, std::string("cannot make a scratch file for the reader's messages: ") +
                                 std::strerror(errno) + "; nothing read");
    }
    DumpHost host;
    const std::string& machineFormatFile = options_.machineFormatFile;
    // A format given with -f is checked here; without it each drill file gets the format
    // detected for it.
    if (!machineFormatFile.empty()) {
        host.SetDrillMachineFormatFile(machineFormatFile);
        if (!LoadMachineFormat(host)) {
            return Fail(kFailed, "the machine format file '" + machineFormatFile +
                                     "' cannot be used: see the messages above; nothing read");
        }
    }
    SvgWriter svg(options_.overlay);
    if (!options_.svgFile.empty() && !svg.Open(options_.svgFile)) {
        return Fail(kFailed,
                    "cannot write picture '" + options_.svgFile + "': " + std::strerror(errno));
    }
    SummaryWriter summary(out_);
    std::unique_ptr<JsonWriter> json;
    if (options_.json) {
        json = std::make_unique<JsonWriter>(out_, machineFormatFile);
        host.AddSink(json.get());
    } else {
        host.AddSink(&summary);
    }
    if (!options_.svgFile.empty()) {
        host.AddSink(&svg);
    }

    int status = kClean;
    for (const std::string& drillFile : options_.drillFiles) {
        status = std::max(status, ReadDrillFile(host, json.get(), drillFile));
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

int DumpCommand::ReadDrillFile(DumpHost& host, JsonWriter* json, const std::string& drillFile) {
    // With several files, a line naming each one tells whose messages follow.
    if (options_.drillFiles.size() > 1) {
        Note("==> " + drillFile + " <==");
    }
    std::string bytes;
    std::string reason;
    if (!FileBytes::Read(drillFile, bytes, reason)) {
        host.SkipFile(drillFile, "cannot read drill file: " + reason);
        return Fail(kFailed, "cannot read drill file '" + drillFile + "': " + reason);
    }
    const ReadFormat format = ChooseFormat(host, drillFile, bytes);
    if (json != nullptr) {
        json->UseFormat(format);
    }
    return ReadAndJudge(host, drillFile, bytes);
}

ReadFormat DumpCommand::ChooseFormat(DumpHost& host, const std::string& drillFile,
                                     const std::string& bytes) {
    detector_.DetectMemory(bytes.data(), bytes.size(), drillFile,
                           FileBytes::SideFileFolder(drillFile));
    ReadFormat format;
    if (!options_.machineFormatFile.empty()) {
        format.file = options_.machineFormatFile;
        return format;
    }
    format.text = detector_.GetMachineFormatText().Str();
    format.evidence = detector_.GetEvidence();
    const std::string prefix = "perforex-dump: " + MessageRelay::Escaped(drillFile) + ": ";
    for (const CFormatEvidence& decision : format.evidence) {
        std::fprintf(messages_, "%s%s\n", prefix.c_str(),
                     MessageRelay::Escaped(decision.text.Str()).c_str());
    }
    host.SetDrillMachineFormatText(format.text);
    return format;
}

int DumpCommand::ReadAndJudge(DumpHost& host, const std::string& drillFile,
                              const std::string& bytes) {
    FileVerdict verdict;
    MessageRelay relay;
    const std::string messages = scratch_.Capture(
        [&](FILE* stream) { return host.ReadFile(stream, drillFile, bytes); }, verdict.result);
    relay.Relay(messages, messages_);
    verdict.errors = relay.Errors();
    verdict.warnings = relay.Warnings();
    verdict.messages = relay.Messages();
    verdict.checks = Check(bytes, host.Delivered());
    for (const std::string& check : verdict.checks) {
        Fail(kNotClean, drillFile + ": warning: " + check);
    }
    host.FinishFile(verdict);
    return verdict.result == 1 && verdict.checks.empty() ? kClean : kNotClean;
}

std::vector<std::string> DumpCommand::Check(const std::string& bytes, long long delivered) const {
    std::vector<std::string> warnings;
    if (!options_.machineFormatFile.empty()) {
        for (const CString& line : detector_.CheckMachineFormat(machineFormatText_)) {
            warnings.push_back(line.Str());
        }
    }
    if (bytes.empty()) {
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
