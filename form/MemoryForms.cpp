#include "form/MemoryForms.h"

namespace tesmarik {

namespace {

void NotModal(FormControl& form, int width, int height, const char* caption) {
    form.Place(nullptr, 0, 0, width, height);
    form.Text = caption;
    form.Visible = false;
    form.Modal = false;
}

void Columns(StringGrid& grid, std::initializer_list<int> widths) {
    grid.ColCount = static_cast<int>(widths.size());
    grid.RowCount = 2;
    grid.DefaultRowHeight = 20;
    grid.RowSelect = true;
    int c = 0;
    for (const int width : widths) {
        grid.ColWidths[c++] = width;
    }
}

}  // namespace

PriceChangesControls::PriceChangesControls(ControlRegistry& registry) : registry_(registry) {
    NotModal(Form4, 900, 520, "Изменения прайса");
    Label1.Place(&Form4, 12, 12, 0, 0);
    Label1.Font.bold = true;
    Label2.Place(&Form4, 12, 40, 0, 0).Text = "Сравнить с прайсом от:";
    ComboBox1.Place(&Form4, 160, 36, 160, 21);
    StringGrid1.Place(&Form4, 12, 66, 876, 408);
    Columns(StringGrid1, {150, 70, 60, 90, 110, 80, 80, 80, 60, 80});
    StringGrid1.RightAligned = {5, 6, 7, 8};
    Button1.Place(&Form4, 808, 484, 80, 25).Text = "Закрыть";
}

OfferArchiveControls::OfferArchiveControls(ControlRegistry& registry) : registry_(registry) {
    NotModal(Form5, 860, 560, "Архив предложений");
    Form5.ActiveControl = &Edit1;
    struct Field {
        Label& label;
        Edit& edit;
        const char* text;
        int left;
        int top;
        int labelWidth;
        int width;
    };
    const Field fields[] = {
        {Label1, Edit1, "Клиент:", 12, 12, 60, 300},  {Label2, Edit2, "Номер:", 390, 12, 50, 120},
        {Label3, Edit3, "С:", 12, 40, 60, 80},        {Label4, Edit4, "по:", 160, 40, 26, 80},
        {Label5, Edit5, "Диаметр:", 390, 40, 60, 60}, {Label6, Edit6, "Стенка:", 520, 40, 50, 60},
    };
    for (const Field& f : fields) {
        f.label.Place(&Form5, f.left, f.top + 4, 0, 0).Text = f.text;
        f.edit.Place(&Form5, f.left + f.labelWidth, f.top, f.width, 21);
    }
    Label7.Place(&Form5, 12, 70, 0, 0);
    StringGrid1.Place(&Form5, 12, 90, 836, 300);
    Columns(StringGrid1, {110, 80, 300, 180, 120});
    StringGrid1.RightAligned = {4};
    Memo1.Place(&Form5, 12, 398, 836, 118);
    Memo1.ReadOnly = true;
    Button1.Place(&Form5, 12, 524, 100, 25).Text = "Открыть";
    Button2.Place(&Form5, 120, 524, 130, 25).Text = "Обновить цены";
    Button2.Enabled = false;
    Button3.Place(&Form5, 768, 524, 80, 25).Text = "Закрыть";
    Label8.Place(&Form5, 500, 70, 0, 0).Text = "Порядок:";
    ComboBox1.Place(&Form5, 560, 66, 288, 21);
    ComboBox1.Style = ComboStyle::Pick;
    // In the order of ArchiveOrder.
    ComboBox1.SetItems(
        {"сначала новые", "по номеру", "по клиенту", "по менеджеру", "по сумме, сначала большие"});
    ComboBox1.SetItemIndex(0);
}

PriceHistoryControls::PriceHistoryControls(ControlRegistry& registry) : registry_(registry) {
    NotModal(Form6, 860, 420, "История цены");
    Label1.Place(&Form6, 12, 12, 0, 0);
    Label1.Font.bold = true;
    Image1.Place(&Form6, 12, 36, 560, 340);
    StringGrid1.Place(&Form6, 584, 36, 264, 340);
    Columns(StringGrid1, {120, 120});
    StringGrid1.RightAligned = {1};
    Button1.Place(&Form6, 768, 386, 80, 25).Text = "Закрыть";
}

}  // namespace tesmarik
