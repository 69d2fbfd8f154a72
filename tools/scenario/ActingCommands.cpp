// The commands that act as the user: each checks its arguments, is refused when the user
// cannot reach the control, and otherwise does what the user would, through UserActions.
#include <algorithm>

#include "app/UserActions.h"
#include "common/Text.h"
#include "tools/scenario/Commands.h"

namespace tesmarik {

namespace {

// The items of a drop-down list or radio group.
const std::vector<std::string>& ItemsOf(const std::string& name, const Control& c) {
    if (c.Kind == ControlKind::ComboBox) {
        return static_cast<const ComboBox&>(c).Items;
    }
    if (c.Kind == ControlKind::RadioGroup) {
        return static_cast<const RadioGroup&>(c).Items;
    }
    throw ScriptError(name + " is not a drop-down list or radio group");
}

int IndexOfText(const std::vector<std::string>& items, const std::string& text) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// pick and choose: a[1] names the item by its index, or by its text.
void PickNamedItem(ScriptContext& s, const std::vector<std::string>& a, bool byText) {
    Control& c = s.Find(a[0]);
    const auto& items = ItemsOf(a[0], c);
    if (!s.Reachable(c)) {
        return;
    }
    const int index = byText ? IndexOfText(items, Unescape(a[1])) : Integer(a[1]);
    if (index < 0 || index >= static_cast<int>(items.size())) {
        throw ScriptError(a[0] + " has no item " + a[1]);
    }
    if (c.Kind == ControlKind::RadioGroup) {
        PickRadio(s.window, static_cast<RadioGroup&>(c), index);
    } else {
        PickItem(s.window, static_cast<ComboBox&>(c), index);
    }
}

void Pick(ScriptContext& s, const CommandArgs& args) {
    PickNamedItem(s, Split(args.text, 2, false), false);
}

void Choose(ScriptContext& s, const CommandArgs& args) {
    PickNamedItem(s, Split(args.text, 2, true), true);
}

// type and settext: the field named by the first argument and the text that follows it;
// no field when the user cannot reach it.
std::pair<Control*, std::string> FieldAndText(ScriptContext& s, const CommandArgs& args) {
    const auto a = args.none ? throw ScriptError("missing arguments") : Split(args.text, 2, true);
    Control& c = s.Find(a[0]);
    const bool editable = c.Kind == ControlKind::Edit || c.Kind == ControlKind::Memo ||
                          (c.Kind == ControlKind::ComboBox &&
                           static_cast<ComboBox&>(c).Style == ComboStyle::Editable);
    if (!editable) {
        throw ScriptError(a[0] + " is not an edit field or editable list");
    }
    return {s.Reachable(c) ? &c : nullptr, Unescape(a[1])};
}

void Type(ScriptContext& s, const CommandArgs& args) {
    const auto [field, text] = FieldAndText(s, args);
    if (field == nullptr) {
        return;
    }
    for (const char32_t key : CodePoints(text)) {
        if (field->Kind == ControlKind::Memo) {
            TypeIntoMemo(static_cast<Memo&>(*field), key);
        } else {
            TypeCharacter(s.window, *field, key);
        }
    }
}

void SetText(ScriptContext& s, const CommandArgs& args) {
    const auto [field, text] = FieldAndText(s, args);
    if (field != nullptr) {
        ChangeText(s.window, *field, text);
    }
}

void TypeCell(ScriptContext& s, const CommandArgs& args) {
    const auto a = Split(args.text, 4, true);
    const GridCell cell = s.FindCell(a[0], a[1], a[2]);
    if (!cell.Within(cell.grid.FixedRows)) {
        throw ScriptError("no editable cell " + a[1] + "," + a[2] + " in " + a[0]);
    }
    if (!s.Reachable(cell.grid)) {
        return;
    }
    MoveToCell(cell.grid, cell.col, cell.row);
    // The text goes at the end of what the cell holds: a grid that replaces a cell's text
    // on typing is first put to editing it in place, as F2 does.
    if (!cell.grid.Editable && !cell.grid.Editing) {
        TypeIntoCell(s.window, cell.grid, kEditCellKey);
    }
    for (const char32_t key : CodePoints(Unescape(a[3]))) {
        TypeIntoCell(s.window, cell.grid, key);
    }
}

void Key(ScriptContext& s, const CommandArgs& args) {
    const auto a = Split(args.text, 2, false);
    Control& c = s.Find(a[0]);
    if (a[1] != "enter" && a[1] != "backspace" && a[1] != "delete") {
        throw ScriptError("unknown key '" + a[1] + "'");
    }
    if (c.Kind != ControlKind::Edit && c.Kind != ControlKind::ComboBox &&
        c.Kind != ControlKind::StringGrid) {
        throw ScriptError(a[0] + " takes no keys");
    }
    if (!s.Reachable(c)) {
        return;
    }
    const char32_t key = a[1] == "enter" ? U'\r' : a[1] == "backspace" ? U'\b' : kDeleteKey;
    if (key == kDeleteKey && c.Kind != ControlKind::StringGrid) {
        throw ScriptError(a[0] + " takes no delete key");
    }
    if (c.Kind == ControlKind::StringGrid) {
        TypeIntoCell(s.window, static_cast<StringGrid&>(c), key);
    } else {
        PressEditKey(s.window, c, key);
    }
}

void Click(ScriptContext& s, const CommandArgs& args) {
    const auto a = Split(args.text, 1, false);
    Control& c = s.Find(a[0]);
    const ControlKind k = c.Kind;
    if (k != ControlKind::Button && k != ControlKind::BitBtn && k != ControlKind::Label &&
        k != ControlKind::StaticText && k != ControlKind::Image && k != ControlKind::CheckBox) {
        throw ScriptError(a[0] + " cannot be clicked");
    }
    if (s.Reachable(c)) {
        ClickControl(s.window, c);
    }
}

// hover and leave: the one control named, when the user can reach it.
Control* ReachableControl(ScriptContext& s, const CommandArgs& args) {
    Control& c = s.Find(Split(args.text, 1, false)[0]);
    return s.Reachable(c) ? &c : nullptr;
}

void Hover(ScriptContext& s, const CommandArgs& args) {
    if (Control* c = ReachableControl(s, args)) {
        HoverControl(s.window, *c);
    }
}

void Leave(ScriptContext& s, const CommandArgs& args) {
    if (Control* c = ReachableControl(s, args)) {
        LeaveControl(s.window, *c);
    }
}

void Tab(ScriptContext& s, const CommandArgs& args) {
    const auto a = Split(args.text, 1, false);
    PageControl& pages = s.window.form.PageControl1;
    const int index = Integer(a[0]);
    if (index < 0 || index >= static_cast<int>(pages.Pages.size())) {
        throw ScriptError("PageControl1 has no tab " + a[0]);
    }
    if (s.Reachable(pages)) {
        ChangePage(s.window, pages, index);
    }
}

void Focus(ScriptContext& s, const CommandArgs& args) {
    const auto a = Split(args.text, 3, false);
    const GridCell cell = s.FindCell(a[0], a[1], a[2]);
    if (!cell.Within(0)) {
        throw ScriptError("no cell " + a[1] + "," + a[2] + " in " + a[0]);
    }
    if (!s.Reachable(cell.grid)) {
        return;
    }
    for (Control* other : s.window.form.All()) {
        if (other->Kind == ControlKind::StringGrid) {
            static_cast<StringGrid*>(other)->Focused = false;
        }
    }
    cell.grid.Focused = true;
    MoveToCell(cell.grid, cell.col, cell.row);
}

void Tick(ScriptContext& s, const CommandArgs& args) {
    const int times = args.none ? 1 : Integer(Split(args.text, 1, false)[0]);
    if (times < 0) {
        throw ScriptError("a negative number of ticks");
    }
    for (int i = 0; i < times; ++i) {
        s.window.Dispatch(s.window.form.Timer1.OnTimer);
    }
}

void Activate(ScriptContext& s, const CommandArgs& args) {
    if (!args.none) {
        throw ScriptError("activate takes no arguments");
    }
    ActivateWindow(s.window);
}

// menu NAME ITEM: the context menu of NAME opened, and the item of that exact caption
// chosen.
void Menu(ScriptContext& s, const CommandArgs& args) {
    const auto a = args.none ? throw ScriptError("missing arguments") : Split(args.text, 2, true);
    Control& c = s.Find(a[0]);
    const std::string caption = Unescape(a[1]);
    const auto& items = c.PopupMenu;
    const auto it = std::find_if(items.begin(), items.end(),
                                 [&](const MenuItem& item) { return item.Caption == caption; });
    if (it == items.end()) {
        throw ScriptError(a[0] + " has no menu item " + a[1]);
    }
    if (s.Reachable(c)) {
        ChooseMenuItem(s.window, c, static_cast<std::size_t>(it - items.begin()));
    }
}

// close NAME: the window NAME open over the main window closed by its close button;
// close Form1 closes the main window, which ends the run when the program may end; a
// modal window over it blocks its close button as it blocks its controls.
void Close(ScriptContext& s, const CommandArgs& args) {
    const auto a = Split(args.text, 1, false);
    if (a[0] == s.window.form.Form1.Name) {
        if (s.Reachable(s.window.form.Form1) && CloseMainWindow(s.window)) {
            s.out << "closed: " << a[0] << '\n';
            s.ended = true;
        }
        return;
    }
    ControlRegistry* dialog = s.window.dialogs.OpenNamed(a[0]);
    if (dialog == nullptr) {
        throw ScriptError(a[0] + " is not an open dialog window");
    }
    CloseWindow(s.window, FormOf(*dialog));
}

constexpr CommandRow kCommands[] = {
    {"pick", Pick},          // pick NAME INDEX
    {"choose", Choose},      // choose NAME TEXT
    {"type", Type},          // type NAME TEXT
    {"settext", SetText},    // settext NAME TEXT
    {"typecell", TypeCell},  // typecell NAME C R TEXT
    {"key", Key},            // key NAME enter|backspace|delete
    {"click", Click},        // click NAME
    {"hover", Hover},        // hover NAME
    {"leave", Leave},        // leave NAME
    {"tab", Tab},            // tab INDEX
    {"focus", Focus},        // focus NAME C R
    {"tick", Tick},          // tick [N]
    {"activate", Activate},  // activate
    {"menu", Menu},          // menu NAME ITEM
    {"close", Close},        // close NAME
};

}  // namespace

std::span<const CommandRow> ActingCommands() {
    return kCommands;
}

}  // namespace tesmarik
