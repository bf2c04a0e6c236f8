// perforex-dump: reads drill programs with PerforexReader and shows what they hold.
#include <cstdio>
#include <string>
#include <vector>

#include "DumpCommand.h"
#include "MachineFormatLocator.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    DumpCommand command(stdout, stderr,
                        MachineFormatLocator::ExecutableDirectory(argc > 0 ? argv[0] : nullptr));
    return command.Run(arguments);
}
