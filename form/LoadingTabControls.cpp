#include "form/LoadingTabControls.h"

#include <iterator>

namespace tesmarik {

namespace {

constexpr int kRowStep = 16;  // one line of result labels

void Caption(Label& label, Control* parent, int left, int top, const char* text) {
    label.Place(parent, left, top, 0, 0);
    label.Text = text;
}

}  // namespace

LoadingTabControls::LoadingTabControls(ControlRegistry& registry, TabSheet& sheet)
    : registry_(registry) {
    // Left column: the vehicle, then diameter and wall.
    RadioGroup1.Place(&sheet, 4, 2, 262, 104);
    RadioGroup1.Text = "Рассчёт норм погрузок для ТС:";
    RadioGroup1.Items = {"Стандартный полувагон", "Полувагон с наросщеными бортами",
                         "Спец. платформа-трубовоз (RER Ovaza)",
                         "Атомашина с полуприцепом (с конниками)",
                         "Атомашина с полуприцепом (без конников)"};
    Caption(Label10, &sheet, 6, 117, "Диаметр трубы (мм.)");
    ComboBox4.Place(&sheet, 166, 113, 100, 21).Enabled = false;
    ComboBox4.DropDownCount = 12;
    Caption(Label12, &sheet, 6, 144, "Толщина стенки (мм.)");
    ComboBox5.Place(&sheet, 166, 140, 100, 21).Enabled = false;
    ComboBox5.Items = {"другии стенки", "8", "9", "10", "11", "12", "13", "14", "15", "16"};
    ComboBox5.DropDownCount = 10;
    Label48.Place(&sheet, 6, 166, 0, 0).Visible = false;

    // Middle column: length and capacity with their defaults, the buttons and the
    // consignment.
    Caption(Label14, &sheet, 270, 2, "Средняя длина трубы (м.)");
    Edit3.Place(&sheet, 270, 16, 66, 21).Text = "11,3";
    Edit3.Enabled = false;
    Caption(Label7, &sheet, 270, 42, "Грузоподъёмность ТС  (т.)");
    Edit9.Place(&sheet, 270, 56, 66, 21).Text = "60";
    Edit9.Enabled = false;
    Button2.Place(&sheet, 340, 15, 72, 23).Text = "Рассчёт";
    Button2.Enabled = false;
    Button7.Place(&sheet, 340, 55, 72, 23).Text = "Сброс";
    Button7.Visible = false;

    Panel1.Place(&sheet, 270, 82, 142, 90).Enabled = false;
    Caption(Label2, &Panel1, 6, 3, "Дополнительно");
    Label2.Font.bold = true;
    RadioGroup3.Place(&Panel1, 4, 16, 134, 48);
    RadioGroup3.Text = "Рассчёт по";
    RadioGroup3.Items = {"массе (т.)", "длине (м.)"};
    Caption(Label1, &Panel1, 6, 70, "Кол-во:");
    Edit8.Place(&Panel1, 68, 67, 70, 20).Enabled = false;

    // Right column: the picture area, the start-up collage in front.
    Panel2.Place(&sheet, 416, 2, 373, 168);
    Label25.Place(&Panel2, 4, 2, 0, 0);
    Label25.Font.bold = true;
    Image17.Picture = "loading-collage";
    Image13.Picture = "loading-vehicle-gondola";
    Image14.Picture = "loading-vehicle-high-gondola";
    Image12.Picture = "loading-vehicle-platform";
    Image15.Picture = "loading-vehicle-truck-stanchions";
    Image16.Picture = "loading-vehicle-truck-flat";
    const char* schemes[] = {"530", "630", "720", "820", "1020", "1220", "1420"};
    for (int i = 0; i < 7; ++i) {
        SchemeImages[i]->Picture = std::string("loading-scheme-") + schemes[i];
    }
    for (Image* image : {&Image17, &Image13, &Image14, &Image12, &Image15, &Image16, &Image3,
                         &Image5, &Image6, &Image7, &Image8, &Image9, &Image10}) {
        // At start the collage covers the standard gondola and the platform, which the form
        // leaves shown; every other picture is hidden.
        image->Place(&Panel2, 4, 32, 365, 133).Visible =
            image == &Image17 || image == &Image13 || image == &Image12;
    }

    // Bottom: the result panel, or the report in its place, with the two picture buttons.
    PageControl2.Place(&sheet, 4, 176, 757, 122);
    TabSheet8.Place(&PageControl2, 4, 24, 749, 94).Text = "Основной";
    TabSheet9.Place(&PageControl2, 4, 24, 749, 94).Text = "Дополнительно";
    PageControl2.Pages = {&TabSheet8, &TabSheet9};
    Memo3.Place(&sheet, 4, 176, 757, 122).Visible = false;
    Memo3.Font = {"Courier New", 8, kBlack, false, false};
    Memo3.Lines = {"Memo2"};
    BitBtn2.Place(&sheet, 765, 180, 24, 24);
    BitBtn2.Glyph = "loading-glyph-toggle";
    BitBtn3.Place(&sheet, 765, 208, 24, 24);
    BitBtn3.Glyph = "loading-glyph-save";

    // Page "Основной": the load of one vehicle, and beside it the capacity case.
    const int valueLeft = 76;
    Label* mainCaptions[] = {&Label39, &Label41, &Label43, &Label46, &Label55};
    const char* mainTexts[] = {"ТС:", "Позиция:", "Макс. кол.:", "Масса:", "Длина:"};
    Label* mainValues[] = {&Label40, &Label42, &Label44, &Label45, &Label56};
    for (int i = 0; i < 5; ++i) {
        Caption(*mainCaptions[i], &TabSheet8, 6, 6 + kRowStep * i, mainTexts[i]);
        mainValues[i]->Place(&TabSheet8, valueLeft, 6 + kRowStep * i, 0, 0);
    }
    Label47.Place(&TabSheet8, 330, 2, 0, 0);
    Label47.WordWrap = true;
    Caption(Label49, &TabSheet8, 330, 30, "Расчёт  из условий максимальной грузоподъёмности ТС.");
    Caption(Label50, &TabSheet8, 330, 30 + kRowStep, "Макс.кол.:");
    Caption(Label52, &TabSheet8, 330, 30 + 2 * kRowStep, "Масса:");
    Caption(Label57, &TabSheet8, 330, 30 + 3 * kRowStep, "Длина:");
    Label51.Place(&TabSheet8, 400, 30 + kRowStep, 0, 0);
    Label53.Place(&TabSheet8, 400, 30 + 2 * kRowStep, 0, 0);
    Label58.Place(&TabSheet8, 400, 30 + 3 * kRowStep, 0, 0);

    // Page "Дополнительно": the consignment, the fully loaded vehicles, the last one.
    Caption(Label60, &TabSheet9, 6, 6, "Общая масса:");
    Caption(Label61, &TabSheet9, 6, 6 + kRowStep, "Общая длина:");
    Caption(Label63, &TabSheet9, 6, 6 + 2 * kRowStep, "Количество:");
    Label59.Place(&TabSheet9, 92, 6, 0, 0);
    Label62.Place(&TabSheet9, 92, 6 + kRowStep, 0, 0);
    Label64.Place(&TabSheet9, 92, 6 + 2 * kRowStep, 0, 0);
    Label65.Place(&TabSheet9, 6, 6 + 3 * kRowStep, 0, 0);
    Label65.Text = "Общее количество ТС:";

    Caption(Label66, &TabSheet9, 200, 6, "Количество полностью загруженных вагонов:");
    Label81.Place(&TabSheet9, 440, 6, 0, 0);
    Caption(Label71, &TabSheet9, 200, 6 + kRowStep, "Макс. кол.:");
    Caption(Label68, &TabSheet9, 200, 6 + 2 * kRowStep, "Масса:");
    Caption(Label69, &TabSheet9, 200, 6 + 3 * kRowStep, "Длина:");
    Label72.Place(&TabSheet9, 272, 6 + kRowStep, 0, 0);
    Label67.Place(&TabSheet9, 272, 6 + 2 * kRowStep, 0, 0);
    Label70.Place(&TabSheet9, 272, 6 + 3 * kRowStep, 0, 0);

    Caption(Label73, &TabSheet9, 476, 6, "Последнее ТС  загружено на:");
    Label75.Place(&TabSheet9, 636, 6, 0, 0);
    Caption(Label74, &TabSheet9, 476, 6 + kRowStep, " кол.:");
    Caption(Label78, &TabSheet9, 476, 6 + 2 * kRowStep, "Масса:");
    Caption(Label79, &TabSheet9, 476, 6 + 3 * kRowStep, "Длина:");
    Label76.Place(&TabSheet9, 540, 6 + kRowStep, 0, 0);
    Label77.Place(&TabSheet9, 540, 6 + 2 * kRowStep, 0, 0);
    Label80.Place(&TabSheet9, 540, 6 + 3 * kRowStep, 0, 0);

    for (Label* label : ResultLabels) {
        label->Visible = false;
    }

    // The Tab key goes through the inputs column by column, then to the buttons and the
    // report.
    Control* steps[] = {&RadioGroup1, &ComboBox4, &ComboBox5, &Edit3,  &Edit9,
                        &Panel1,      &Button2,   &Button7,   &Panel2, &PageControl2,
                        &Memo3,       &BitBtn2,   &BitBtn3};
    for (int i = 0; i < static_cast<int>(std::size(steps)); ++i) {
        steps[i]->TabOrder = i;
    }
}

}  // namespace tesmarik
