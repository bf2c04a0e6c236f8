#include "DumpOptions.h"

bool DumpOptions::Parse(const std::vector<std::string>& arguments, std::string& error) {
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (argument == "-f" || argument == "--svg") {
            std::string& value = argument == "-f" ? machineFormatFile : svgFile;
            if (!TakeValue(arguments, index, value, error)) {
                return false;
            }
        } else if (argument == "--json") {
            json = true;
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

bool DumpOptions::TakeValue(const std::vector<std::string>& arguments, std::size_t& index,
                            std::string& value, std::string& error) {
    const std::string& option = arguments[index];
    if (!value.empty()) {
        error = "option " + option + " given twice";
        return false;
    }
    if (index + 1 >= arguments.size() || arguments[index + 1].empty()) {
        error = "option " + option + " needs a file name";
        return false;
    }
    value = arguments[++index];
    return true;
}

bool DumpOptions::CheckCombination(std::string& error) const {
    if (drillFiles.empty()) {
        error = "no drill file given";
        return false;
    }
    if (suggestFormat && (json || !svgFile.empty() || !machineFormatFile.empty())) {
        error = "--suggest-format reads no drill program and takes no -f, --json or --svg";
        return false;
    }
    if (suggestFormat && drillFiles.size() > 1) {
        error = "--suggest-format takes one drill file";
        return false;
    }
    return true;
}
