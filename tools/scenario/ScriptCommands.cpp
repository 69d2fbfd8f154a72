// The commands that run other lines of the script.
#include "tools/scenario/Commands.h"

namespace tesmarik {

namespace {

// The line with every {n} replaced by the round's number.
std::string ForRound(const std::string& line, int round) {
    static const std::string kRound = "{n}";
    std::string out = line;
    const std::string number = std::to_string(round);
    for (std::size_t at = out.find(kRound); at != std::string::npos;
         at = out.find(kRound, at + number.size())) {
        out.replace(at, kRound.size(), number);
    }
    return out;
}

// repeat N LINE: runs LINE N times, {n} in it counting the rounds from 1.
void Repeat(ScriptContext& s, const CommandArgs& args) {
    const auto a = args.none ? std::vector<std::string>{"", ""} : Split(args.text, 2, true);
    if (a[1].empty()) {
        throw ScriptError("repeat takes a number and a command");
    }
    const int times = Integer(a[0]);
    if (times < 0) {
        throw ScriptError("a negative number of repeats");
    }
    if (a[1].substr(0, a[1].find(' ')) == "repeat") {
        throw ScriptError("a repeated line cannot be repeat");
    }
    for (int round = 1; round <= times; ++round) {
        RunCommandLine(s, ForRound(a[1], round));
    }
}

constexpr CommandRow kCommands[] = {
    {"repeat", Repeat},  // repeat N LINE
};

}  // namespace

std::span<const CommandRow> ScriptCommands() {
    return kCommands;
}

}  // namespace tesmarik
