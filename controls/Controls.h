#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tesmarik {

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Color&) const = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kNavy{0, 0, 128};
inline constexpr Color kBlue{0, 0, 255};

// "#RRGGBB", as the scenario runner prints colours.
std::string ColorText(Color c);

struct Font {
    std::string name = "Arial";
    int size = 8;  // points
    Color color = kBlack;
    bool bold = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

enum class ControlKind {
    Form,
    Panel,
    GroupBox,
    PageControl,
    TabSheet,
    Label,
    StaticText,
    Button,
    BitBtn,
    Edit,
    ComboBox,
    CheckBox,
    RadioGroup,
    StringGrid,
    Memo,
    Image,
    Timer,
};

class Control;

// Every control of a window registers itself here under its form name.
class ControlRegistry {
public:
    ControlRegistry() = default;
    ControlRegistry(const ControlRegistry&) = delete;
    ControlRegistry& operator=(const ControlRegistry&) = delete;

    void Register(Control& control);
    Control* Find(const std::string& name) const;
    const std::vector<Control*>& All() const { return controls_; }

private:
    std::vector<Control*> controls_;
};

using Event = std::function<void()>;
// A typed key: a character, '\r' for Enter, '\b' for Backspace, or kDeleteKey for the
// Delete key pressed in a grid that is not editable.
using KeyEvent = std::function<void(char32_t key)>;
inline constexpr char32_t kDeleteKey = 0x7F;
// Keys of a grid that type nothing: F2 (or a double click on the cell) edits the current
// cell in place; Esc ends that edit, bringing back what the cell held before it. The
// first lies beyond Unicode, so no typed character can be taken for it.
inline constexpr char32_t kEditCellKey = 0x110000;
inline constexpr char32_t kEscapeKey = 0x1B;

// One item of a context menu: its caption and what choosing it does.
struct MenuItem {
    std::string Caption;
    Event OnClick;
};

class Control {
public:
    Control(ControlRegistry& registry, std::string name, ControlKind kind);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string Name;
    const ControlKind Kind;
    Control* Parent = nullptr;

    bool Visible = true;
    bool Enabled = true;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    std::string Hint;  // tooltip
    // Place in the order the Tab key visits the control's siblings; -1 for those that
    // come after the numbered ones, in reading order (top to bottom, then left to right).
    int TabOrder = -1;
    bool HandCursor = false;
    // Caption of a label, button, panel, group box, check box, radio group, tab or form;
    // content of an edit field or of an editable list.
    std::string Text;
    ::tesmarik::Font Font;

    Event OnClick;
    Event OnMouseMove;
    Event OnMouseLeave;
    // The menu the right mouse button (or the menu key) opens on the control; the
    // desktop's own menu when empty.
    std::vector<MenuItem> PopupMenu;

    // Places the control on its parent (coordinates relative to the parent).
    Control& Place(Control* parent, int left, int top, int width, int height);
};

class FormControl : public Control {
public:
    FormControl(ControlRegistry& r, std::string name)
        : Control(r, std::move(name), ControlKind::Form) {}
    // Each time the window becomes the active window, the first time included.
    Event OnActivate;
    // A window-modal window of the program is open over this one: none of its controls
    // can be reached until that window closes.
    bool Blocked = false;
    // A window opened over the main window blocks it (and the windows under it) until it
    // closes; one that is not modal lets the user go on working in them.
    bool Modal = true;
    // Counts the times the program brought the window, already open, to the front; the
    // screen's window is raised and activated each time it grows.
    int Raised = 0;
    // Asked before the window closes; false keeps it open (changes the user would lose).
    std::function<bool()> OnCloseQuery;
    // The control that holds the keyboard focus when the window opens; none: the first
    // in the Tab order.
    Control* ActiveControl = nullptr;
};

// The form control of a form's registry: the control of kind Form without a parent.
FormControl& FormOf(const ControlRegistry& registry);

// Panels and group boxes: containers with a caption and, for panels, a fill colour.
class Panel : public Control {
public:
    Panel(ControlRegistry& r, std::string name, ControlKind kind = ControlKind::Panel)
        : Control(r, std::move(name), kind) {}
    std::optional<Color> Fill;  // empty: the window's face colour
    bool Raised = true;         // bevel
};

class GroupBox : public Panel {
public:
    GroupBox(ControlRegistry& r, std::string name)
        : Panel(r, std::move(name), ControlKind::GroupBox) {}
};

class TabSheet;

class PageControl : public Control {
public:
    PageControl(ControlRegistry& r, std::string name)
        : Control(r, std::move(name), ControlKind::PageControl) {}
    std::vector<TabSheet*> Pages;
    int ActivePageIndex = 0;
    Event OnChange;

    TabSheet& ActivePage() const { return *Pages.at(static_cast<std::size_t>(ActivePageIndex)); }
};

class TabSheet : public Control {
public:
    TabSheet(ControlRegistry& r, std::string name)
        : Control(r, std::move(name), ControlKind::TabSheet) {}
};

class Label : public Control {
public:
    Label(ControlRegistry& r, std::string name, ControlKind kind = ControlKind::Label)
        : Control(r, std::move(name), kind) {}
    bool AutoSize = true;  // grows with its text
    bool WordWrap = false;
};

class StaticText : public Label {
public:
    StaticText(ControlRegistry& r, std::string name)
        : Label(r, std::move(name), ControlKind::StaticText) {
        AutoSize = false;
        WordWrap = true;
    }
};

class Button : public Control {
public:
    Button(ControlRegistry& r, std::string name, ControlKind kind = ControlKind::Button)
        : Control(r, std::move(name), kind) {}
    std::string Glyph;  // name of the picture drawn on a picture button
};

class BitBtn : public Button {
public:
    BitBtn(ControlRegistry& r, std::string name)
        : Button(r, std::move(name), ControlKind::BitBtn) {}
};

class Edit : public Control {
public:
    Edit(ControlRegistry& r, std::string name) : Control(r, std::move(name), ControlKind::Edit) {}
    // The most characters the field takes; 0: no limit. Typed or pasted text beyond it is
    // cut off, as the desktop's own fields do.
    std::size_t MaxLength = 0;
    Event OnChange;
    KeyEvent OnKeyPress;
    Event OnKeyUp;
};

enum class ComboStyle { Pick, Editable };

class ComboBox : public Control {
public:
    ComboBox(ControlRegistry& r, std::string name)
        : Control(r, std::move(name), ControlKind::ComboBox) {}
    std::vector<std::string> Items;
    ComboStyle Style = ComboStyle::Pick;
    int DropDownCount = 8;
    Event OnChange;
    KeyEvent OnKeyPress;
    Event OnKeyUp;

    int ItemIndex() const { return itemIndex_; }
    // Choosing from code runs no handler; the text follows the chosen item (or empties).
    void SetItemIndex(int index);
    void SetItems(std::vector<std::string> items);
    void Clear();

private:
    int itemIndex_ = -1;
};

class CheckBox : public Control {
public:
    CheckBox(ControlRegistry& r, std::string name)
        : Control(r, std::move(name), ControlKind::CheckBox) {}
    bool Checked = false;
};

class RadioGroup : public Control {
public:
    RadioGroup(ControlRegistry& r, std::string name)
        : Control(r, std::move(name), ControlKind::RadioGroup) {}
    std::vector<std::string> Items;
    int Columns = 1;

    int ItemIndex() const { return itemIndex_; }
    // Selecting another button from code runs OnClick as a user click would; selecting
    // the button already selected, or none (-1), runs nothing.
    void SetItemIndex(int index);

private:
    int itemIndex_ = -1;
};

struct CellPaint {
    std::optional<Color> fill;  // empty: the grid's own look
    std::optional<Color> text;  // empty: the text colour of the grid's own look
};

struct DrawCellState {
    bool selected = false;
    bool focused = false;
    bool fixed = false;
};

using DrawCellEvent = std::function<CellPaint(int col, int row, DrawCellState state)>;

class StringGrid : public Control {
public:
    StringGrid(ControlRegistry& r, std::string name)
        : Control(r, std::move(name), ControlKind::StringGrid) {}
    int ColCount = 5;
    int RowCount = 5;
    int FixedRows = 1;
    int DefaultColWidth = 64;
    int DefaultRowHeight = 24;
    std::map<int, int> ColWidths;  // columns whose width differs from the default
    std::set<int> RightAligned;    // columns of figures, which line up on the right
    bool Editable = false;
    bool RowSelect = false;
    // The current cell is being edited in place (a grid whose OnKeyPress takes the typing):
    // keys go to the end of its text instead of replacing it, and Esc belongs to the cell.
    // Moving to another cell or leaving the grid ends the edit.
    bool Editing = false;
    // Tab moves from cell to cell; false: Tab leaves the grid as one stop, the arrows move
    // within it.
    bool TabWalksCells = true;
    // The current cell, and whether the grid holds the keyboard focus.
    int Col = 0;
    int Row = 1;
    bool Focused = false;
    // The block of cells the user selected: columns SelLeft to SelRight, rows SelTop to
    // SelBottom (rows counted with the header). The screen's grid reports it as the user
    // selects; SelTop < 0: the current cell alone.
    int SelLeft = -1;
    int SelTop = -1;
    int SelRight = -1;
    int SelBottom = -1;
    KeyEvent OnKeyPress;
    DrawCellEvent OnDrawCell;

    // A cell never written reads as the empty text; cells outside the visible columns
    // keep what is written there.
    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, std::string text);
    std::string& CellRef(int col, int row) { return cells_[{col, row}]; }
    int ColWidth(int col) const;

private:
    std::map<std::pair<int, int>, std::string> cells_;
};

class Memo : public Control {
public:
    Memo(ControlRegistry& r, std::string name) : Control(r, std::move(name), ControlKind::Memo) {}
    std::vector<std::string> Lines;
    bool ReadOnly = false;
    bool WordWrap = true;

    // The whole text as the multi-line edit shows it: the lines joined by CR LF.
    std::string JoinedText() const;
    // Replaces the whole text; CR LF, bare CR and bare LF all break lines.
    void SetJoinedText(const std::string& text);

    // The selection, counted in characters of ShownText(): where it starts and how many
    // characters it holds (none: nothing is selected). The screen's field reports the
    // user's selection here and shows what the program selects.
    std::size_t SelStart = 0;
    std::size_t SelLength = 0;
    // The text as the field shows it and a copy carries it: the lines joined by line
    // feeds, without the carriage returns a line may hold.
    std::string ShownText() const;
    // The selected part of ShownText() (what lies within it).
    std::string SelectedText() const;
    void SelectAll();
};

class Image : public Control {
public:
    Image(ControlRegistry& r, std::string name) : Control(r, std::move(name), ControlKind::Image) {}
    std::string Picture;  // name of one of the program's own drawings
    bool Stretch = false;
};

class Timer : public Control {
public:
    Timer(ControlRegistry& r, std::string name) : Control(r, std::move(name), ControlKind::Timer) {
        Visible = false;
    }
    int Interval = 1000;  // milliseconds
    Event OnTimer;
};

// Whether the control is on screen: it and its parents visible (the form, which is the
// window, aside), and every tab it lies on in front.
bool IsShown(const Control& control);

// Whether the user can reach the control: it and its parents shown and enabled, every
// tab it lies on in front, and no window-modal window open over its form.
bool IsReachable(const Control& control);

}  // namespace tesmarik
