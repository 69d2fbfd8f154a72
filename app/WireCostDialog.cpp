#include "app/PriceRowMenu.h"
#include "app/UserActions.h"
#include "app/Window.h"
#include "tabs/cost/CostDialog.h"

namespace tesmarik {

void WireCostDialog(Window& w) {
    w.form.Tabl.PopupMenu = {{kCostItem, [&w] { OpenCostWindow(w); }},
                             {kMassTabItem, [&w] { OpenInMassTab(w); }}};

    TForm2& f = w.form2;
    const CostState& s = w.state.price.cost;
    const Event recalculate = [&f, &s] { RecalculateCost(f, s); };
    f.ComboBox1.OnChange = recalculate;
    f.ComboBox2.OnChange = recalculate;
    f.Edit1.OnChange = recalculate;
    f.Edit2.OnChange = recalculate;
    f.RadioGroup1.OnClick = [&f, &s] { CostRadioGroup1Click(f, s); };
    f.Button1.OnClick = [&w] { CloseWindow(w, w.form2.Form2); };
}

}  // namespace tesmarik
