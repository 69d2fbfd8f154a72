#include "tools/scenario/ScenarioRunner.h"

#include "tools/scenario/Commands.h"

namespace tesmarik {

ScenarioRunner::ScenarioRunner(Window& window, ScriptedPlatform& platform, std::ostream& out)
    : context_{window, platform, out} {}

int ScenarioRunner::Run(std::istream& in, std::ostream& err) {
    std::string line;
    int number = 0;
    while (!context_.ended && std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        try {
            RunLine(line);
        } catch (const ScriptError& e) {
            context_.out.flush();
            err << "line " << number << ": " << e.what() << '\n';
            return 2;
        }
    }
    return 0;
}

void ScenarioRunner::RunLine(const std::string& line) {
    RunCommandLine(context_, line);
}

}  // namespace tesmarik
