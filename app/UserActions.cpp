#include "app/UserActions.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/Text.h"

namespace tesmarik {

namespace {

// The key and change slots of the kinds that take typed text.
struct FieldSlots {
    const KeyEvent* onKeyPress = nullptr;
    const Event* onChange = nullptr;
    const Event* onKeyUp = nullptr;
};

FieldSlots SlotsOf(Control& field) {
    switch (field.Kind) {
        case ControlKind::Edit: {
            auto& edit = static_cast<Edit&>(field);
            return {&edit.OnKeyPress, &edit.OnChange, &edit.OnKeyUp};
        }
        case ControlKind::ComboBox: {
            auto& box = static_cast<ComboBox&>(field);
            return {&box.OnKeyPress, &box.OnChange, &box.OnKeyUp};
        }
        case ControlKind::StringGrid:
            return {&static_cast<StringGrid&>(field).OnKeyPress, nullptr, nullptr};
        default:
            return {};
    }
}

bool TakesText(const Control& field) {
    return field.Kind == ControlKind::Edit ||
           (field.Kind == ControlKind::ComboBox &&
            static_cast<const ComboBox&>(field).Style == ComboStyle::Editable);
}

}  // namespace

void PickItem(Window& w, ComboBox& box, int index) {
    box.SetItemIndex(index);
    w.Dispatch(box.OnClick);
    w.Dispatch(box.OnChange);
}

void PickRadio(Window& w, RadioGroup& group, int index) {
    w.Dispatch([&group, index] { group.SetItemIndex(index); });
}

void ClickControl(Window& w, Control& control) {
    if (control.Kind == ControlKind::CheckBox) {
        auto& box = static_cast<CheckBox&>(control);
        box.Checked = !box.Checked;
    }
    w.Dispatch(control.OnClick);
}

void HoverControl(Window& w, Control& control) {
    w.Dispatch(control.OnMouseMove);
}

void LeaveControl(Window& w, Control& control) {
    w.Dispatch(control.OnMouseLeave);
}

void ChooseMenuItem(Window& w, Control& control, std::size_t index) {
    if (index < control.PopupMenu.size()) {
        // A copy: the handler may rebuild the menu it was chosen from.
        const Event handler = control.PopupMenu[index].OnClick;
        w.Dispatch(handler);
    }
}

void ActivateWindow(Window& w) {
    w.Dispatch(w.form.Form1.OnActivate);
}

namespace {

// The form's close query, through the window's error path: a query that fails keeps the
// window open.
bool MayClose(Window& w, FormControl& form) {
    if (!form.OnCloseQuery) {
        return true;
    }
    bool may = false;
    const std::function<bool()> query = form.OnCloseQuery;
    w.Dispatch([&may, &query] { may = query(); });
    return may;
}

}  // namespace

void CloseWindow(Window& w, FormControl& form) {
    if (MayClose(w, form)) {
        w.dialogs.Close(form);
    }
}

bool CloseMainWindow(Window& w) {
    return MayClose(w, w.form.Form1);
}

void ChangePage(Window& w, PageControl& pages, int index) {
    if (index < 0 || index >= static_cast<int>(pages.Pages.size()) ||
        index == pages.ActivePageIndex) {
        return;
    }
    pages.ActivePageIndex = index;
    w.Dispatch(pages.OnChange);
}

void PressKey(Window& w, Control& field, char32_t key) {
    if (const KeyEvent* slot = SlotsOf(field).onKeyPress) {
        w.DispatchKey(*slot, key);
    }
}

void ChangeText(Window& w, Control& field, std::string text) {
    if (field.Kind == ControlKind::Memo) {
        static_cast<Memo&>(field).SetJoinedText(text);
        return;
    }
    if (field.Kind == ControlKind::Edit) {
        const std::size_t limit = static_cast<Edit&>(field).MaxLength;
        if (limit > 0 && CharCount(text) > limit) {
            text = FirstChars(text, limit);
        }
    }
    field.Text = std::move(text);
    if (const Event* slot = SlotsOf(field).onChange) {
        w.Dispatch(*slot);
    }
}

void ReleaseKey(Window& w, Control& field) {
    if (const Event* slot = SlotsOf(field).onKeyUp) {
        w.Dispatch(*slot);
    }
}

void TypeCharacter(Window& w, Control& field, char32_t key) {
    PressKey(w, field, key);
    std::string text = field.Text;
    AppendCodePoint(text, key);
    ChangeText(w, field, std::move(text));
    ReleaseKey(w, field);
}

void PressEditKey(Window& w, Control& field, char32_t key) {
    PressKey(w, field, key);
    if (key == U'\b' && TakesText(field) && !field.Text.empty()) {
        std::string text = field.Text;
        RemoveLastChar(text);
        ChangeText(w, field, std::move(text));
    }
}

void TypeIntoMemo(Memo& memo, char32_t key) {
    auto& lines = memo.Lines;
    const bool lineBreak = key == U'\r' || key == U'\n';
    if (lines.empty() || lineBreak) {
        lines.emplace_back();
    }
    if (!lineBreak) {
        AppendCodePoint(lines.back(), key);
    }
}

void TypeIntoCell(Window& w, StringGrid& grid, char32_t key) {
    PressKey(w, grid, key);
    if (!grid.Editable || grid.Row < grid.FixedRows || grid.Row >= grid.RowCount || grid.Col < 0 ||
        grid.Col >= grid.ColCount) {
        return;
    }
    std::string& cell = grid.CellRef(grid.Col, grid.Row);
    if (key == U'\b') {
        RemoveLastChar(cell);
    } else if (key >= 0x20 && key != kDeleteKey && key < kEditCellKey) {
        AppendCodePoint(cell, key);
    }
}

void MoveToCell(StringGrid& grid, int col, int row) {
    if (grid.Col != col || grid.Row != row) {
        grid.Editing = false;
    }
    grid.Col = col;
    grid.Row = row;
}

void PasteIntoCells(Window& w, StringGrid& grid, const std::string& text) {
    if (!grid.Editable || grid.Col < 0 || grid.Col >= grid.ColCount) {
        return;
    }
    std::vector<std::u32string> lines(1);
    const std::vector<char32_t> all = CodePoints(text);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const char32_t c = all[i];
        if (c == U'\r' || c == U'\n') {
            if (c == U'\r' && i + 1 < all.size() && all[i + 1] == U'\n') {
                ++i;
            }
            lines.emplace_back();
        } else if (c >= 0x20 && c != 0x7F) {  // the keys a user can type
            lines.back() += c;
        }
    }
    if (lines.size() > 1 && lines.back().empty()) {
        lines.pop_back();  // the line break that ends the last line
    }
    const int col = grid.Col;
    int row = std::max(grid.Row, grid.FixedRows);
    for (const std::u32string& line : lines) {
        if (row >= grid.RowCount) {
            grid.RowCount = row + 1;
        }
        grid.Row = row;
        // A handler of a key may narrow the grid: what cannot be typed is not typed.
        if (col >= grid.ColCount) {
            return;
        }
        for (std::size_t n = CharCount(grid.Cell(col, row)); n > 0; --n) {
            TypeIntoCell(w, grid, U'\b');
        }
        for (const char32_t c : line) {
            TypeIntoCell(w, grid, c);
        }
        ++row;
    }
}

void PasteCells(Window& w, StringGrid& grid) {
    PasteIntoCells(w, grid, w.platform.PastedText());
}

void CopyCells(Window& w, const StringGrid& grid) {
    int left = grid.Col;
    int right = grid.Col;
    int top = grid.Row;
    int bottom = grid.Row;
    if (grid.SelTop >= 0) {
        left = grid.SelLeft;
        right = grid.SelRight;
        top = grid.SelTop;
        bottom = grid.SelBottom;
    }
    left = std::max(left, 0);
    right = std::min(right, grid.ColCount - 1);
    top = std::max(top, grid.FixedRows);
    bottom = std::min(bottom, grid.RowCount - 1);
    if (left > right || top > bottom) {
        return;
    }
    std::string text;
    for (int row = top; row <= bottom; ++row) {
        if (row > top) {
            text += '\n';
        }
        for (int col = left; col <= right; ++col) {
            if (col > left) {
                text += '\t';
            }
            text += grid.Cell(col, row);
        }
    }
    w.platform.CopyText(text);
}

}  // namespace tesmarik
