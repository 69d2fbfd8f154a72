#pragma once

#include <ostream>
#include <string>

#include "app/Window.h"
#include "tools/scenario/ScriptArgs.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {

// A cell of a grid as a script names it: NAME C R.
struct GridCell {
    StringGrid& grid;
    int col;
    int row;

    // Whether the grid has the cell, from row firstRow on.
    bool Within(int firstRow) const {
        return col >= 0 && col < grid.ColCount && row >= firstRow && row < grid.RowCount;
    }
};

// What the commands of a script act on, and where they print.
struct ScriptContext {
    Window& window;
    ScriptedPlatform& platform;
    std::ostream& out;
    bool ended = false;  // the main window was closed: the program is over

    // The control of that name; a ScriptError when there is none. "FORM.NAME" names the
    // control of that form (Form1 or an open window), where a window over Form1 has a
    // control of the same name.
    Control& Find(const std::string& name) const;
    // The control of that name, which must be of that kind (`what` names it in the error).
    template <class T>
    T& FindKind(const std::string& name, ControlKind kind, const char* what) const {
        Control& c = Find(name);
        if (c.Kind != kind) {
            throw ScriptError(name + " is not " + what);
        }
        return static_cast<T&>(c);
    }
    StringGrid& FindGrid(const std::string& name) const {
        return FindKind<StringGrid>(name, ControlKind::StringGrid, "a string grid");
    }
    // The grid of that name and the cell's column and row, which must be whole numbers.
    GridCell FindCell(const std::string& name, const std::string& col,
                      const std::string& row) const;
    // Whether the user can reach the control; when not, says so on the output.
    bool Reachable(const Control& c) const;
};

}  // namespace tesmarik
