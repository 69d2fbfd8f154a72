#pragma once

#include <string>
#include <vector>

#include "common/DateTime.h"
#include "form/TForm2.h"
#include "form/TForm3.h"
#include "offer/OfferTotals.h"
#include "tabs/cost/CostState.h"
#include "tabs/offer/OfferState.h"

namespace tesmarik {

// What stops the offer from being quoted: the first quantity typed that is no usable
// quantity, a position that comes to no figures (fewer than one pipe), a cost beyond words,
// the VAT rate, or a term (the valid-until date, the capacity); and the rows whose figures
// cannot stand. Empty: nothing.
struct OfferCheck {
    std::string problem;
    bool blankTotals = false;     // a figure is wrong: no total stands (a term leaves them)
    std::vector<bool> blankRows;  // by position
};
OfferCheck CheckOffer(const OfferState& s, const OfferFigures& figures);

// Fills the offer's window: its fields, the table and the totals, every figure computed
// before any is shown. The capacity is the text of the loading tab's capacity field.
void ShowOffer(TForm3& f, const OfferState& s, const std::string& capacity);

// "В предложение" of the cost window: the position it prices, with the diameter and the
// wall chosen there and the quantity typed, joins the offer, which starts as `fresh`
// (see NewOffer) when none is started. Throws what the cost window says is wrong with its
// input.
void AddFromCostWindow(const TForm2& cost, const CostState& c, OfferState& s, const Offer& fresh,
                       const std::string& priceDate);

// The number, client, comment, VAT rate, terms, capacity or the manager typed.
void OfferFieldsChange(const TForm3& f, OfferState& s);
// "Смешанная погрузка", "Трубы в трубы" or the clearance changed.
void OfferLoadingChange(const TForm3& f, OfferState& s);
// Another vehicle chosen.
void OfferComboBox1Change(const TForm3& f, OfferState& s);
// A key typed into the grid: into the quantity of a position (replacing it, or at the end
// of its text while the cell is edited in place after F2; Esc brings back what it held,
// Enter ends the edit), or Delete, which removes the position of the current row. Other
// columns take nothing.
void StringGrid1KeyPress(TForm3& f, OfferState& s, char32_t key);
// Removes the position of the grid's current row; a row without one does nothing.
void RemoveCurrentPosition(const TForm3& f, OfferState& s);

}  // namespace tesmarik
