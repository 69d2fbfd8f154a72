#include "form/PriceTabControls.h"

#include <initializer_list>

namespace tesmarik {

PriceTabControls::PriceTabControls(ControlRegistry& registry, TabSheet& sheet)
    : registry_(registry) {
    Panel3.Place(&sheet, 12, 8, 260, 34);
    Panel3.Fill = Color{0, 255, 255};  // aqua
    Label27.Place(&Panel3, 8, 10, 0, 0);

    // The search conditions, one caption above each list; every list starts with nothing
    // chosen, so the first run of the filter shows every position.
    GroupBox1.Place(&sheet, 12, 48, 696, 66).Text = "Условия поиска";
    struct Condition {
        Label& caption;
        ComboBox& list;
        const char* text;
        int left;
        int width;
    };
    const Condition conditions[] = {
        {Label142, ComboBox11, "Тип  труб:", 8, 164},
        {Label143, ComboBox7, "Диаметр (мм.)", 180, 112},
        {Label144, ComboBox8, "Стенка (мм.)", 300, 112},
        {Label145, ComboBox9, "Сталь", 420, 120},
        {Label146, ComboBox10, "ГОСТ/ТУ", 548, 140},
    };
    for (const Condition& c : conditions) {
        c.caption.Place(&GroupBox1, c.left, 18, 0, 0).Text = c.text;
        c.list.Place(&GroupBox1, c.left, 34, c.width, 21);
        c.list.DropDownCount = 16;
    }
    ComboBox11.Items = {"Все", "Новые/Лежалые", "Котельные/толстостенные", "Восстановленные"};
    ComboBox7.Items = {"все", "др. диам."};
    ComboBox7.Style = ComboStyle::Editable;
    ComboBox8.Items = {"все"};
    ComboBox8.Style = ComboStyle::Editable;
    ComboBox9.Items = {"все"};
    ComboBox10.Items = {"все"};

    Label141.Place(&sheet, 576, 122, 0, 0);
    Label141.Font.bold = true;

    Tabl.Place(&sheet, 12, 140, 696, 145);
    Tabl.Font = {"Tahoma", 8, kBlack, false, false};  // 11 pixels high
    Tabl.ColCount = 8;
    Tabl.RowCount = 2;
    Tabl.FixedRows = 1;
    Tabl.DefaultRowHeight = 16;
    const int widths[] = {22, 57, 89, 94, 93, 55, 59, 198};
    for (int c = 0; c < 8; ++c) {
        Tabl.ColWidths[c] = widths[c];
    }
    Tabl.RowSelect = true;
    Tabl.Editable = false;

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
