#include "tabs/offer/OfferWindow.h"

#include "common/Error.h"
#include "common/Numbers.h"
#include "common/Text.h"
#include "loading/Vehicles.h"
#include "offer/OfferTerms.h"
#include "offer/OfferTexts.h"
#include "price/QuantityInput.h"

namespace tesmarik {

namespace {

std::vector<std::string> VehicleItems() {
    std::vector<std::string> items;
    for (int v = 0; v < kVehicleCount; ++v) {
        items.push_back(VehicleName(v));
    }
    return items;
}

QuantityUnit UnitOf(const RadioGroup& group) {
    const int index = group.ItemIndex();
    return index == 1   ? QuantityUnit::Tonnes
           : index == 2 ? QuantityUnit::Pieces
                        : QuantityUnit::Metres;
}

// The position of the grid's current row, or none.
std::optional<std::size_t> CurrentPosition(const TForm3& f, const OfferState& s) {
    const int index = f.StringGrid1.Row - f.StringGrid1.FixedRows;
    if (!s.started || index < 0 || index >= static_cast<int>(s.offer.positions.size())) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(index);
}

}  // namespace

void ShowOffer(TForm3& f, const OfferState& s, const std::string& capacity) {
    const Offer& offer = s.offer;
    const OfferFigures figures = ComputeOffer(offer, capacity);
    const OfferSummary summary = SummaryOf(offer, figures);

    f.Edit1.Text = offer.number;
    f.Label3.Text = s.started ? ShortDate(offer.started) : std::string();
    f.Edit2.Text = offer.client;
    f.Edit3.Text = offer.comment;
    f.Edit4.Text = offer.vatRate;
    f.Edit5.Text = offer.terms.validUntil;
    f.Edit6.Text = offer.capacity;
    f.Edit7.Text = offer.terms.delivery;
    f.Edit8.Text = offer.terms.payment;
    f.Edit9.Text = offer.manager.name;
    f.Edit10.Text = offer.manager.position;
    f.Edit11.Text = offer.manager.phone;
    f.Edit12.Text = offer.manager.email;
    if (f.ComboBox1.Items.empty()) {
        f.ComboBox1.SetItems(VehicleItems());
    }
    f.ComboBox1.SetItemIndex(offer.vehicle);

    StringGrid& grid = f.StringGrid1;
    const std::size_t count = offer.positions.size();
    // An empty offer keeps one empty row under the heading.
    grid.RowCount = 1 + static_cast<int>(std::max<std::size_t>(count, 1));
    const OfferRow& heading = OfferHeading();
    for (int c = 0; c < kOfferColumns; ++c) {
        grid.SetCell(c, 0, heading[static_cast<std::size_t>(c)]);
        if (count == 0) {
            grid.SetCell(c, 1, {});
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        OfferRow row = PositionRow(offer, figures, i);
        if (const auto typed = s.typed.find(i); typed != s.typed.end()) {
            row[kQuantityColumn] = typed->second;
        }
        for (int c = 0; c < kOfferColumns; ++c) {
            grid.SetCell(c, static_cast<int>(i) + 1, row[static_cast<std::size_t>(c)]);
        }
    }
    grid.Row = std::min(std::max(grid.Row, 1), grid.RowCount - 1);

    f.Label8.Text = summary.totals;
    f.Label9.Text = summary.cost;
    f.Label11.Text = summary.vat;
    f.Label12.Text = summary.words;
    f.Label13.Text = summary.transport;
    f.Label14.Text = summary.priceDate;
    // A quantity being typed that is not usable is said before the rate.
    std::string problem;
    for (const auto& [index, text] : s.typed) {
        if (index < count) {
            const InputRead read = ReadQuantity(text, offer.positions[index].unit);
            if (!read.value && problem.empty()) {
                problem = "Позиция " + std::to_string(index + 1) + ": " + read.problem;
            }
        }
    }
    if (problem.empty() && !figures.vatRate.value) {
        problem = figures.vatRate.problem;
    }
    if (problem.empty()) {
        problem = OfferTermsProblem(offer);
    }
    f.Label7.Text = problem;
}

void AddFromCostWindow(const TForm2& cost, const CostState& c, OfferState& s, const Offer& fresh,
                       const std::string& priceDate) {
    // What the cost window says is wrong stops the position here.
    if (!cost.Label12.Text.empty()) {
        throw Error(cost.Label12.Text);
    }
    const InputRead diameter = ReadDiameter(cost.ComboBox1.Text);
    const InputRead wall =
        diameter.value ? ReadWall(cost.ComboBox2.Text, *diameter.value) : InputRead{};
    const QuantityUnit unit = UnitOf(cost.RadioGroup1);
    const InputRead quantity = ReadQuantity(cost.Edit1.Text, unit);
    const InputRead length = ReadAverageLength(cost.Edit2.Text);
    for (const InputRead* read : {&diameter, &wall, &quantity, &length}) {
        if (!read->value) {
            throw Error(read->problem.empty() ? diameter.problem : read->problem);
        }
    }
    const OfferPosition position{c.position.type,
                                 ShowNumber(*diameter.value),
                                 ShowNumber(*wall.value),
                                 c.position.steel,
                                 c.position.standard,
                                 c.position.price,
                                 unit,
                                 *quantity.value,
                                 *length.value};
    Offer offer = s.started ? s.offer : fresh;
    AddPosition(offer, position);
    if (!priceDate.empty()) {
        offer.priceDate = priceDate;
    }
    s.offer = std::move(offer);
    s.started = true;
    s.unsaved = true;
    s.typed.clear();
}

void OfferFieldsChange(const TForm3& f, OfferState& s) {
    Offer& offer = s.offer;
    const std::pair<std::string*, const Edit*> fields[] = {
        {&offer.number, &f.Edit1},           {&offer.client, &f.Edit2},
        {&offer.comment, &f.Edit3},          {&offer.vatRate, &f.Edit4},
        {&offer.terms.validUntil, &f.Edit5}, {&offer.capacity, &f.Edit6},
        {&offer.terms.delivery, &f.Edit7},   {&offer.terms.payment, &f.Edit8},
        {&offer.manager.name, &f.Edit9},     {&offer.manager.position, &f.Edit10},
        {&offer.manager.phone, &f.Edit11},   {&offer.manager.email, &f.Edit12},
    };
    for (const auto& [value, edit] : fields) {
        if (*value != edit->Text) {
            *value = edit->Text;
            s.unsaved = true;
        }
    }
}

void OfferComboBox1Change(const TForm3& f, OfferState& s) {
    const int index = f.ComboBox1.ItemIndex();
    if (index >= 0 && index < kVehicleCount && index != s.offer.vehicle) {
        s.offer.vehicle = index;
        s.unsaved = true;
    }
}

void StringGrid1KeyPress(TForm3& f, OfferState& s, char32_t key) {
    const auto index = CurrentPosition(f, s);
    if (!index) {
        return;
    }
    if (key == kDeleteKey) {
        RemoveCurrentPosition(f, s);
        return;
    }
    if (f.StringGrid1.Col != kQuantityColumn || key == U'\r') {
        return;
    }
    OfferPosition& position = s.offer.positions[*index];
    const auto typed = s.typed.find(*index);
    std::string text = typed != s.typed.end() ? typed->second : ShowNumber(position.quantity);
    if (key == U'\b') {
        RemoveLastChar(text);
    } else {
        AppendCodePoint(text, key);
    }
    s.typed[*index] = text;
    const InputRead read = ReadQuantity(text, position.unit);
    if (read.value) {
        position.quantity = *read.value;
    }
    s.unsaved = true;
}

void RemoveCurrentPosition(const TForm3& f, OfferState& s) {
    const auto index = CurrentPosition(f, s);
    if (!index) {
        return;
    }
    auto& positions = s.offer.positions;
    positions.erase(positions.begin() + static_cast<std::ptrdiff_t>(*index));
    s.typed.clear();
    s.unsaved = true;
}

}  // namespace tesmarik
