#include "tabs/offer/OfferWindow.h"

#include "common/Error.h"
#include "common/Numbers.h"
#include "common/Text.h"
#include "loading/Vehicles.h"
#include "offer/OfferPlan.h"
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

OfferCheck CheckOffer(const OfferState& s, const OfferFigures& figures) {
    OfferCheck check;
    const std::size_t count = s.offer.positions.size();
    check.blankRows.assign(count, false);
    const auto note = [&check](std::string problem) {
        if (check.problem.empty()) {
            check.problem = std::move(problem);
        }
    };
    for (std::size_t i = 0; i < count; ++i) {
        const OfferPosition& p = s.offer.positions[i];
        std::string problem;
        if (const auto typed = s.typed.find(i); typed != s.typed.end()) {
            problem = ReadQuantity(typed->second, p.unit).problem;
        }
        if (problem.empty()) {
            problem = PositionProblem(p);
        }
        if (!problem.empty()) {
            check.blankRows[i] = true;
            note("Позиция " + std::to_string(i + 1) + ": " + problem);
        }
    }
    if (figures.costTooLarge) {
        note(kCostTooLarge);
    }
    if (!figures.vatRate.value) {
        note(figures.vatRate.problem);
    }
    check.blankTotals = !check.problem.empty();
    // The terms and the loading options stop the documents too, but leave the figures
    // standing.
    note(OfferTermsProblem(s.offer));
    note(LoadingProblem(s.offer, figures));
    return check;
}

void ShowOffer(TForm3& f, const OfferState& s, const std::string& capacity) {
    const Offer& offer = s.offer;
    const OfferFigures figures = ComputeOffer(offer, capacity);
    const OfferCheck check = CheckOffer(s, figures);
    OfferSummary summary = SummaryOf(offer, figures);
    // While anything typed is wrong no total stands: it would be a figure of another offer.
    if (check.blankTotals) {
        OfferSummary none;
        none.priceDate = summary.priceDate;
        summary = none;
    }

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
        if (check.blankRows[i]) {
            for (const int c :
                 {kPiecesColumn, kLengthColumn, kMassColumn, kCostColumn, kVehiclesColumn}) {
                row[static_cast<std::size_t>(c)].clear();
            }
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
    f.Label7.Text = check.problem;

    const OfferLoading& loading = offer.loading;
    f.CheckBox1.Checked = loading.mixed;
    f.CheckBox2.Checked = loading.nesting;
    f.Edit13.Text = loading.clearance;
    f.CheckBox2.Enabled = loading.mixed;
    f.Edit13.Enabled = loading.mixed && loading.nesting;
    const OfferPlan plan = PlanOffer(offer, figures, !check.blankTotals);
    f.Label24.Text = plan.shown ? plan.transport : std::string();
    f.Memo1.Lines = plan.shown ? PlanLines(plan) : std::vector<std::string>();
    f.Image1.Picture = PlanPicture(plan);
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
    const OfferPosition position{
        c.position.type,     *diameter.value,  *wall.value, c.position.steel,
        c.position.standard, c.position.price, unit,        *quantity.value,
        *length.value};
    Offer offer = s.started ? s.offer : fresh;
    if (!s.started) {
        // The loading options set in the empty window stay with the offer they start.
        offer.loading = s.offer.loading;
    }
    AddPosition(offer, position);
    if (!priceDate.empty()) {
        offer.priceDate = priceDate;
    }
    s.offer = std::move(offer);
    s.started = true;
    s.unsaved = true;
    s.typed.clear();
    s.edit.reset();
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

void OfferLoadingChange(const TForm3& f, OfferState& s) {
    OfferLoading& loading = s.offer.loading;
    const OfferLoading shown{f.CheckBox1.Checked, f.CheckBox2.Checked, f.Edit13.Text};
    if (shown.mixed != loading.mixed || shown.nesting != loading.nesting ||
        shown.clearance != loading.clearance) {
        loading = shown;
        s.unsaved = true;
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
    StringGrid& grid = f.StringGrid1;
    const auto index = CurrentPosition(f, s);
    const bool editing = grid.Editing && index && s.edit && s.edit->index == *index;
    if (!index || key == U'\r') {
        grid.Editing = false;
        return;
    }
    if (key == kDeleteKey) {
        grid.Editing = false;
        RemoveCurrentPosition(f, s);
        return;
    }
    if (grid.Col != kQuantityColumn) {
        grid.Editing = false;
        return;
    }
    OfferPosition& position = s.offer.positions[*index];
    const auto typed = s.typed.find(*index);
    if (key == kEscapeKey) {
        if (editing) {
            if (s.edit->typedBefore) {
                s.typed[*index] = *s.edit->typedBefore;
            } else {
                s.typed.erase(*index);
            }
            position.quantity = s.edit->quantityBefore;
        }
        grid.Editing = false;
        return;
    }
    // Typing into a cell that is not being edited replaces what it shows, as in every
    // spreadsheet; F2 keeps the text to go on typing at its end.
    std::string text;
    if (editing || key == kEditCellKey) {
        text = typed != s.typed.end() ? typed->second : ShowNumber(position.quantity);
    }
    if (!editing) {
        s.edit = OfferState::CellEdit{
            *index, typed != s.typed.end() ? std::optional(typed->second) : std::nullopt,
            position.quantity};
        grid.Editing = true;
    }
    if (key == kEditCellKey) {
        return;
    }
    if (key == U'\b') {
        RemoveLastChar(text);
    } else if (key >= 0x20 && key < kEditCellKey) {
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
    s.edit.reset();
    s.unsaved = true;
}

}  // namespace tesmarik
