#include "form/FrameControls.h"

#include "common/SellerIdentity.h"

namespace tesmarik {

FrameControls::FrameControls(ControlRegistry& registry) : registry_(registry) {
    Form1.Text = "\"Тесмарик\"-универсальный трубный калькулятор";
    Form1.Place(nullptr, 0, 0, 801, 403);

    Timer1.Interval = 200;

    Image1.Place(&Form1, 0, 0, 801, 79);
    Image1.Picture = "info-banner";
    Image1.HandCursor = true;

    // The e-mail and the site address lie at the lower edge of the banner, clear of the
    // tabs that overlap its last pixels; the hint and the four links stand top right.
    Label26.Place(&Form1, 12, 54, 0, 0);
    Label26.Text = "e-mail: " + std::string(kSellerDisplayEmail);
    Label26.Font = {"Times New Roman", 12, kBlue, true, false};

    // Two lines, the ">>>" pointing at the column of links to its right.
    Label36.Place(&Form1, 420, 14, 124, 28);
    Label36.Text = "Для перехода на сайт выберите >>>";
    Label36.AutoSize = false;
    Label36.WordWrap = true;
    Label36.Font = {"Arial", 8, kNavy, true, false};

    Label* links[] = {&Label86, &Label87, &Label88, &Label89};
    const char* captions[] = {"> Трубы ГОСТ/ТУ", "> Трубы толстостенные", "> Трубы котельные КВД",
                              "> Трубы восстановленные"};
    for (int i = 0; i < 4; ++i) {
        links[i]->Place(&Form1, 548, 2 + 13 * i, 0, 0);
        links[i]->Text = captions[i];
        links[i]->Font = {"Arial", 8, kNavy, true, false};
        links[i]->HandCursor = true;
    }

    Label90.Place(&Form1, 620, 54, 0, 0);
    Label90.Text = std::string(kSellerSiteCaption);
    Label90.Font = {"Times New Roman", 12, kBlue, true, false};
    Label26.HandCursor = Label90.HandCursor = true;

    PageControl1.Place(&Form1, 0, 73, 801, 330);
    TabSheet* sheets[] = {&TabSheet1, &TabSheet2, &TabSheet3, &TabSheet5};
    const char* titles[] = {"Расчёт теоретической массы ", "Расчёт норм погрузок", "Прайс",
                            "Тесмарику"};
    for (int i = 0; i < 4; ++i) {
        sheets[i]->Place(&PageControl1, 4, 24, 793, 302);
        sheets[i]->Text = titles[i];
        PageControl1.Pages.push_back(sheets[i]);
    }
    PageControl1.ActivePageIndex = kLoadingTab;  // in front at start
}

}  // namespace tesmarik
