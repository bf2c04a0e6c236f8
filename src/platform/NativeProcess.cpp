#include "platform/NativeProcess.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "platform/WideText.h"

namespace {

// Takes the arguments after the program's name from the UTF-16 command line; returns false when
// it cannot be split.
bool ArgumentsFromWideCommandLine(std::vector<std::string>& arguments) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return false;
    }
    for (int index = 1; index < count; ++index) {
        arguments.push_back(WideText::ToUtf8(wide[index]));
    }
    LocalFree(wide);
    return true;
}

}  // namespace
#endif

std::vector<std::string> NativeProcess::Arguments(int argc, char** argv) {
#ifdef _WIN32
    std::vector<std::string> arguments;
    if (ArgumentsFromWideCommandLine(arguments)) {
        return arguments;
    }
#endif
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void NativeProcess::UseBinaryStandardStreams() {
#ifdef _WIN32
    for (FILE* stream : {stdin, stdout, stderr}) {
        _setmode(_fileno(stream), _O_BINARY);
    }
#endif
}
