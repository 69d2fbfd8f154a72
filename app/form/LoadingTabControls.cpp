#include "app/form/LoadingTabControls.h"

namespace tesmarik {

LoadingTabControls::LoadingTabControls(ControlRegistry& registry, TabSheet& sheet)
    : registry_(registry) {
    ComboBox4.Place(&sheet, 150, 24, 80, 21).Enabled = false;
    ComboBox5.Place(&sheet, 240, 24, 80, 21).Enabled = false;
    Edit3.Place(&sheet, 150, 60, 60, 21).Text = "11,3";
    Edit3.Enabled = false;
    Edit9.Place(&sheet, 240, 60, 60, 21).Text = "60";
    Edit9.Enabled = false;
    Button2.Place(&sheet, 150, 96, 170, 24).Text = "Рассчитать";
    Button2.Enabled = false;
    Panel1.Place(&sheet, 150, 130, 170, 40).Enabled = false;
    Edit8.Place(&Panel1, 8, 10, 80, 21);
    Memo3.Place(&sheet, 420, 8, 365, 260).Visible = false;
    Memo3.Lines = {"Memo2"};
    Button7.Place(&sheet, 420, 274, 80, 22).Visible = false;
    Label25.Place(&sheet, 420, 150, 0, 0);
    Label48.Place(&sheet, 330, 24, 0, 0).Visible = false;
    for (Image* image : SchemeImages) {
        image->Place(&sheet, 420, 160, 365, 133).Visible = false;
    }
    for (Image* image : {&Image14, &Image15, &Image16}) {
        image->Place(&sheet, 420, 8, 365, 140).Visible = false;
    }
    int top = 180;
    for (Label* label : ResultLabels) {
        label->Place(&sheet, 8, top, 0, 0).Visible = false;
        top += 4;
    }
}

}  // namespace tesmarik
