#include "tools/scenario/ScenarioRunner.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "app/Unit1.h"
#include "app/UserActions.h"
#include "common/Numbers.h"
#include "common/Text.h"
#include "files/QtFiles.h"
#include "tools/scenario/PropertyText.h"

namespace tesmarik {

namespace {

// Splits off `count` arguments separated by one blank each; with `restRunsToEnd` the last
// one takes the rest of the line, blanks and all (and may be empty).
std::vector<std::string> Split(const std::string& args, std::size_t count, bool restRunsToEnd) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (out.size() + 1 < count || (!restRunsToEnd && out.size() < count)) {
        if (start > args.size()) {
            break;
        }
        const std::size_t blank = args.find(' ', start);
        if (blank == std::string::npos) {
            out.push_back(args.substr(start));
            start = args.size() + 1;
            break;
        }
        out.push_back(args.substr(start, blank - start));
        start = blank + 1;
    }
    if (restRunsToEnd && out.size() + 1 == count) {
        out.push_back(start <= args.size() ? args.substr(start) : std::string());
    }
    if (out.size() != count || (!restRunsToEnd && start <= args.size())) {
        throw ScriptError("wrong number of arguments");
    }
    for (std::size_t i = 0; i + (restRunsToEnd ? 1 : 0) < out.size(); ++i) {
        if (out[i].empty()) {
            throw ScriptError("empty argument");
        }
    }
    return out;
}

int Integer(const std::string& text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        throw ScriptError("'" + text + "' is not a whole number");
    }
    return value;
}

// \r, \n, \t and \\ in the text arguments of the script.
std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            const char* plain = next == 'r'    ? "\r"
                                : next == 'n'  ? "\n"
                                : next == 't'  ? "\t"
                                : next == '\\' ? "\\"
                                               : nullptr;
            if (plain != nullptr) {
                out += plain;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::vector<char32_t> CodePoints(const std::string& utf8) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t cp = length == 1 ? byte : byte & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + static_cast<std::size_t>(k) < utf8.size(); ++k) {
            cp = (cp << 6) |
                 (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
        }
        out.push_back(cp);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

DateTime ParseDateTime(const std::string& date, const std::string& time) {
    DateTime t;
    char tail = 0;
    if (std::sscanf(date.c_str(), "%4d-%2d-%2d%c", &t.year, &t.month, &t.day, &tail) != 3 ||
        std::sscanf(time.c_str(), "%2d:%2d:%2d%c", &t.hour, &t.minute, &t.second, &tail) != 3 ||
        t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 ||
        t.second > 59 || t.hour < 0 || t.minute < 0 || t.second < 0) {
        throw ScriptError("'" + date + " " + time + "' is not a date and time YYYY-MM-DD HH:MM:SS");
    }
    return t;
}

}  // namespace

ScenarioRunner::ScenarioRunner(Window& window, ScriptedPlatform& platform, std::ostream& out)
    : w_(window), platform_(platform), out_(out) {}

int ScenarioRunner::Run(std::istream& in, std::ostream& err) {
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        try {
            RunLine(line);
        } catch (const ScriptError& e) {
            out_.flush();
            err << "line " << number << ": " << e.what() << '\n';
            return 2;
        }
    }
    return 0;
}

Control& ScenarioRunner::Find(const std::string& name) const {
    // The windows open over the main window come first, the one on top before the others.
    const auto& dialogs = w_.dialogs.Stack();
    for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it) {
        if (Control* c = (*it)->Find(name)) {
            return *c;
        }
    }
    Control* c = w_.form.Find(name);
    if (c == nullptr) {
        throw ScriptError("unknown control '" + name + "'");
    }
    return *c;
}

template <class T>
T& ScenarioRunner::FindKind(const std::string& name, ControlKind kind, const char* what) const {
    Control& c = Find(name);
    if (c.Kind != kind) {
        throw ScriptError(name + " is not " + what);
    }
    return static_cast<T&>(c);
}

bool ScenarioRunner::Reachable(const Control& c) {
    if (IsReachable(c)) {
        return true;
    }
    out_ << "refused: " << c.Name << " is not reachable\n";
    return false;
}

void ScenarioRunner::RunLine(const std::string& line) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') {
        return;
    }
    const std::size_t blank = line.find(' ');
    const std::string command = line.substr(0, blank);
    const std::string args = blank == std::string::npos ? std::string() : line.substr(blank + 1);
    const bool noArgs = blank == std::string::npos;

    if (command == "pick" || command == "choose") {
        const auto a = Split(args, 2, command == "choose");
        Control& c = Find(a[0]);
        if (c.Kind != ControlKind::ComboBox && c.Kind != ControlKind::RadioGroup) {
            throw ScriptError(a[0] + " is not a drop-down list or radio group");
        }
        const auto& items = c.Kind == ControlKind::ComboBox ? static_cast<ComboBox&>(c).Items
                                                            : static_cast<RadioGroup&>(c).Items;
        if (!Reachable(c)) {
            return;
        }
        int index = -1;
        if (command == "pick") {
            index = Integer(a[1]);
        } else {
            const std::string text = Unescape(a[1]);
            for (std::size_t i = 0; i < items.size(); ++i) {
                if (items[i] == text) {
                    index = static_cast<int>(i);
                    break;
                }
            }
        }
        if (index < 0 || index >= static_cast<int>(items.size())) {
            throw ScriptError(a[0] + " has no item " + a[1]);
        }
        Pick(c, index);
    } else if (command == "type" || command == "settext") {
        const auto a = noArgs ? throw ScriptError("missing arguments") : Split(args, 2, true);
        Control& c = Find(a[0]);
        const bool editable = c.Kind == ControlKind::Edit || c.Kind == ControlKind::Memo ||
                              (c.Kind == ControlKind::ComboBox &&
                               static_cast<ComboBox&>(c).Style == ComboStyle::Editable);
        if (!editable) {
            throw ScriptError(a[0] + " is not an edit field or editable list");
        }
        if (!Reachable(c)) {
            return;
        }
        const std::string text = Unescape(a[1]);
        if (command == "type") {
            TypeInto(c, text);
        } else {
            ChangeText(w_, c, text);
        }
    } else if (command == "typecell") {
        const auto a = Split(args, 4, true);
        auto& grid = FindKind<StringGrid>(a[0], ControlKind::StringGrid, "a string grid");
        const int col = Integer(a[1]);
        const int row = Integer(a[2]);
        if (col < 0 || col >= grid.ColCount || row < grid.FixedRows || row >= grid.RowCount) {
            throw ScriptError("no editable cell " + a[1] + "," + a[2] + " in " + a[0]);
        }
        if (!Reachable(grid)) {
            return;
        }
        TypeIntoCell(grid, col, row, Unescape(a[3]));
    } else if (command == "key") {
        const auto a = Split(args, 2, false);
        Control& c = Find(a[0]);
        if (a[1] != "enter" && a[1] != "backspace") {
            throw ScriptError("unknown key '" + a[1] + "'");
        }
        if (c.Kind != ControlKind::Edit && c.Kind != ControlKind::ComboBox &&
            c.Kind != ControlKind::StringGrid) {
            throw ScriptError(a[0] + " takes no keys");
        }
        if (!Reachable(c)) {
            return;
        }
        Key(c, a[1] == "enter" ? U'\r' : U'\b');
    } else if (command == "click") {
        const auto a = Split(args, 1, false);
        Control& c = Find(a[0]);
        const ControlKind k = c.Kind;
        if (k != ControlKind::Button && k != ControlKind::BitBtn && k != ControlKind::Label &&
            k != ControlKind::StaticText && k != ControlKind::Image && k != ControlKind::CheckBox) {
            throw ScriptError(a[0] + " cannot be clicked");
        }
        if (!Reachable(c)) {
            return;
        }
        ClickControl(w_, c);
    } else if (command == "hover" || command == "leave") {
        const auto a = Split(args, 1, false);
        Control& c = Find(a[0]);
        if (!Reachable(c)) {
            return;
        }
        command == "hover" ? HoverControl(w_, c) : LeaveControl(w_, c);
    } else if (command == "menu") {
        const auto a = Split(args, 2, true);
        Control& c = Find(a[0]);
        const std::string caption = Unescape(a[1]);
        const auto& items = c.PopupMenu;
        const auto item = std::find_if(items.begin(), items.end(), [&caption](const MenuItem& m) {
            return m.Caption == caption;
        });
        if (item == items.end()) {
            throw ScriptError(a[0] + " has no menu item " + a[1]);
        }
        if (!Reachable(c)) {
            return;
        }
        ChooseMenuItem(w_, c, static_cast<std::size_t>(item - items.begin()));
    } else if (command == "close") {
        const auto a = Split(args, 1, false);
        ControlRegistry* dialog = w_.dialogs.OpenNamed(a[0]);
        if (dialog == nullptr) {
            throw ScriptError(a[0] + " is not an open dialog window");
        }
        CloseWindow(w_, FormOf(*dialog));
    } else if (command == "tab") {
        const auto a = Split(args, 1, false);
        PageControl& pages = w_.form.PageControl1;
        const int index = Integer(a[0]);
        if (index < 0 || index >= static_cast<int>(pages.Pages.size())) {
            throw ScriptError("PageControl1 has no tab " + a[0]);
        }
        if (!Reachable(pages)) {
            return;
        }
        ChangePage(w_, pages, index);
    } else if (command == "focus") {
        const auto a = Split(args, 3, false);
        auto& grid = FindKind<StringGrid>(a[0], ControlKind::StringGrid, "a string grid");
        const int col = Integer(a[1]);
        const int row = Integer(a[2]);
        if (col < 0 || col >= grid.ColCount || row < 0 || row >= grid.RowCount) {
            throw ScriptError("no cell " + a[1] + "," + a[2] + " in " + a[0]);
        }
        if (!Reachable(grid)) {
            return;
        }
        for (Control* other : w_.form.All()) {
            if (other->Kind == ControlKind::StringGrid) {
                static_cast<StringGrid*>(other)->Focused = false;
            }
        }
        grid.Focused = true;
        grid.Col = col;
        grid.Row = row;
    } else if (command == "tick") {
        const int times = noArgs ? 1 : Integer(Split(args, 1, false)[0]);
        if (times < 0) {
            throw ScriptError("a negative number of ticks");
        }
        for (int i = 0; i < times; ++i) {
            w_.Dispatch(w_.form.Timer1.OnTimer);
        }
    } else if (command == "activate") {
        if (!noArgs) {
            throw ScriptError("activate takes no arguments");
        }
        w_.Activate();
    } else if (command == "answer") {
        const auto a = Split(args, 1, false);
        if (a[0] != "ok" && a[0] != "cancel") {
            throw ScriptError("answer takes ok or cancel");
        }
        platform_.QueueAnswer(a[0] == "ok");
    } else if (command == "saveas") {
        const auto a = Split(args, 1, true);
        if (a[0].empty()) {
            throw ScriptError("saveas takes a path or cancel");
        }
        platform_.QueueSaveAs(a[0] == "cancel" ? std::nullopt : std::optional(Unescape(a[0])));
    } else if (command == "download") {
        if (args == "fail") {
            platform_.QueueDownload(std::nullopt);
        } else {
            const auto a = Split(args, 2, false);
            if (a[0] != "ok") {
                throw ScriptError("download takes ok FILE or fail");
            }
            if (!std::filesystem::is_regular_file(a[1])) {
                throw ScriptError("no file '" + a[1] + "'");
            }
            platform_.QueueDownload(std::filesystem::absolute(a[1]).string());
        }
    } else if (command == "now") {
        const auto a = Split(args, 2, false);
        platform_.SetNow(ParseDateTime(a[0], a[1]));
    } else if (command == "pricefile") {
        const std::string path = platform_.PriceFilePath();
        if (args == "none") {
            std::filesystem::remove(path);
            platform_.SetPriceFileLocked(false);
        } else if (args == "locked") {
            if (!std::filesystem::exists(path)) {
                QtFiles::WriteBytes(path, "");
            }
            platform_.SetPriceFileLocked(true);
        } else {
            const auto a = Split(args, 3, false);
            const DateTime t = ParseDateTime(a[1], a[2]);
            std::error_code error;
            std::filesystem::copy_file(a[0], path,
                                       std::filesystem::copy_options::overwrite_existing, error);
            if (error || !QtFiles::SetLastWrite(path, t)) {
                throw ScriptError("cannot place '" + a[0] + "' as the price file");
            }
            platform_.SetPriceFileLocked(false);
        }
    } else if (command == "show") {
        const auto a = Split(args, 2, false);
        Show(a[0], a[1]);
    } else if (command == "lines") {
        Lines(Split(args, 1, false)[0]);
    } else if (command == "cell") {
        const auto a = Split(args, 3, false);
        const auto& grid = FindKind<StringGrid>(a[0], ControlKind::StringGrid, "a string grid");
        out_ << a[0] << ".Cells[" << Integer(a[1]) << ',' << Integer(a[2])
             << "] = " << EscapeValue(grid.Cell(Integer(a[1]), Integer(a[2]))) << '\n';
    } else if (command == "grid") {
        Grid(Split(args, 1, false)[0]);
    } else if (command == "paint") {
        const auto a = Split(args, 3, false);
        Paint(a[0], Integer(a[1]), Integer(a[2]));
    } else {
        throw ScriptError("unknown command '" + command + "'");
    }
}

void ScenarioRunner::Pick(Control& c, int index) {
    if (c.Kind == ControlKind::RadioGroup) {
        PickRadio(w_, static_cast<RadioGroup&>(c), index);
    } else {
        PickItem(w_, static_cast<ComboBox&>(c), index);
    }
}

void ScenarioRunner::TypeInto(Control& c, const std::string& text) {
    for (const char32_t key : CodePoints(text)) {
        if (c.Kind == ControlKind::Memo) {
            TypeIntoMemo(static_cast<Memo&>(c), key);
        } else {
            TypeCharacter(w_, c, key);
        }
    }
}

void ScenarioRunner::TypeIntoCell(StringGrid& grid, int col, int row, const std::string& text) {
    grid.Col = col;
    grid.Row = row;
    for (const char32_t key : CodePoints(text)) {
        ::tesmarik::TypeIntoCell(w_, grid, key);
    }
}

void ScenarioRunner::Key(Control& c, char32_t key) {
    if (c.Kind == ControlKind::StringGrid) {
        ::tesmarik::TypeIntoCell(w_, static_cast<StringGrid&>(c), key);
    } else {
        PressEditKey(w_, c, key);
    }
}

void ScenarioRunner::Show(const std::string& name, const std::string& property) {
    if (name == "PipeState") {
        const PipeState& pipe = w_.state.pipe;
        const double* value = property == "Diameter"       ? &pipe.Diameter
                              : property == "Wall"         ? &pipe.Wall
                              : property == "MassPerMetre" ? &pipe.MassPerMetre
                                                           : nullptr;
        if (value == nullptr) {
            throw ScriptError("PipeState has no " + property);
        }
        out_ << "PipeState." << property << " = " << ShowNumber(*value) << '\n';
        return;
    }
    const Control& c = Find(name);
    const auto text = PropertyText(c, property);
    if (!text) {
        throw ScriptError(name + " has no property " + property);
    }
    out_ << name << '.' << property << " = " << EscapeValue(*text) << '\n';
}

void ScenarioRunner::Lines(const std::string& name) {
    const auto& memo = FindKind<Memo>(name, ControlKind::Memo, "a memo");
    out_ << name << ".Lines.Count = " << memo.Lines.size() << '\n';
    for (std::size_t i = 0; i < memo.Lines.size(); ++i) {
        out_ << name << ".Lines[" << i << "] = " << EscapeValue(memo.Lines[i]) << '\n';
    }
}

void ScenarioRunner::Grid(const std::string& name) {
    const auto& grid = FindKind<StringGrid>(name, ControlKind::StringGrid, "a string grid");
    out_ << name << ".RowCount = " << grid.RowCount << '\n';
    for (int r = 0; r < grid.RowCount; ++r) {
        out_ << name << ".Row[" << r << "] = ";
        for (int c = 0; c < grid.ColCount; ++c) {
            out_ << (c > 0 ? "|" : "") << EscapeValue(grid.Cell(c, r));
        }
        out_ << '\n';
    }
}

void ScenarioRunner::Paint(const std::string& name, int col, int row) {
    const auto& grid = FindKind<StringGrid>(name, ControlKind::StringGrid, "a string grid");
    if (col < 0 || col >= grid.ColCount || row < 0 || row >= grid.RowCount) {
        throw ScriptError("no cell " + std::to_string(col) + "," + std::to_string(row) + " in " +
                          name);
    }
    DrawCellState state;
    state.fixed = row < grid.FixedRows;
    state.focused = grid.Focused && grid.Col == col && grid.Row == row;
    state.selected = !state.fixed && grid.Row == row && (grid.RowSelect || grid.Col == col);
    CellPaint paint;
    if (grid.OnDrawCell) {
        w_.Dispatch([&] { paint = grid.OnDrawCell(col, row, state); });
    }
    out_ << "paint " << name << '[' << col << ',' << row << "] = ";
    if (!paint.fill) {
        out_ << "default\n";
        return;
    }
    out_ << "fill " << ColorText(*paint.fill);
    if (paint.text) {
        out_ << " text " << ColorText(*paint.text);
    }
    out_ << '\n';
}

}  // namespace tesmarik
