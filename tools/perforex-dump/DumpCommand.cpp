#include "DumpCommand.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include "DumpHost.h"
#include "FormatSuggester.h"
#include "JsonWriter.h"
#include "MachineFormatLocator.h"
#include "NcParamFile.h"
#include "SummaryWriter.h"
#include "SvgWriter.h"

DumpCommand::DumpCommand(FILE* out, FILE* messages, std::string executableDirectory)
    : out_(out),
      messages_(messages),
      executableDirectory_(std::move(executableDirectory)),
      inferredFormats_(messages) {}

int DumpCommand::Run(const std::vector<std::string>& arguments) {
    std::string error;
    if (!options_.Parse(arguments, error)) {
        return Fail(kUsageError, error + " (" + DumpOptions::kUsage + ")");
    }
    if (options_.suggestFormat) {
        return SuggestFormat(options_.drillFiles.front());
    }
    if (!ResolveMachineFormat()) {
        return kUsageError;
    }
    for (const std::string& drillFile : options_.drillFiles) {
        if (!CheckReadable(drillFile, "drill file")) {
            return kUsageError;
        }
    }
    return ReadDrillFiles();
}

int DumpCommand::SuggestFormat(const std::string& drillFile) {
    FILE* file = std::fopen(drillFile.c_str(), "r");
    if (file == nullptr) {
        return Fail(kUsageError,
                    "cannot read drill file '" + drillFile + "': " + std::strerror(errno));
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
        return Fail(kNotClean,
                    "no M48 header in '" + drillFile + "'; the suggestion needs the AUTO reading");
    }
    return kClean;
}

bool DumpCommand::ResolveMachineFormat() {
    machineFormatFile_ = options_.machineFormatFile;
    if (machineFormatFile_.empty()) {
        machineFormatFile_ = MachineFormatLocator::FindDefault(executableDirectory_);
        if (machineFormatFile_.empty()) {
            Fail(kUsageError,
                 std::string("no default machine format (") + MachineFormatLocator::kFileName +
                     ") next to the executable or in share/perforex; give one with -f");
            return false;
        }
    }
    std::string error;
    if (options_.machineFormatFile.empty() && !inferredFormats_.Load(machineFormatFile_, error)) {
        Fail(kUsageError, error);
        return false;
    }
    return CheckReadable(machineFormatFile_, "machine format file");
}

bool DumpCommand::ChooseMachineFormat(CPerforexReader& reader, const std::string& drillFile) {
    if (!options_.machineFormatFile.empty()) {
        return true;
    }
    std::string error;
    const std::string machineFormat = inferredFormats_.Write(drillFile, error);
    if (machineFormat.empty()) {
        Fail(kUsageError, error);
        return false;
    }
    reader.SetDrillMachineFormatFile(machineFormat);
    return true;
}

bool DumpCommand::CheckReadable(const std::string& path, const char* what) {
    FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        Fail(kUsageError,
             std::string("cannot read ") + what + " '" + path + "': " + std::strerror(errno));
        return false;
    }
    std::fclose(file);
    return true;
}

int DumpCommand::ReadDrillFiles() {
    SvgWriter svg;
    if (!options_.svgFile.empty() && !svg.Open(options_.svgFile)) {
        return Fail(kUsageError,
                    "cannot write picture '" + options_.svgFile + "': " + std::strerror(errno));
    }
    DumpHost host;
    host.SetDrillMachineFormatFile(machineFormatFile_);
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

    bool allClean = true;
    for (const std::string& drillFile : options_.drillFiles) {
        if (!ChooseMachineFormat(host, drillFile)) {
            return kUsageError;
        }
        allClean = host.ReadFile(messages_, drillFile) == 1 && allClean;
    }
    if (json) {
        json->Finish();
    }
    if (!options_.svgFile.empty() && !svg.Finish()) {
        return Fail(kUsageError, "cannot write picture '" + options_.svgFile + "'");
    }
    if (std::fflush(out_) != 0 || std::ferror(out_) != 0) {
        return Fail(kUsageError, "cannot write the standard output");
    }
    return allClean ? kClean : kNotClean;
}

int DumpCommand::Fail(int status, const std::string& message) {
    std::fprintf(messages_, "perforex-dump: %s\n", message.c_str());
    return status;
}
