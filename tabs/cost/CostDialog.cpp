#include "tabs/cost/CostDialog.h"

#include "common/Numbers.h"
#include "price/ListedSizes.h"
#include "price/MoneyText.h"
#include "price/PipeCost.h"
#include "price/QuantityInput.h"

namespace tesmarik {

namespace {

constexpr const char* kAverageLength = "11,3";
constexpr const char* kUnitTexts[] = {"м", "т", "шт."};
constexpr const char* kNegotiable = "цена договорная";

QuantityUnit UnitOf(const RadioGroup& group) {
    const int index = group.ItemIndex();
    return index == 1   ? QuantityUnit::Tonnes
           : index == 2 ? QuantityUnit::Pieces
                        : QuantityUnit::Metres;
}

void FillSizeList(ComboBox& box, const ListedSizes& listed) {
    const bool typed = listed.choice == ListedSizes::Choice::Typed;
    box.Style = typed ? ComboStyle::Editable : ComboStyle::Pick;
    box.SetItems(listed.sizes);
    box.SetItemIndex(typed ? -1 : 0);
}

// The figures of the quantity and the cost; none stands while the input is wrong.
void ClearQuantityFigures(TForm2& f) {
    for (Label* figure : {&f.Label16, &f.Label18, &f.Label20, &f.Label22}) {
        figure->Text.clear();
    }
}

// The size the two lists hold, or what is wrong with it (said in Label12).
std::optional<std::pair<double, double>> ReadSize(TForm2& f, const CostState& s) {
    const InputRead diameter = ReadDiameter(f.ComboBox1.Text, s.diameterRange);
    if (!diameter.value) {
        f.Label12.Text = diameter.problem;
        return std::nullopt;
    }
    const InputRead wall = ReadWall(f.ComboBox2.Text, *diameter.value, s.wallRange);
    if (!wall.value) {
        f.Label12.Text = wall.problem;
        return std::nullopt;
    }
    return std::pair{*diameter.value, *wall.value};
}

}  // namespace

void ShowCostOfPosition(TForm2& f, CostState& s, const PricePosition& position) {
    s.pricePerTonne = PricePerTonne(position.price);
    s.position = position;
    const ListedSizes diameters = SizesOfField(position.diameter);
    const ListedSizes walls = SizesOfField(position.wall);
    s.diameterRange = diameters.range;
    s.wallRange = walls.range;
    FillSizeList(f.ComboBox1, diameters);
    FillSizeList(f.ComboBox2, walls);
    f.Label4.Text = position.steel;
    f.Label6.Text = position.standard;
    f.Label8.Text = s.pricePerTonne ? ShowMoney(*s.pricePerTonne) + " руб./т" : position.price;
    f.Edit1.Text.clear();
    f.Edit2.Text = kAverageLength;
    f.RadioGroup1.SetItemIndex(0);
    f.Label10.Text = kUnitTexts[0];
    for (Label* figure : {&f.Label12, &f.Label14, &f.Label16, &f.Label18, &f.Label20, &f.Label22}) {
        figure->Text.clear();
    }
    if (const auto size = ReadSize(f, s)) {
        f.Label14.Text = ShowNumber(UniversalMassPerMetre(size->first, size->second)) + " кг";
    }
    // A size still to be chosen or typed is no mistake yet.
    f.Label12.Text.clear();
}

void RecalculateCost(TForm2& f, const CostState& s) {
    f.Label12.Text.clear();
    ClearQuantityFigures(f);
    const auto size = ReadSize(f, s);
    if (!size) {
        f.Label14.Text.clear();
        return;
    }
    f.Label14.Text = ShowNumber(UniversalMassPerMetre(size->first, size->second)) + " кг";
    const QuantityUnit unit = UnitOf(f.RadioGroup1);
    const InputRead quantity = ReadQuantity(f.Edit1.Text, unit);
    if (!quantity.value) {
        f.Label12.Text = quantity.problem;
        return;
    }
    const InputRead average = ReadAverageLength(f.Edit2.Text);
    if (!average.value) {
        f.Label12.Text = average.problem;
        return;
    }
    const CostFigures figures = ComputeCost(
        {size->first, size->second, unit, *quantity.value, *average.value, s.pricePerTonne});
    if (const InputRead pieces = CheckPieces(figures.pieces); !pieces.value) {
        f.Label12.Text = pieces.problem;
        return;
    }
    f.Label16.Text = ShowNumber(figures.length) + " м";
    f.Label18.Text = ShowNumber(figures.mass) + " т";
    f.Label20.Text = ShowNumber(figures.pieces) + " шт.";
    f.Label22.Text = figures.cost ? ShowMoney(*figures.cost) + " руб." : kNegotiable;
}

void CostRadioGroup1Click(TForm2& f, const CostState& s) {
    f.Label10.Text = kUnitTexts[static_cast<int>(UnitOf(f.RadioGroup1))];
    if (!f.Edit1.Text.empty()) {
        RecalculateCost(f, s);
    }
}

}  // namespace tesmarik
