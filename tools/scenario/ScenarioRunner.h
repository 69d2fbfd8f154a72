#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "app/Window.h"
#include "tools/scenario/ScriptArgs.h"
#include "tools/scenario/ScriptContext.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {

// Runs script lines against one window, acting as the user and printing what the script
// asks to see.
class ScenarioRunner {
public:
    ScenarioRunner(Window& window, ScriptedPlatform& platform, std::ostream& out);

    // Runs the whole script; 0, or 2 after a line that cannot be run (said on err).
    int Run(std::istream& in, std::ostream& err);
    // Runs one line; throws ScriptError when it cannot be run.
    void RunLine(const std::string& line);

private:
    ScriptContext context_;
};

}  // namespace tesmarik
