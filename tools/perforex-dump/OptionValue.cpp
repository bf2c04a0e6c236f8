#include "OptionValue.h"

bool OptionValue::Take(const std::vector<std::string>& arguments, std::size_t& index,
                       std::string& value, const char* what, std::string& error) {
    const std::string& option = arguments[index];
    if (!value.empty()) {
        error = "option " + option + " given twice";
        return false;
    }
    if (index + 1 >= arguments.size() || arguments[index + 1].empty()) {
        error = "option " + option + " needs " + what;
        return false;
    }
    value = arguments[++index];
    return true;
}
