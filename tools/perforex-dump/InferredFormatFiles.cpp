#include "InferredFormatFiles.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "FormatInference.h"
#include "MessageRelay.h"
#include "NcParamFile.h"

InferredFormatFiles::InferredFormatFiles(FILE* messages) : messages_(messages) {}

InferredFormatFiles::~InferredFormatFiles() {
    RemoveLast();
    if (!directory_.empty()) {
        rmdir(directory_.c_str());
    }
}

bool InferredFormatFiles::Load(const std::string& bundledPath, std::string& error) {
    return bundled_.Load(bundledPath, error);
}

std::string InferredFormatFiles::Write(const std::string& drillFile, std::string& error) {
    RemoveLast();
    if (directory_.empty()) {
        const char* temporary = std::getenv("TMPDIR");
        std::string pattern =
            std::string(temporary != nullptr && *temporary != '\0' ? temporary : "/tmp") +
            "/perforex-dump-XXXXXX";
        if (mkdtemp(&pattern[0]) == nullptr) {
            error = "cannot make a temporary folder for the machine formats: " +
                    std::string(std::strerror(errno));
            return std::string();
        }
        directory_ = pattern;
    }
    const std::string text = InferFormatText(drillFile);
    last_ = directory_ + "/" + std::to_string(++written_) + ".fmt";
    FILE* file = std::fopen(last_.c_str(), "wb");
    const bool written =
        file != nullptr && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file == nullptr || std::fclose(file) != 0 || !written) {
        error = "cannot write the machine format '" + last_ + "': " + std::strerror(errno);
        return std::string();
    }
    return last_;
}

void InferredFormatFiles::RemoveLast() {
    if (!last_.empty()) {
        std::remove(last_.c_str());
        last_.clear();
    }
}

// Infers the format of the drill file, tells the evidence and returns the machine format text.
std::string InferredFormatFiles::InferFormatText(const std::string& drillFile) {
    const std::string prefix = "perforex-dump: " + MessageRelay::Escaped(drillFile) + ": ";
    NcParamFile sideFile;
    if (sideFile.LoadBeside(drillFile)) {
        const DrillFormat side = sideFile.ApplyTo(bundled_.Fallback());
        std::fprintf(messages_, "%sfallback format from %s: %s %s %s %s\n", prefix.c_str(),
                     MessageRelay::Escaped(sideFile.Path()).c_str(), side.UnitName(),
                     side.DigitsText().c_str(), side.ZeroTruncationName(), side.StepModeName());
    }
    FormatInference inference;
    FILE* program = std::fopen(drillFile.c_str(), "rb");
    if (program != nullptr) {
        inference.ReadProgram(program);
        std::fclose(program);
    }
    std::vector<std::string> evidence;
    const DrillFormat format = inference.Infer(bundled_.Fallback(), sideFile, evidence);
    for (const std::string& line : evidence) {
        std::fprintf(messages_, "%s%s\n", prefix.c_str(), MessageRelay::Escaped(line).c_str());
    }
    return bundled_.TextFor(format);
}
