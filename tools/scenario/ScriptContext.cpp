#include "tools/scenario/ScriptContext.h"

namespace tesmarik {

Control& ScriptContext::Find(const std::string& name) const {
    if (const auto dot = name.find('.'); dot != std::string::npos) {
        const std::string form = name.substr(0, dot);
        const ControlRegistry* registry =
            form == window.form.Form1.Name ? &window.form : window.dialogs.OpenNamed(form);
        Control* c = registry != nullptr ? registry->Find(name.substr(dot + 1)) : nullptr;
        if (c == nullptr) {
            throw ScriptError("unknown control '" + name + "'");
        }
        return *c;
    }
    // The windows open over the main window come first, the one on top before the others.
    const auto& dialogs = window.dialogs.Stack();
    for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it) {
        if (Control* c = (*it)->Find(name)) {
            return *c;
        }
    }
    Control* c = window.form.Find(name);
    if (c == nullptr) {
        throw ScriptError("unknown control '" + name + "'");
    }
    return *c;
}

GridCell ScriptContext::FindCell(const std::string& name, const std::string& col,
                                 const std::string& row) const {
    StringGrid& grid = FindGrid(name);
    return {grid, Integer(col), Integer(row)};
}

bool ScriptContext::Reachable(const Control& c) const {
    if (IsReachable(c)) {
        return true;
    }
    out << "refused: " << c.Name << " is not reachable\n";
    return false;
}

}  // namespace tesmarik
