// perforex-convert: reads drill programs with PerforexReader and writes them for a drill machine.
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "ConvertCommand.h"
#include "MessageRelay.h"
#include "platform/NativeProcess.h"

int main(int argc, char** argv) {
    // The same bytes in and out on every system: line feeds alone, paths in UTF-8.
    NativeProcess::UseBinaryStandardStreams();
    try {
        const std::vector<std::string> arguments = NativeProcess::Arguments(argc, argv);
        ConvertCommand command(stdout, stderr);
        return command.Run(arguments);
    } catch (const std::bad_alloc&) {
        std::fputs("perforex-convert: out of memory\n", stderr);
    } catch (const std::exception& exception) {
        std::fprintf(stderr, "perforex-convert: %s\n",
                     MessageRelay::Escaped(exception.what()).c_str());
    }
    return ConvertCommand::kFailed;
}
