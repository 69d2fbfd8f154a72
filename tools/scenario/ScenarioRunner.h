#pragma once

#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>

#include "app/Window.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {

// A line of a script that cannot be run: unknown command or name, wrong arguments.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

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
    Control& Find(const std::string& name) const;
    template <class T>
    T& FindKind(const std::string& name, ControlKind kind, const char* what) const;
    bool Reachable(const Control& c);

    void Pick(Control& c, int index);
    void TypeInto(Control& c, const std::string& text);
    void TypeIntoCell(StringGrid& grid, int col, int row, const std::string& text);
    void Key(Control& c, char32_t key);
    void Show(const std::string& name, const std::string& property);
    void Lines(const std::string& name);
    void Grid(const std::string& name);
    void Paint(const std::string& name, int col, int row);

    Window& w_;
    ScriptedPlatform& platform_;
    std::ostream& out_;
};

}  // namespace tesmarik
