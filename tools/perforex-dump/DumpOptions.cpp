#include "DumpOptions.h"

#include "OptionValue.h"

const char* const DumpOptions::kUsage =
    "usage: perforex-dump [-f MACHINE_FORMAT_FILE] [--json] [--svg OUT.svg [--overlay]] "
    "DRILL_FILE...\n"
    "       perforex-dump --suggest-format DRILL_FILE\n"
    "       perforex-dump -h | --help | -V | --version\n";

namespace {

const char* const kDetails =
    "\n"
    "Reads Excellon-family NC drill and rout programs and shows the tools, holes and contours\n"
    "they hold: per file a summary on standard output, the reader's messages on standard error.\n"
    "\n"
    "  -f MACHINE_FORMAT_FILE  the drill machine format: how the programs write their numbers\n"
    "  --json                  write every callback as one JSON document instead of the summary\n"
    "  --svg OUT.svg           also draw every drill file, side by side, into OUT.svg\n"
    "  --overlay               with --svg, draw all drill files in one drawing instead, in\n"
    "                          the same coordinates: a board's drill and rout programs together\n"
    "  --suggest-format        print a machine format file that matches DRILL_FILE (what it\n"
    "                          states, the numbers it writes, an nc_param.txt beside it)\n"
    "  -h, --help              show this help and exit\n"
    "  -V, --version           show the version of the library and exit\n"
    "\n"
    "Without -f, the file is read in the AUTO dialect with the bundled auto.fmt as fallback, and "
    "what the program does not state is inferred from it (see README).\n"
    "\n"
    "Exit status:\n"
    "  0  every file was read cleanly (result 1)\n"
    "  1  a file was read but with errors or warnings, or a check of perforex-dump warned: a\n"
    "     header that contradicts the -f format, an empty file or one that yields nothing\n"
    "  2  perforex-dump could not do its job: a bad option, a drill file that cannot be read,\n"
    "     a machine format file that cannot be read or has errors, an output that cannot be\n"
    "     written\n";

}  // namespace

std::string DumpOptions::Help() {
    return std::string(kUsage) + kDetails;
}

bool DumpOptions::Parse(const std::vector<std::string>& arguments, std::string& error) {
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (argument == "-f" || argument == "--svg") {
            std::string& value = argument == "-f" ? machineFormatFile : svgFile;
            if (!OptionValue::Take(arguments, index, value, "a file name", error)) {
                return false;
            }
        } else if (argument == "--json") {
            json = true;
        } else if (argument == "--overlay") {
            overlay = true;
        } else if (argument == "-h" || argument == "--help") {
            help = true;
        } else if (argument == "-V" || argument == "--version") {
            version = true;
        } else if (argument == "--suggest-format") {
            suggestFormat = true;
        } else if (argument.size() > 1 && argument[0] == '-') {
            error = "unknown option '" + argument + "'";
            return false;
        } else {
            drillFiles.push_back(argument);
        }
    }
    return CheckCombination(error);
}

bool DumpOptions::CheckCombination(std::string& error) const {
    if (help || version) {
        return true;
    }
    if (drillFiles.empty()) {
        error = "no drill file given";
        return false;
    }
    if (suggestFormat && (json || !svgFile.empty() || !machineFormatFile.empty())) {
        error = "--suggest-format reads no drill program and takes no -f, --json or --svg";
        return false;
    }
    if (overlay && svgFile.empty()) {
        error = "--overlay draws the picture of --svg, which is not given";
        return false;
    }
    if (suggestFormat && drillFiles.size() > 1) {
        error = "--suggest-format takes one drill file";
        return false;
    }
    return true;
}
