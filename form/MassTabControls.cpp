#include "form/MassTabControls.h"

#include <iterator>

namespace tesmarik {

// Three columns on the panel: the size and mode choices on the left, the quantity inputs
// or the lengths grid in the middle, and the result area (picture, result panel or log)
// on the right.
MassTabControls::MassTabControls(ControlRegistry& registry, TabSheet& sheet) : registry_(registry) {
    Panel5.Place(&sheet, 0, 0, 793, 302);

    // Rows of 27 pixels; the boiler type inserts its document row and moves the diameter
    // and wall rows one row down.
    Label9.Place(&Panel5, 8, 29, 0, 0).Text = "Тип  расч.:";
    ComboBox1.Place(&Panel5, 84, 25, 174, 21);
    ComboBox1.Items = {"Универсальный", "котельные/толстостенные"};
    ComboBox1.Hint = "Для большинства расчётов ГОСТ/ТУ подойдёт тип  УНИВЕРСАЛЬНЫЙ";

    Label15.Place(&Panel5, 8, 56, 0, 0).Text = "ГОСТ/ТУ";
    Label15.Visible = false;
    ComboBox6.Place(&Panel5, 84, 52, 174, 21);
    ComboBox6.DropDownCount = 9;
    ComboBox6.Visible = false;

    Label4.Place(&Panel5, 8, 56, 0, 0).Text = "Диаметр (мм)";
    ComboBox2.Place(&Panel5, 84, 52, 90, 21);
    ComboBox2.DropDownCount = 16;
    Label5.Place(&Panel5, 8, 81, 0, 0).Text = "Стенка (мм.)";
    ComboBox3.Place(&Panel5, 84, 79, 90, 21);
    ComboBox3.DropDownCount = 16;

    CheckBox2.Place(&Panel5, 8, 134, 250, 17).Text = "коректировочный коэфициент 1%";
    CheckBox2.Hint =
        "используется  при расчёте теор. массы в ГОСТ/ТУ большинства заводов производителей для "
        "труб с диаметром больше 530";
    CheckBox2.Checked = true;
    CheckBox2.Visible = false;

    RadioGroup2.Place(&Panel5, 8, 156, 250, 80).Text = "Расчёт";
    RadioGroup2.Items = {"Массы по общей длине", "Длины по общей массе",
                         "Массы по длине отдельных труб"};
    RadioGroup2.Hint = "Расчёт";

    Button1.Place(&Panel5, 8, 243, 250, 25).Text = "Рассчёт теоретической массы";
    Button1.Hint = "Нажмите для расчёта";
    Button15.Place(&Panel5, 8, 272, 250, 25).Text = "Нормы погрузок ТС";
    Button15.Enabled = false;

    // The quantity of the modes by total length and by total mass.
    Label35.Place(&Panel5, 266, 9, 0, 0).Visible = false;
    Edit10.Place(&Panel5, 266, 25, 120, 21).Visible = false;
    Label37.Place(&Panel5, 266, 54, 190, 28).Text = "(дополнительный необязательный параметр)";
    Label37.AutoSize = false;
    Label37.WordWrap = true;
    Label37.Visible = false;
    Label85.Place(&Panel5, 266, 88, 0, 0).Text = "Ср. длина (м):";
    Label85.Visible = false;
    Edit11.Place(&Panel5, 346, 84, 50, 21).Text = "11,3";
    Edit11.Enabled = false;
    Edit11.Visible = false;

    // The grid of single pipes and its report share one place; BitBtn1 beside them
    // switches between the two.
    rtab.Place(&Panel5, 266, 8, 85, 232);
    rtab.ColCount = 1;
    rtab.RowCount = 12;
    rtab.DefaultRowHeight = 18;
    rtab.DefaultColWidth = 64;
    rtab.Editable = true;
    rtab.Hint = "Введите длины каждой трубы";
    rtab.Visible = false;
    Memo2.Place(&Panel5, 266, 8, 151, 232);
    Memo2.Font = {"Courier New", 8, kBlack, false, false};
    Memo2.ReadOnly = true;
    Memo2.WordWrap = false;
    Memo2.Visible = false;
    BitBtn1.Place(&Panel5, 421, 8, 25, 25).Visible = false;
    BitBtn1.Glyph = "mass-glyph-report";
    Label38.Place(&Panel5, 266, 247, 0, 0);
    Label38.Font.bold = true;
    Label38.Visible = false;
    Button11.Place(&Panel5, 266, 268, 75, 25).Text = "Сохранить";
    Button11.Visible = false;
    Button12.Place(&Panel5, 346, 268, 75, 25).Text = "Очистить";
    Button12.Visible = false;

    // The result area: the picture until a type is chosen, the reference box over it, and
    // after a run the result panel or the log.
    Image11.Place(&Panel5, 464, 8, 321, 262);
    Image11.Picture = "mass-pipe-kinds";
    Image11.Stretch = true;
    StaticText1.Place(&Panel5, 464, 172, 321, 98);

    Panel6.Place(&Panel5, 464, 8, 321, 262);
    Panel6.Visible = false;
    Label91.Place(&Panel6, 16, 12, 0, 0).Text = "Расчёт  теоретической массы .";
    Label91.Font.size = 10;
    Label91.Font.bold = true;
    Label93.Place(&Panel6, 16, 39, 0, 0).Text = "Для труб:";
    Label94.Place(&Panel6, 72, 39, 0, 0);
    Label94.Font.bold = true;
    Label102.Place(&Panel6, 16, 39, 289, 64);
    Label102.AutoSize = false;
    Label102.WordWrap = true;
    Label96.Place(&Panel6, 16, 116, 0, 0).Text = "Масса одного  метра";
    Label95.Place(&Panel6, 150, 116, 0, 0);
    Label98.Place(&Panel6, 16, 142, 0, 0).Text = "Общая длина: ";
    Label97.Place(&Panel6, 150, 142, 0, 0);
    Label100.Place(&Panel6, 16, 168, 0, 0).Text = "Общая масса:  ";
    Label99.Place(&Panel6, 150, 168, 0, 0);
    Label92.Place(&Panel6, 16, 194, 0, 0).Text = "Примерное количество: ";
    Label101.Place(&Panel6, 150, 194, 0, 0);
    for (Label* value : {&Label95, &Label97, &Label99, &Label101}) {
        value->Font.bold = true;
    }

    Memo4.Place(&Panel5, 464, 8, 321, 262);
    Memo4.Font = {"Courier New", 8, kBlack, false, false};
    Memo4.ReadOnly = true;
    Memo4.Visible = false;

    // On the tab itself, over the lower right corner of the panel.
    BitBtn4.Place(&sheet, 760, 274, 25, 25);
    BitBtn4.Glyph = "mass-glyph-log";

    // The Tab key follows the steps of a calculation: the size, the mode, the quantity,
    // then the buttons; the report and log controls come after, in reading order.
    Control* steps[] = {&ComboBox1, &ComboBox6, &ComboBox2, &ComboBox3, &CheckBox2, &RadioGroup2,
                        &Edit10,    &rtab,      &Memo2,     &Edit11,    &Button1,   &Button15};
    for (int i = 0; i < static_cast<int>(std::size(steps)); ++i) {
        steps[i]->TabOrder = i;
    }
}

}  // namespace tesmarik
