#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/DateTime.h"

namespace tesmarik {

// A line of a script that cannot be run: unknown command or name, wrong arguments.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What follows the command word of a script line.
struct CommandArgs {
    std::string text;   // everything after the first blank, blanks and all
    bool none = false;  // the command word stood alone, with no blank after it
};

// Splits off `count` arguments separated by one blank each; with `restRunsToEnd` the last
// one takes the rest of the line, blanks and all (and may be empty).
std::vector<std::string> Split(const std::string& args, std::size_t count, bool restRunsToEnd);

// A whole number written in decimal, nothing else.
int Integer(const std::string& text);

// \r, \n, \t and \\ in the text arguments of the script.
std::string Unescape(const std::string& text);

// YYYY-MM-DD and HH:MM:SS.
DateTime ParseDateTime(const std::string& date, const std::string& time);

}  // namespace tesmarik
