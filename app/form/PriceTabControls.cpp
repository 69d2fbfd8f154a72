#include "app/form/PriceTabControls.h"

namespace tesmarik {

PriceTabControls::PriceTabControls(ControlRegistry& registry, TabSheet& sheet)
    : registry_(registry) {
    Panel3.Place(&sheet, 8, 8, 250, 40);
    Panel3.Fill = Color{0, 255, 255};
    Label27.Place(&Panel3, 8, 12, 0, 0);
    Label141.Place(&sheet, 560, 122, 0, 0);
    Label141.Font.bold = true;

    Tabl.Place(&sheet, 12, 140, 696, 145);
    Tabl.Font = {"Tahoma", 8, kBlack, false, false};
    Tabl.ColCount = 8;
    Tabl.RowCount = 2;
    Tabl.DefaultRowHeight = 16;
    const int widths[] = {22, 57, 89, 94, 93, 55, 59, 198};
    for (int c = 0; c < 8; ++c) {
        Tabl.ColWidths[c] = widths[c];
    }
    Tabl.RowSelect = true;

    Label22.Place(&sheet, 44, 286, 0, 0).Text =
        " - фоном идёт заливка позиций которые завозятся под заказ";

    for (Control* hidden :
         std::initializer_list<Control*>{&Label24, &Label28, &Label30, &Label82, &Label83, &Label84,
                                         &Button8, &Button9, &Button10}) {
        hidden->Place(&sheet, 720, 8, 60, 20).Visible = false;
    }
    Button8.Text = "Тест";
    Button10.Text = "Поиск";
}

}  // namespace tesmarik
