#include "app/Window.h"
#include "price/PriceGridPaint.h"
#include "price/PriceTab.h"

namespace tesmarik {

void WirePriceTab(Window& w) {
    TForm1& f = w.form;
    f.PageControl1.OnChange = [&w] { PageControl1Change(w.form, w.state.price, w.platform); };
    f.Tabl.OnDrawCell = [&f](int col, int row, DrawCellState state) {
        return TablDrawCell(f, col, row, state);
    };

    const PriceState& price = w.state.price;
    // The diameter list shares its key-up handler with the wall list, the wall list its
    // change handler with the pipe-type list. A click on the pipe-type list does nothing.
    f.ComboBox7.OnChange = [&f, &price] { ComboBox7Change(f, price); };
    f.ComboBox7.OnKeyUp = [&f, &price] { ComboBox8KeyUp(f, price); };
    f.ComboBox8.OnChange = [&f, &price] { ComboBox11Change(f, price); };
    f.ComboBox8.OnKeyUp = [&f, &price] { ComboBox8KeyUp(f, price); };
    f.ComboBox9.OnChange = [&f, &price] { ComboBox9Change(f, price); };
    f.ComboBox9.OnKeyUp = [&f, &price] { ComboBox9KeyUp(f, price); };
    f.ComboBox10.OnChange = [&f, &price] { ComboBox10Change(f, price); };
    f.ComboBox10.OnKeyUp = [&f, &price] { ComboBox10KeyUp(f, price); };
    f.ComboBox11.OnChange = [&f, &price] { ComboBox11Change(f, price); };
    f.ComboBox11.OnKeyUp = [&f, &price] { ComboBox11KeyUp(f, price); };
}

}  // namespace tesmarik
