#pragma once

#include <string>
#include <vector>

// Takes the value of a command-line option that needs one, for the tools' option parsers.
class OptionValue {
  public:
    // Takes the argument after arguments[index] into value and moves index onto it; returns
    // false with a one-line reason when the option was given before or no value follows
    // ("option -f needs " + what).
    static bool Take(const std::vector<std::string>& arguments, std::size_t& index,
                     std::string& value, const char* what, std::string& error);
};
