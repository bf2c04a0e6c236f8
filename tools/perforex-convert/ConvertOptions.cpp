#include "ConvertOptions.h"

#include <cstdlib>

#include "LengthArgument.h"
#include "OptionValue.h"

const char* const ConvertOptions::kUsage =
    "usage: perforex-convert DRILL_FILE... -o OUT [-f MACHINE_FORMAT_FILE] [--merge]\n"
    "                        [--step NXxNY@DX,DY] [--rack SIZES [--tolerance SIZE]]\n"
    "       perforex-convert -h | --help | -V | --version\n";

namespace {

const char* const kDetails =
    "\n"
    "Reads drill programs, each with the machine format detected for it, and writes them as one\n"
    "program for a drill machine; OUT is replaced only once the new program is complete.\n"
    "\n"
    "  -o OUT                  the program to write\n"
    "  -f MACHINE_FORMAT_FILE  the drill machine format to write in; without it, the AUTO\n"
    "                          format in the unit of the first drill file, with decimal points\n"
    "  --merge                 merge the drill files (a board's plated and non-plated ones) into\n"
    "                          one program: tools numbered 1, 2, 3 in their order, one for equal\n"
    "                          tools, kept apart where their plating differs, as known from file\n"
    "                          names ending in -PTH, _PTH, -NPTH or _NPTH\n"
    "  --step NXxNY@DX,DY      step the program across a panel: NX columns at the pitch DX and\n"
    "                          NY rows at the pitch DY, e.g. 3x2@60,45\n"
    "  --rack SIZES            move each round tool onto the nearest of the drill sizes, given\n"
    "                          with commas, e.g. 0.3,0.4,0.8,1; tools made equal become one\n"
    "  --tolerance SIZE        with --rack, how far a size may lie from a tool (default 0.05)\n"
    "  -h, --help              show this help and exit\n"
    "  -V, --version           show the version of the library and exit\n"
    "\n"
    "Lengths (DX, DY, SIZES, SIZE) are millimetres, or inches with the suffix \"in\": 0.125in.\n"
    "\n"
    "Exit status:\n"
    "  0  the program was written, every drill file read cleanly and every value written exactly\n"
    "  1  the program was written, but a drill file was read with errors or warnings, a value\n"
    "     was rounded to the machine format's step, or a tool found no size on the rack\n"
    "  2  nothing was written: a bad option, a drill file that cannot be read or yields nothing,\n"
    "     a machine format file that cannot be used, a program the format cannot hold, an\n"
    "     output that cannot be written\n";

// Reads a whole number of copies of at least 1; false for any other text.
bool ParseCount(const std::string& text, int& count) {
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    count = std::atoi(text.c_str());
    return count >= 1;
}

}  // namespace

std::string ConvertOptions::Help() {
    return std::string(kUsage) + kDetails;
}

bool ConvertOptions::Parse(const std::vector<std::string>& arguments, std::string& error) {
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        std::string* value = argument == "-o"            ? &outputFile
                             : argument == "-f"          ? &machineFormatFile
                             : argument == "--step"      ? &step
                             : argument == "--rack"      ? &rackText
                             : argument == "--tolerance" ? &toleranceText
                                                         : nullptr;
        if (value != nullptr) {
            if (!OptionValue::Take(arguments, index, *value, "a value", error)) {
                return false;
            }
        } else if (argument == "--merge") {
            merge = true;
        } else if (argument == "-h" || argument == "--help") {
            help = true;
        } else if (argument == "-V" || argument == "--version") {
            version = true;
        } else if (argument.size() > 1 && argument[0] == '-') {
            error = "unknown option '" + argument + "'";
            return false;
        } else {
            drillFiles.push_back(argument);
        }
    }
    return CheckCombination(error) && (step.empty() || ParseStep(step, error)) &&
           (rackText.empty() || ParseRack(rackText, error)) &&
           (toleranceText.empty() || LengthArgument::Parse(toleranceText, tolerance, error));
}

bool ConvertOptions::ParseStep(const std::string& text, std::string& error) {
    const std::size_t at = text.find('@');
    const std::size_t by = text.find('x');
    const std::size_t comma = text.find(',', at == std::string::npos ? 0 : at);
    if (at == std::string::npos || by > at || comma == std::string::npos ||
        !ParseCount(text.substr(0, by), columns) ||
        !ParseCount(text.substr(by + 1, at - by - 1), rows)) {
        error =
            "--step takes NXxNY@DX,DY, whole numbers of copies of at least 1 and two "
            "pitches, e.g. 3x2@60,45, not '" +
            text + "'";
        return false;
    }
    return LengthArgument::Parse(text.substr(at + 1, comma - at - 1), dx, error) &&
           LengthArgument::Parse(text.substr(comma + 1), dy, error);
}

bool ConvertOptions::ParseRack(const std::string& text, std::string& error) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        int size = 0;
        if (!LengthArgument::Parse(text.substr(start, comma - start), size, error)) {
            return false;
        }
        if (size <= 0) {
            error = "--rack takes drill sizes above 0, not '" + text + "'";
            return false;
        }
        rack.push_back(size);
        if (comma == std::string::npos) {
            return true;
        }
        start = comma + 1;
    }
}

bool ConvertOptions::CheckCombination(std::string& error) const {
    if (help || version) {
        return true;
    }
    if (drillFiles.empty()) {
        error = "no drill file given";
    } else if (outputFile.empty()) {
        error = "no output file given: -o OUT";
    } else if (drillFiles.size() > 1 && !merge) {
        error = "several drill files make one program only with --merge";
    } else if (!toleranceText.empty() && rackText.empty()) {
        error = "--tolerance is for --rack, which is not given";
    }
    return error.empty();
}
