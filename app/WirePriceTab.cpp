#include "app/ProgramMemory.h"
#include "app/Window.h"
#include "tabs/price/PriceGridPaint.h"
#include "tabs/price/PriceTab.h"

namespace tesmarik {

void WirePriceTab(Window& w) {
    TForm1& f = w.form;
    f.PageControl1.OnChange = [&w] {
        PageControl1Change(w.form, w.state.price, w.platform);
        // After the tab is shown: the database never stands in the price tab's way.
        KeepPriceList(w);
    };
    f.Tabl.OnDrawCell = [&f](int col, int row, DrawCellState state) {
        return TablDrawCell(f, col, row, state);
    };

    PriceState& price = w.state.price;
    for (ComboBox* list :
         {&f.ComboBox11, &f.ComboBox7, &f.ComboBox8, &f.ComboBox9, &f.ComboBox10}) {
        list->OnChange = [&f, &price] { SearchListChange(f, price, false); };
        list->OnKeyUp = [&f, &price] { SearchListChange(f, price, true); };
    }
}

}  // namespace tesmarik
