#include "app/UserActions.h"
#include "app/Window.h"
#include "tabs/mass/LengthsReportFile.h"
#include "tabs/mass/MassRun.h"
#include "tabs/mass/SizeCascade.h"

namespace tesmarik {

void WireMassTab(Window& w) {
    TForm1& f = w.form;
    SharedState& s = w.state;
    f.ComboBox1.OnClick = [&f, &s] { ComboBox1Click(f, s.assortment); };
    f.ComboBox6.OnClick = [&f, &s] { ComboBox6Click(f, s.assortment); };
    f.ComboBox2.OnClick = [&f, &s] { ComboBox2Click(f, s.assortment); };
    f.ComboBox3.OnClick = [&f, &s] { ComboBox3Click(f, s.assortment, s.pipe); };

    f.RadioGroup2.OnClick = [&f, &s] { RadioGroup2Click(f, s.mass); };
    f.Edit10.OnKeyPress = [&f, &s](char32_t) { Edit10KeyPress(f, s.mass); };
    f.rtab.OnKeyPress = [&f](char32_t) { rtabKeyPress(f); };
    // A column of lengths copied from a spreadsheet or a text file is pasted, and the
    // selected cells copied, as with Ctrl+V and Ctrl+C.
    f.rtab.PopupMenu = {
        {"Копировать", [&w] { CopyCells(w, w.form.rtab); }},
        {"Вставить", [&w] { PasteCells(w, w.form.rtab); }},
    };
    f.Button1.OnClick = [&f, &s] { Button1Click(f, s.pipe); };
    f.BitBtn1.OnClick = [&f] { BitBtn1Click(f); };
    f.BitBtn4.OnClick = [&f] { BitBtn4Click(f); };

    f.Button11.OnClick = [&w] { Button11Click(w.form, w.platform); };
    f.Button12.OnClick = [&f] { Button12Click(f); };
}

}  // namespace tesmarik
