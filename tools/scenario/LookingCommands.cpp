// The commands that print what the script asks to see, in the runner's escaped form.
#include "common/Numbers.h"
#include "tools/scenario/Commands.h"
#include "tools/scenario/PropertyText.h"

namespace tesmarik {

namespace {

// show PipeState Diameter (Wall, MassPerMetre): the pipe the mass tab works on.
void ShowPipeState(ScriptContext& s, const std::string& property) {
    const PipeState& pipe = s.window.state.pipe;
    const double* value = property == "Diameter"       ? &pipe.Diameter
                          : property == "Wall"         ? &pipe.Wall
                          : property == "MassPerMetre" ? &pipe.MassPerMetre
                                                       : nullptr;
    if (value == nullptr) {
        throw ScriptError("PipeState has no " + property);
    }
    s.out << "PipeState." << property << " = " << ShowNumber(*value) << '\n';
}

void Show(ScriptContext& s, const CommandArgs& args) {
    const auto a = Split(args.text, 2, false);
    if (a[0] == "PipeState") {
        ShowPipeState(s, a[1]);
        return;
    }
    const auto text = PropertyText(s.Find(a[0]), a[1]);
    if (!text) {
        throw ScriptError(a[0] + " has no property " + a[1]);
    }
    s.out << a[0] << '.' << a[1] << " = " << EscapeValue(*text) << '\n';
}

void Lines(ScriptContext& s, const CommandArgs& args) {
    const std::string name = Split(args.text, 1, false)[0];
    const auto& memo = s.FindKind<Memo>(name, ControlKind::Memo, "a memo");
    s.out << name << ".Lines.Count = " << memo.Lines.size() << '\n';
    for (std::size_t i = 0; i < memo.Lines.size(); ++i) {
        s.out << name << ".Lines[" << i << "] = " << EscapeValue(memo.Lines[i]) << '\n';
    }
}

void Cell(ScriptContext& s, const CommandArgs& args) {
    const auto a = Split(args.text, 3, false);
    const GridCell cell = s.FindCell(a[0], a[1], a[2]);
    s.out << a[0] << ".Cells[" << cell.col << ',' << cell.row
          << "] = " << EscapeValue(cell.grid.Cell(cell.col, cell.row)) << '\n';
}

void Grid(ScriptContext& s, const CommandArgs& args) {
    const std::string name = Split(args.text, 1, false)[0];
    const StringGrid& grid = s.FindGrid(name);
    s.out << name << ".RowCount = " << grid.RowCount << '\n';
    for (int r = 0; r < grid.RowCount; ++r) {
        s.out << name << ".Row[" << r << "] = ";
        for (int c = 0; c < grid.ColCount; ++c) {
            s.out << (c > 0 ? "|" : "") << EscapeValue(grid.Cell(c, r));
        }
        s.out << '\n';
    }
}

// How the grid's own OnDrawCell would paint the cell in the grid's present state.
CellPaint PaintOf(Window& w, const GridCell& cell) {
    const StringGrid& grid = cell.grid;
    const int col = cell.col;
    const int row = cell.row;
    DrawCellState state;
    state.fixed = row < grid.FixedRows;
    state.focused = grid.Focused && grid.Col == col && grid.Row == row;
    state.selected = !state.fixed && grid.Row == row && (grid.RowSelect || grid.Col == col);
    CellPaint paint;
    if (grid.OnDrawCell) {
        w.Dispatch([&] { paint = grid.OnDrawCell(col, row, state); });
    }
    return paint;
}

void Paint(ScriptContext& s, const CommandArgs& args) {
    const auto a = Split(args.text, 3, false);
    const GridCell cell = s.FindCell(a[0], a[1], a[2]);
    const std::string at = std::to_string(cell.col) + "," + std::to_string(cell.row);
    if (!cell.Within(0)) {
        throw ScriptError("no cell " + at + " in " + a[0]);
    }
    const CellPaint paint = PaintOf(s.window, cell);
    s.out << "paint " << a[0] << '[' << at << "] = ";
    if (!paint.fill) {
        s.out << "default\n";
        return;
    }
    s.out << "fill " << ColorText(*paint.fill);
    if (paint.text) {
        s.out << " text " << ColorText(*paint.text);
    }
    s.out << '\n';
}

constexpr CommandRow kCommands[] = {
    {"show", Show},    // show NAME PROP
    {"lines", Lines},  // lines NAME
    {"cell", Cell},    // cell NAME C R
    {"grid", Grid},    // grid NAME
    {"paint", Paint},  // paint NAME C R
};

}  // namespace

std::span<const CommandRow> LookingCommands() {
    return kCommands;
}

}  // namespace tesmarik
