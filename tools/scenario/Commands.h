#pragma once

#include <span>
#include <string>
#include <string_view>

#include "tools/scenario/ScriptArgs.h"
#include "tools/scenario/ScriptContext.h"

namespace tesmarik {

// One command of the script format: its word and the function that runs it. A function
// checks its arguments and throws ScriptError for a line it cannot run.
using CommandHandler = void (*)(ScriptContext& s, const CommandArgs& args);
struct CommandRow {
    std::string_view word;
    CommandHandler run;
};

// Each kind of command keeps its table in a file of its own: a new command is one
// function there and one row in its table.
std::span<const CommandRow> ActingCommands();    // what the user does
std::span<const CommandRow> PlatformCommands();  // answers the platform gives
std::span<const CommandRow> LookingCommands();   // what the script asks to see
std::span<const CommandRow> ScriptCommands();    // lines that run other lines

// Runs one line of a script: blank lines and comments are skipped, any other line runs
// the command its first word names.
void RunCommandLine(ScriptContext& s, const std::string& line);

}  // namespace tesmarik
