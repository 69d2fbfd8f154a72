#include "form/TForm3.h"

#include "offer/OfferLimits.h"

namespace tesmarik {

OfferWindowControls::OfferWindowControls(ControlRegistry& registry) : registry_(registry) {
    // The loading plan takes a column of its own right of the offer.
    Form3.Place(nullptr, 0, 0, 1268, 610);
    Form3.Text = "Коммерческое предложение";
    Form3.Visible = false;
    Form3.Modal = false;
    Form3.ActiveControl = &Edit2;

    Label1.Place(&Form3, 12, 14, 0, 0).Text = "Предложение №";
    Edit1.Place(&Form3, 110, 10, 110, 21);
    Label2.Place(&Form3, 230, 14, 0, 0).Text = "от";
    Label3.Place(&Form3, 250, 14, 0, 0);
    Label4.Place(&Form3, 12, 40, 0, 0).Text = "Клиент:";
    Edit2.Place(&Form3, 110, 36, 490, 21);
    Label5.Place(&Form3, 620, 40, 0, 0).Text = "Транспорт:";
    ComboBox1.Place(&Form3, 690, 36, 288, 21);
    Label6.Place(&Form3, 12, 66, 0, 0).Text = "Комментарий:";
    Edit3.Place(&Form3, 110, 62, 868, 21);
    Label15.Place(&Form3, 330, 14, 0, 0).Text = "Действительно до:";
    Edit5.Place(&Form3, 440, 10, 80, 21);
    Label16.Place(&Form3, 620, 14, 0, 0).Text = "Грузоподъёмность ТС, т:";
    Edit6.Place(&Form3, 770, 10, 60, 21);
    Label17.Place(&Form3, 12, 92, 0, 0).Text = "Условия поставки:";
    Edit7.Place(&Form3, 130, 88, 360, 21);
    Label18.Place(&Form3, 502, 92, 0, 0).Text = "Условия оплаты:";
    Edit8.Place(&Form3, 610, 88, 368, 21);

    StringGrid1.Place(&Form3, 12, 116, 966, 226);
    StringGrid1.ColCount = 10;
    StringGrid1.RowCount = 2;
    StringGrid1.DefaultRowHeight = 20;
    StringGrid1.TabWalksCells = false;
    StringGrid1.RightAligned = {2, 4, 5, 6, 7, 8};  // the quantity and the figures
    const int widths[] = {28, 340, 64, 36, 56, 70, 70, 90, 104, 100};
    for (int c = 0; c < 10; ++c) {
        StringGrid1.ColWidths[c] = widths[c];
    }

    Label7.Place(&Form3, 12, 346, 966, 14);
    Label7.AutoSize = false;
    Label7.Font.color = kRed;

    GroupBox1.Place(&Form3, 12, 362, 966, 156).Text = "Итого";
    Label8.Place(&GroupBox1, 10, 20, 0, 0);
    Label9.Place(&GroupBox1, 10, 38, 0, 0);
    Label9.Font.bold = true;
    Label10.Place(&GroupBox1, 10, 60, 0, 0).Text = "НДС, %:";
    Edit4.Place(&GroupBox1, 70, 56, 50, 21);
    Label11.Place(&GroupBox1, 130, 60, 0, 0);
    Label12.Place(&GroupBox1, 10, 82, 946, 30);
    Label12.AutoSize = false;
    Label12.WordWrap = true;
    Label13.Place(&GroupBox1, 10, 114, 0, 0);
    Label14.Place(&GroupBox1, 10, 132, 0, 0);

    GroupBox2.Place(&Form3, 12, 522, 966, 48).Text = "Менеджер";
    Label19.Place(&GroupBox2, 10, 22, 0, 0).Text = "Ф. И. О.:";
    Edit9.Place(&GroupBox2, 70, 18, 220, 21);
    Label20.Place(&GroupBox2, 300, 22, 0, 0).Text = "Должность:";
    Edit10.Place(&GroupBox2, 372, 18, 190, 21);
    Label21.Place(&GroupBox2, 572, 22, 0, 0).Text = "Телефон:";
    Edit11.Place(&GroupBox2, 632, 18, 130, 21);
    Label22.Place(&GroupBox2, 772, 22, 0, 0).Text = "E-mail:";
    Edit12.Place(&GroupBox2, 820, 18, 136, 21);

    // Narrow enough for the whole window to fit a screen 1280 pixels wide.
    GroupBox3.Place(&Form3, 988, 10, 270, 560).Text = "Погрузка";
    CheckBox1.Place(&GroupBox3, 10, 20, 200, 17).Text = "Смешанная погрузка";
    CheckBox2.Place(&GroupBox3, 10, 44, 120, 17).Text = "Трубы в трубы";
    Label23.Place(&GroupBox3, 130, 46, 0, 0).Text = "зазор, мм:";
    Edit13.Place(&GroupBox3, 196, 42, 50, 21);
    Label24.Place(&GroupBox3, 10, 70, 250, 44);
    Label24.AutoSize = false;
    Label24.WordWrap = true;
    Memo1.Place(&GroupBox3, 10, 118, 250, 214);
    Memo1.ReadOnly = true;
    Memo1.WordWrap = true;
    Image1.Place(&GroupBox3, 10, 338, 250, 212);

    Edit1.MaxLength = kOfferNumberMaxChars;
    Edit2.MaxLength = kOfferClientMaxChars;
    Edit3.MaxLength = kOfferCommentMaxChars;
    for (Edit* edit : {&Edit4, &Edit5, &Edit6, &Edit13}) {
        edit->MaxLength = kOfferShortFieldMaxChars;
    }
    for (Edit* edit : {&Edit7, &Edit8}) {
        edit->MaxLength = kOfferTermsMaxChars;
    }
    for (Edit* edit : {&Edit9, &Edit10, &Edit11, &Edit12}) {
        edit->MaxLength = kOfferManagerMaxChars;
    }

    struct Line {
        Button& button;
        const char* text;
        int left;
        int width;
    };
    const Line buttons[] = {
        {Button1, "Копировать", 12, 92},
        {Button2, "Печать…", 110, 92},
        {Button3, "Сохранить в PDF…", 208, 124},
        {Button4, "Сохранить в Excel…", 338, 134},
        {Button5, "Сохранить предложение…", 478, 162},
        {Button6, "Открыть предложение…", 646, 156},
        {Button7, "Закрыть", 898, 80},
    };
    for (const Line& line : buttons) {
        line.button.Place(&Form3, line.left, 576, line.width, 25).Text = line.text;
    }
}

}  // namespace tesmarik
