#include "ConvertCommand.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "FileBytes.h"
#include "LengthArgument.h"
#include "MessageRelay.h"

ConvertCommand::ConvertCommand(FILE* out, FILE* messages) : out_(out), messages_(messages) {}

int ConvertCommand::Run(const std::vector<std::string>& arguments) {
    std::string error;
    if (!options_.Parse(arguments, error)) {
        Note(error);
        std::fputs(ConvertOptions::kUsage, messages_);
        return kFailed;
    }
    if (options_.help) {
        std::fputs(ConvertOptions::Help().c_str(), out_);
        return kClean;
    }
    if (options_.version) {
        std::fprintf(out_, "perforex-convert (PerforexReader) %s\n", PERFOREX_VERSION_STRING);
        return kClean;
    }
    if (!scratch_.Open()) {
        return Fail(kFailed, std::string("cannot make a scratch file for the reader's messages: ") +
                                 std::strerror(errno) + "; nothing written");
    }
    const int status = Convert();
    if (std::fflush(out_) != 0 || std::ferror(out_) != 0) {
        return Fail(kFailed, "cannot write the standard output");
    }
    return status;
}

int ConvertCommand::Convert() {
    const std::string& machineFormatFile = options_.machineFormatFile;
    if (!machineFormatFile.empty() && !LoadMachineFormat("")) {
        return kFailed;
    }
    int status = ReadDrillFiles();
    if (status == kFailed) {
        return kFailed;
    }
    if (!options_.rack.empty()) {
        status = std::max(status, MapToRack());
    }
    CDrillProgram& program = writer_.GetProgram();
    if (options_.columns > 0 &&
        program.Step(options_.columns, options_.rows, options_.dx, options_.dy) == 0) {
        return Fail(kFailed,
                    "cannot step the program: " + program.GetError().Str() + "; nothing written");
    }
    return std::max(status, Write());
}

int ConvertCommand::ReadDrillFiles() {
    int status = kClean;
    CDrillProgram input;
    for (std::size_t index = 0; index < options_.drillFiles.size(); ++index) {
        const std::string& drillFile = options_.drillFiles[index];
        if (options_.drillFiles.size() > 1) {
            Note("==> " + drillFile + " <==");
        }
        CDrillProgram& program = options_.merge ? input : writer_.GetProgram();
        status = std::max(status, ReadDrillFile(drillFile, program));
        if (status == kFailed) {
            return kFailed;
        }
        if (index == 0 && options_.machineFormatFile.empty() &&
            !LoadMachineFormat(detector_.GetMachineFormatText().Str())) {
            return kFailed;
        }
        if (options_.merge && writer_.GetProgram().Merge(input) == 0) {
            return Fail(kFailed, "cannot merge '" + drillFile + "': " +
                                     writer_.GetProgram().GetError().Str() + "; nothing written");
        }
        input.Clear();
    }
    return status;
}

int ConvertCommand::ReadDrillFile(const std::string& drillFile, CDrillProgram& program) {
    std::string bytes;
    std::string reason;
    if (!FileBytes::Read(drillFile, bytes, reason)) {
        return Fail(kFailed,
                    "cannot read drill file '" + drillFile + "': " + reason + "; nothing written");
    }
    detector_.DetectMemory(bytes.data(), bytes.size(), drillFile,
                           FileBytes::SideFileFolder(drillFile));
    CWritingReader reader(program);
    reader.SetDrillMachineFormatText(detector_.GetMachineFormatText());
    int result = 0;
    const std::string messages = scratch_.Capture(
        [&](FILE* stream) {
            return reader.ReadMemory(stream, bytes.data(), bytes.size(), drillFile);
        },
        result);
    MessageRelay(messages_).Relay(messages);
    if (program.GetToolCount() + program.GetHoleCount() + program.GetContourCount() == 0) {
        return Fail(kFailed, "'" + drillFile +
                                 "' yields no tool, hole or contour: is it a drill program? "
                                 "nothing written");
    }
    return result == 1 ? kClean : kNotClean;
}

bool ConvertCommand::LoadMachineFormat(const std::string& detected) {
    const std::string& file = options_.machineFormatFile;
    if ((file.empty() ? writer_.SetDrillMachineFormatText(detected)
                      : writer_.SetDrillMachineFormatFile(file)) == 1) {
        return true;
    }
    Fail(kFailed, "the machine format " + (file.empty() ? "detected" : "file '" + file + "'") +
                      " cannot be used: " + writer_.GetError().Str() + "; nothing written");
    return false;
}

int ConvertCommand::MapToRack() {
    CDrillRack rack;
    for (const int size : options_.rack) {
        rack.AddSize(size);
    }
    rack.SetTolerance(options_.tolerance);
    CDrillProgram& program = writer_.GetProgram();
    const int missed = rack.Apply(program);
    for (int index = 0; index < missed; ++index) {
        const CRackMiss miss = rack.GetMiss(index);
        Note("warning: tool " + std::to_string(miss.tool) + " of " +
             LengthArgument::Millimetres(miss.size) + " keeps its size: the nearest on the rack, " +
             LengthArgument::Millimetres(miss.nearest) + ", lies " +
             LengthArgument::Millimetres(miss.distance) + " from it");
    }
    program.MergeEqualTools();
    return missed > 0 ? kNotClean : kClean;
}

int ConvertCommand::Write() {
    if (writer_.Write(options_.outputFile) == 0) {
        return Fail(kFailed, "cannot write '" + options_.outputFile +
                                 "': " + writer_.GetError().Str() + "; nothing written");
    }
    const int rounded = writer_.GetRoundingCount();
    if (rounded == 0) {
        return kClean;
    }
    long long largest = 0;
    for (int index = 0; index < rounded; ++index) {
        const CWriteRounding rounding = writer_.GetRounding(index);
        largest = std::max(largest,
                           std::llabs(static_cast<long long>(rounding.written) - rounding.given));
    }
    Note("warning: " + std::to_string(rounded) + (rounded == 1 ? " value" : " values") +
         " rounded to the machine format's step, by at most " +
         LengthArgument::Millimetres(largest));
    return kNotClean;
}

void ConvertCommand::Note(const std::string& message) {
    std::fprintf(messages_, "perforex-convert: %s\n", MessageRelay::Escaped(message).c_str());
}

int ConvertCommand::Fail(int status, const std::string& message) {
    Note(message);
    return status;
}
