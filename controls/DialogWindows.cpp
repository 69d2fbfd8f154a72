#include "controls/DialogWindows.h"

#include <algorithm>

namespace tesmarik {

void DialogWindows::Open(ControlRegistry& dialog) {
    if (std::find(open_.begin(), open_.end(), &dialog) != open_.end()) {
        // Asked for again, an open window that blocks nothing comes to the front.
        if (!FormOf(dialog).Modal) {
            ++FormOf(dialog).Raised;
        }
        return;
    }
    open_.push_back(&dialog);
    FormOf(dialog).Visible = true;
    Reblock();
}

void DialogWindows::Close(const FormControl& form) {
    const auto it = std::find_if(open_.begin(), open_.end(), [&form](const ControlRegistry* d) {
        return &FormOf(*d) == &form;
    });
    if (it == open_.end()) {
        return;
    }
    FormControl& closing = FormOf(**it);
    closing.Visible = false;
    closing.Blocked = false;
    open_.erase(it);
    Reblock();
}

ControlRegistry* DialogWindows::OpenNamed(const std::string& name) const {
    for (ControlRegistry* dialog : open_) {
        if (FormOf(*dialog).Name == name) {
            return dialog;
        }
    }
    return nullptr;
}

void DialogWindows::Reblock() {
    std::size_t blocking = 0;  // windows under the last modal one, and the one itself
    for (std::size_t i = 0; i < open_.size(); ++i) {
        if (FormOf(*open_[i]).Modal) {
            blocking = i + 1;
        }
    }
    main_.Blocked = blocking > 0;
    for (std::size_t i = 0; i < open_.size(); ++i) {
        FormOf(*open_[i]).Blocked = i + 1 < blocking;
    }
}

}  // namespace tesmarik
