#include "tools/scenario/ScriptContext.h"

namespace tesmarik {

Control& ScriptContext::Find(const std::string& name) const {
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
