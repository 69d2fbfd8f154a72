#include "app/Unit1.h"

namespace tesmarik {

void FormCreate(TForm1& f, SharedState& state) {
    for (Label* label :
         {&f.Label25, &f.Label95, &f.Label94, &f.Label97, &f.Label99, &f.Label101, &f.Label102}) {
        label->Text.clear();
    }
    f.rtab.SetCell(0, 0, "Длина (м.)");
    f.rtab.SetCell(1, 0, "Масса (т.)");
    for (Image* scheme : f.SchemeImages) {
        scheme->Visible = false;
    }
    f.BitBtn4.Visible = true;
    f.Memo4.Lines.clear();
    for (Label* label : f.ResultLabels) {
        label->Visible = false;
    }
    f.CheckBox2.Enabled = false;
    f.rtab.Width = 85;
    state.loading.quantityBasis = -1;
    f.ComboBox2.Enabled = false;
    f.ComboBox3.Enabled = false;
    f.RadioGroup2.Enabled = false;
}

void FormActivate(TForm1& f) {
    // The first heading starts with a Latin T.
    const char* headings[] = {"Tип",     "Диаметр", "Стенка", "Сталь",
                              "ГОСТ/ТУ", "Кол.(т)", "Цена",   "Описание/Дополнение"};
    for (int c = 0; c < 8; ++c) {
        f.Tabl.SetCell(c, 0, headings[c]);
    }
}

void Timer1Timer(TForm1& f) {
    f.Label36.Font.color = f.Label36.Font.color == kRed ? kNavy : kRed;
}

}  // namespace tesmarik
