#pragma once

#include <string>
#include <vector>

#include "controls/Controls.h"

namespace tesmarik {

// The windows the program opens over its main window, each a form of its own (a registry
// with its form control). The one opened last is on top; a modal one blocks the main
// window and the windows under it until it closes, one that is not modal blocks nothing.
// A form is open while its form control is visible.
class DialogWindows {
public:
    explicit DialogWindows(FormControl& main) : main_(main) {}
    DialogWindows(const DialogWindows&) = delete;
    DialogWindows& operator=(const DialogWindows&) = delete;

    // Opens the dialog on top; one already open stays where it is, and one that is not
    // modal is brought to the front.
    void Open(ControlRegistry& dialog);
    // Closes the dialog, as its close button does; one that is not open is left alone.
    void Close(const FormControl& form);

    // The open dialogs, the one on top last.
    const std::vector<ControlRegistry*>& Stack() const { return open_; }
    // The open dialog whose form control bears the name, or none.
    ControlRegistry* OpenNamed(const std::string& name) const;
    ControlRegistry* Top() const { return open_.empty() ? nullptr : open_.back(); }

private:
    // The windows under the last modal one are blocked, the main window among them.
    void Reblock();

    FormControl& main_;
    std::vector<ControlRegistry*> open_;
};

}  // namespace tesmarik
