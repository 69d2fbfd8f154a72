#pragma once

#include <string>

#include "app/UserActions.h"

namespace tesmarik {

// Steps of setting up a test, as the user takes them (through the user actions).
inline void PickText(Window& w, ComboBox& box, const std::string& text) {
    for (std::size_t i = 0; i < box.Items.size(); ++i) {
        if (box.Items[i] == text) {
            PickItem(w, box, static_cast<int>(i));
            return;
        }
    }
    throw std::runtime_error(box.Name + " has no item " + text);
}

// The universal type, 530 × 8, mode `mode` of the calculation.
inline void ChooseMassPipe(Window& w, int mode) {
    PickItem(w, w.form.ComboBox1, 0);
    PickText(w, w.form.ComboBox2, "530");
    PickText(w, w.form.ComboBox3, "8");
    PickRadio(w, w.form.RadioGroup2, mode);
}

// The worked example set up, not yet run: 530 × 8 by total length, 1000 m typed in.
inline void ChooseWorkedExample(Window& w) {
    ChooseMassPipe(w, 0);
    for (const char32_t key : std::u32string(U"1000")) {
        TypeCharacter(w, w.form.Edit10, key);
    }
}

// The standard gondola with 530 × 10.
inline void ChooseLoadingPipe(Window& w) {
    PickRadio(w, w.form.RadioGroup1, 0);
    PickText(w, w.form.ComboBox4, "530");
    PickText(w, w.form.ComboBox5, "10");
}

}  // namespace tesmarik
