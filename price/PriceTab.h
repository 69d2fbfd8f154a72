#pragma once

#include "common/Platform.h"
#include "form/TForm1.h"
#include "price/PriceState.h"

namespace tesmarik {

// Every change of tab. On the price tab: make sure there is a price file (age check and
// offer of a fresh one, or the offer to fetch a missing one), read it, extend the search
// lists; on every tab, finish with the filter.
void PageControl1Change(TForm1& f, PriceState& price, Platform& platform);

// The search lists: every change of a text and every key released runs the filter.
void ComboBox7Change(TForm1& f, const PriceState& price);
void ComboBox8KeyUp(TForm1& f, const PriceState& price);  // also serves ComboBox7
void ComboBox9Change(TForm1& f, const PriceState& price);
void ComboBox9KeyUp(TForm1& f, const PriceState& price);
void ComboBox10Change(TForm1& f, const PriceState& price);
void ComboBox10KeyUp(TForm1& f, const PriceState& price);
void ComboBox11Change(TForm1& f, const PriceState& price);  // also serves ComboBox8
void ComboBox11KeyUp(TForm1& f, const PriceState& price);

}  // namespace tesmarik
