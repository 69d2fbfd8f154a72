#pragma once

#include <cstddef>
#include <string>

#include "app/Window.h"

namespace tesmarik {

// What each action of the user does to the window model, written once for the Qt binding
// and the scenario runner alike. Every handler runs through the window's error path, in
// the order the action fires them; a handler that fails does not stop the ones after it.
// Text editing that a real widget owns (cursor, selection) stays with the widget, which
// hands over the whole new text.

// A pick in a drop-down list: the item is chosen, then OnClick, then OnChange.
void PickItem(Window& w, ComboBox& box, int index);
// A click on a radio button: OnClick runs when the choice changed.
void PickRadio(Window& w, RadioGroup& group, int index);
// A click on a button, label or picture; a check box toggles first.
void ClickControl(Window& w, Control& control);
void HoverControl(Window& w, Control& control);
void LeaveControl(Window& w, Control& control);
// An item of the control's context menu chosen; an index past the menu does nothing.
void ChooseMenuItem(Window& w, Control& control, std::size_t index);
// The window becomes the active window: its first showing, or the user coming back to it.
void ActivateWindow(Window& w);
// The close button (or Esc) of a window open over the main window; a window whose close
// query says no stays open.
void CloseWindow(Window& w, FormControl& form);
// The close button of the main window: whether the program may end.
bool CloseMainWindow(Window& w);
// Another tab of a tab control brought to the front by the user.
void ChangePage(Window& w, PageControl& pages, int index);

// A key typed into an edit field or an editable list: OnKeyPress before the text changes.
void PressKey(Window& w, Control& field, char32_t key);
// The field's text after the user changed it: the model takes it, then OnChange.
void ChangeText(Window& w, Control& field, std::string text);
// The key that was pressed in the field is released: OnKeyUp.
void ReleaseKey(Window& w, Control& field);
// Typing one character at the end of the field: press, change, release.
void TypeCharacter(Window& w, Control& field, char32_t key);
// Enter or Backspace pressed in the field; Backspace removes the last character.
void PressEditKey(Window& w, Control& field, char32_t key);

// Typing into a multi-line edit, which has no key handlers: a line break starts a line.
void TypeIntoMemo(Memo& memo, char32_t key);

// A key typed into the current cell of a grid: OnKeyPress, then an editable grid's cell
// takes the key (Backspace removes the last character, Enter adds nothing).
void TypeIntoCell(Window& w, StringGrid& grid, char32_t key);
// The user makes (col, row) the grid's current cell; an edit in place of another cell ends.
void MoveToCell(StringGrid& grid, int col, int row);

// A text pasted into an editable grid: its lines fill the current column from the current
// row down, one line a cell, each typed as the user types it (Backspace over what the cell
// held, then the line's characters), rows added where the typing does not add them. A
// line that is no number stands as typed, for the run to find.
void PasteIntoCells(Window& w, StringGrid& grid, const std::string& text);
// Ctrl+V or "Вставить": the clipboard's text pasted into the grid.
void PasteCells(Window& w, StringGrid& grid);
// Ctrl+C or "Копировать": the selected cells (the current one when none is selected) on
// the clipboard, a line a row, the cells of a row separated by tabs.
void CopyCells(Window& w, const StringGrid& grid);

}  // namespace tesmarik
