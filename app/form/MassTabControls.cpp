#include "app/form/MassTabControls.h"

namespace tesmarik {

MassTabControls::MassTabControls(ControlRegistry& registry, TabSheet& sheet) : registry_(registry) {
    Panel5.Place(&sheet, 0, 0, 793, 302);

    Label9.Place(&Panel5, 8, 8, 0, 0).Text = "Тип  расч.:";
    ComboBox1.Place(&Panel5, 8, 24, 170, 21);
    ComboBox1.Items = {"Универсальный", "котельные/толстостенные"};
    ComboBox1.Hint = "Для большинства расчётов ГОСТ/ТУ подойдёт тип  УНИВЕРСАЛЬНЫЙ";

    Label15.Place(&Panel5, 8, 50, 0, 0).Text = "ГОСТ/ТУ";
    Label15.Visible = false;
    ComboBox6.Place(&Panel5, 8, 66, 170, 21);
    ComboBox6.Visible = false;

    Label4.Place(&Panel5, 188, 8, 0, 0).Text = "Диаметр (мм)";
    ComboBox2.Place(&Panel5, 188, 24, 80, 21);
    Label5.Place(&Panel5, 278, 8, 0, 0).Text = "Стенка (мм.)";
    ComboBox3.Place(&Panel5, 278, 24, 80, 21);

    CheckBox2.Place(&Panel5, 8, 94, 240, 17).Text = "коректировочный коэфициент 1%";
    CheckBox2.Hint =
        "используется  при расчёте теор. массы в ГОСТ/ТУ большинства заводов производителей для "
        "труб с диаметром больше 530";
    CheckBox2.Checked = true;
    CheckBox2.Visible = false;

    RadioGroup2.Place(&Panel5, 8, 114, 250, 76).Text = "Расчёт";
    RadioGroup2.Items = {"Массы по общей длине", "Длины по общей массе",
                         "Массы по длине отдельных труб"};
    RadioGroup2.Hint = "Расчёт";

    Label35.Place(&Panel5, 8, 196, 0, 0).Visible = false;
    Edit10.Place(&Panel5, 8, 212, 110, 21).Visible = false;
    Label37.Place(&Panel5, 128, 196, 0, 0).Text = "(дополнительный необязательный параметр)";
    Label37.Visible = false;
    Label85.Place(&Panel5, 128, 214, 0, 0).Text = "Ср. длина (м):";
    Label85.Visible = false;
    Edit11.Place(&Panel5, 210, 212, 48, 21).Text = "11,3";
    Edit11.Enabled = false;
    Edit11.Visible = false;

    rtab.Place(&Panel5, 268, 60, 85, 200);
    rtab.ColCount = 1;
    rtab.RowCount = 12;
    rtab.DefaultRowHeight = 18;
    rtab.DefaultColWidth = 64;
    rtab.Editable = true;
    rtab.Hint = "Введите длины каждой трубы";
    rtab.Visible = false;
    Memo2.Place(&Panel5, 268, 60, 151, 200);
    Memo2.Font = {"Courier New", 8, kBlack, false, false};
    Memo2.ReadOnly = true;
    Memo2.WordWrap = false;
    Memo2.Visible = false;
    Label38.Place(&Panel5, 8, 262, 0, 0);
    Label38.Font.bold = true;
    Label38.Visible = false;
    Button11.Place(&Panel5, 364, 210, 60, 22).Text = "Сохранить";
    Button11.Visible = false;
    Button12.Place(&Panel5, 364, 236, 60, 22).Text = "Очистить";
    Button12.Visible = false;
    BitBtn1.Place(&Panel5, 364, 60, 25, 25).Visible = false;
    BitBtn1.Glyph = "mass-glyph-report";

    Button1.Place(&Panel5, 8, 238, 250, 24).Text = "Рассчёт теоретической массы";
    Button1.Hint = "Нажмите для расчёта";
    Button15.Place(&Panel5, 8, 272, 250, 24).Text = "Нормы погрузок ТС";
    Button15.Enabled = false;

    Image11.Place(&Panel5, 430, 8, 355, 262);
    Image11.Picture = "mass-pipe-kinds";
    StaticText1.Place(&Panel5, 440, 180, 335, 80);

    Panel6.Place(&Panel5, 430, 8, 355, 262);
    Panel6.Visible = false;
    Label94.Place(&Panel6, 110, 26, 0, 0);
    Label95.Place(&Panel6, 160, 110, 0, 0);
    Label97.Place(&Panel6, 160, 140, 0, 0);
    Label99.Place(&Panel6, 160, 170, 0, 0);
    Label101.Place(&Panel6, 160, 200, 0, 0);
    Label102.Place(&Panel6, 16, 39, 289, 64);
    Memo4.Place(&Panel5, 430, 8, 355, 262);
    Memo4.Font = {"Courier New", 8, kBlack, false, false};
    Memo4.ReadOnly = true;
    Memo4.Visible = false;

    BitBtn4.Place(&sheet, 760, 274, 25, 25);
    BitBtn4.Glyph = "mass-glyph-log";
}

}  // namespace tesmarik
