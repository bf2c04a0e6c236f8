// perforex-dump: reads drill programs with PerforexReader and shows what they hold.
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "DumpCommand.h"
#include "MessageRelay.h"

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
        DumpCommand command(stdout, stderr);
        return command.Run(arguments);
    } catch (const std::bad_alloc&) {
        std::fputs("perforex-dump: out of memory\n", stderr);
    } catch (const std::exception& exception) {
        std::fprintf(stderr, "perforex-dump: %s\n",
                     MessageRelay::Escaped(exception.what()).c_str());
    }
    return DumpCommand::kFailed;
}
