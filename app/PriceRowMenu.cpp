#include "app/PriceRowMenu.h"

#include <algorithm>

#include "app/UserActions.h"
#include "assortment/SizeGrid.h"
#include "common/Numbers.h"
#include "price/ListedSizes.h"
#include "tabs/cost/CostDialog.h"
#include "tabs/price/PriceGrid.h"

namespace tesmarik {

namespace {

constexpr int kUniversalItem = 0;

std::optional<PricePosition> CurrentPosition(const TForm1& f) {
    return PositionOfGridRow(CellsOfRow(f.Tabl, f.Tabl.Row));
}

int IndexOf(const std::vector<std::string>& items, const std::string& text) {
    const auto it = std::find(items.begin(), items.end(), text);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

std::string FirstSize(const std::string& field) {
    const ListedSizes listed = SizesOfField(field);
    return listed.choice == ListedSizes::Choice::Typed ? std::string() : listed.sizes.front();
}

bool InUniversalAssortment(const std::string& diameter, const std::string& wall) {
    if (diameter.empty() || wall.empty()) {
        return false;
    }
    SizeGrid grid;
    FillAssortmentGrid(grid);
    if (IndexOf(AssortmentDiameters(grid), diameter) < 0) {
        return false;
    }
    const int row = DiameterRow(grid, ReadNumber(diameter));
    return IndexOf(AssortmentWalls(grid, row), wall) >= 0;
}

}  // namespace

void OpenCostWindow(Window& w) {
    const auto position = CurrentPosition(w.form);
    if (!position) {
        return;
    }
    ShowCostOfPosition(w.form2, w.state.price.cost, *position);
    w.dialogs.Open(w.form2);
}

void OpenInMassTab(Window& w) {
    const auto position = CurrentPosition(w.form);
    if (!position) {
        return;
    }
    const std::string diameter = FirstSize(position->diameter);
    const std::string wall = FirstSize(position->wall);
    if (!InUniversalAssortment(diameter, wall)) {
        w.platform.ShowMessage("Трубы " + position->diameter + " × " + position->wall +
                               " нет в универсальном сортаменте.");
        return;
    }
    TForm1& f = w.form;
    ChangePage(w, f.PageControl1, kMassTab);
    PickItem(w, f.ComboBox1, kUniversalItem);
    PickItem(w, f.ComboBox2, IndexOf(f.ComboBox2.Items, diameter));
    PickItem(w, f.ComboBox3, IndexOf(f.ComboBox3.Items, wall));
}

}  // namespace tesmarik
