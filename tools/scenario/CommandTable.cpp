#include <functional>
#include <initializer_list>
#include <map>
#include <stdexcept>

#include "tools/scenario/Commands.h"

namespace tesmarik {

namespace {

using CommandTable = std::map<std::string_view, CommandHandler, std::less<>>;

CommandTable AllCommands() {
    CommandTable table;
    for (const std::span<const CommandRow> kind :
         {ActingCommands(), PlatformCommands(), LookingCommands(), ScriptCommands()}) {
        for (const CommandRow& row : kind) {
            if (!table.emplace(row.word, row.run).second) {
                throw std::logic_error("two commands are named " + std::string(row.word));
            }
        }
    }
    return table;
}

}  // namespace

void RunCommandLine(ScriptContext& s, const std::string& line) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') {
        return;
    }
    static const CommandTable commands = AllCommands();
    const std::size_t blank = line.find(' ');
    const std::string word = line.substr(0, blank);
    const auto command = commands.find(word);
    if (command == commands.end()) {
        throw ScriptError("unknown command '" + word + "'");
    }
    const bool none = blank == std::string::npos;
    command->second(s, CommandArgs{none ? std::string() : line.substr(blank + 1), none});
}

}  // namespace tesmarik
