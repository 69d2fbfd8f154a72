#include "form/TForm2.h"

namespace tesmarik {

namespace {

constexpr int kValueLeft = 140;  // the figures stand in one column

}  // namespace

CostDialogControls::CostDialogControls(ControlRegistry& registry) : registry_(registry) {
    Form2.Place(nullptr, 0, 0, 380, 380);
    Form2.Text = "Стоимость";
    Form2.Visible = false;
    // The user opens the window to type a quantity.
    Form2.ActiveControl = &Edit1;

    Label1.Place(&Form2, 12, 12, 0, 0).Text = "Диаметр, мм:";
    ComboBox1.Place(&Form2, kValueLeft, 8, 100, 21);
    Label2.Place(&Form2, 12, 37, 0, 0).Text = "Стенка, мм:";
    ComboBox2.Place(&Form2, kValueLeft, 33, 100, 21);
    Label3.Place(&Form2, 12, 60, 0, 0).Text = "Сталь:";
    Label4.Place(&Form2, kValueLeft, 60, 0, 0);
    Label5.Place(&Form2, 12, 77, 0, 0).Text = "ГОСТ/ТУ:";
    Label6.Place(&Form2, kValueLeft, 77, 0, 0);
    Label7.Place(&Form2, 12, 94, 0, 0).Text = "Цена:";
    Label8.Place(&Form2, kValueLeft, 94, 0, 0);

    RadioGroup1.Place(&Form2, 12, 112, 356, 40).Text = "Количество в";
    RadioGroup1.Items = {"метрах", "тоннах", "штуках"};
    RadioGroup1.Columns = 3;
    RadioGroup1.SetItemIndex(0);

    Label9.Place(&Form2, 12, 162, 0, 0).Text = "Количество:";
    Edit1.Place(&Form2, kValueLeft, 158, 100, 21);
    Label10.Place(&Form2, 248, 162, 0, 0).Text = "м";
    Label11.Place(&Form2, 12, 187, 0, 0).Text = "Средняя длина, м:";
    Edit2.Place(&Form2, kValueLeft, 183, 100, 21).Text = "11,3";
    Label12.Place(&Form2, 12, 208, 356, 14);
    Label12.AutoSize = false;
    Label12.Font.color = kRed;

    GroupBox1.Place(&Form2, 12, 224, 356, 116).Text = "Расчёт";
    struct Line {
        Label& caption;
        Label& value;
        const char* text;
        int top;
    };
    const Line lines[] = {
        {Label13, Label14, "Масса 1 м:", 20}, {Label15, Label16, "Длина:", 38},
        {Label17, Label18, "Масса:", 56},     {Label19, Label20, "Количество труб:", 74},
        {Label21, Label22, "Стоимость:", 96},
    };
    for (const Line& line : lines) {
        line.caption.Place(&GroupBox1, 10, line.top, 0, 0).Text = line.text;
        line.value.Place(&GroupBox1, kValueLeft - 12, line.top, 0, 0);
    }
    Label21.Font.bold = true;
    Label22.Font.bold = true;

    Button1.Place(&Form2, 288, 347, 80, 25).Text = "Закрыть";
    Button2.Place(&Form2, 12, 347, 120, 25).Text = "В предложение";
}

}  // namespace tesmarik
