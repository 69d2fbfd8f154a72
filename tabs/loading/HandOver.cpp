#include "tabs/loading/HandOver.h"

#include <algorithm>

#include "tabs/loading/PictureArea.h"

namespace tesmarik {

namespace {

bool IsStandardDiameter(const std::string& text) {
    const auto& full = FullDiameterList();
    // The first item of the full list asks for a typed diameter; it is none itself.
    return std::find(full.begin() + 1, full.end(), text) != full.end();
}

}  // namespace

void Button15Click(TForm1& f, LoadingState& state) {
    f.PageControl1.ActivePageIndex = kLoadingTab;

    // Runs the vehicle choice only when the selection changes.
    f.RadioGroup1.SetItemIndex(static_cast<int>(VehicleKind::StandardGondola));

    // Selecting from code runs no diameter choice: the typed-diameter mode and the
    // field's style stay; without a list (typed mode) the field keeps its text.
    f.ComboBox4.Enabled = true;
    const std::string& diameter = f.ComboBox2.Text;
    if (IsStandardDiameter(diameter)) {
        const auto& items = f.ComboBox4.Items;
        const auto at = std::find(items.begin(), items.end(), diameter);
        if (at != items.end()) {
            f.ComboBox4.SetItemIndex(static_cast<int>(at - items.begin()));
        }
    }

    // The wall is typed from now on; whatever list it still has stays offered.
    f.ComboBox5.Enabled = true;
    f.ComboBox5.Style = ComboStyle::Editable;
    f.ComboBox5.SetItemIndex(-1);
    f.ComboBox5.Text = f.ComboBox3.Text;

    f.Edit3.Enabled = true;
    f.Edit9.Enabled = true;
    f.Button2.Enabled = true;

    // A scheme replaces whatever is shown; without one a vehicle picture stays.
    f.Label25.Text = kNoSchemeCaption;
    for (Image* scheme : f.SchemeImages) {
        scheme->Visible = false;
    }
    ShowSchemeFor(f, state.vehicle && IsGondola(*state.vehicle), f.ComboBox4.Text);
}

}  // namespace tesmarik
