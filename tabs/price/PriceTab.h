#pragma once

#include <string>

#include "common/Platform.h"
#include "form/TForm1.h"
#include "tabs/price/PriceState.h"

namespace tesmarik {

// Every change of tab. On the price tab: make sure there is a price file (age check and
// offer of a fresh one, or the offer to fetch a missing one), read it, extend the search
// lists; on every tab, finish with the filter.
void PageControl1Change(TForm1& f, PriceState& price, Platform& platform);

// The five search lists: every change of a list's text and every key released in one runs
// the filter. A click on a list does nothing of its own. A key released over conditions
// whose error was just shown runs nothing: the error is shown once for a text.
void SearchListChange(TForm1& f, PriceState& price, bool keyUp);

// Shows the date and age of the price file at path on the price tab and, when the file
// is a day old or more, offers to fetch a fresh one. The price file must exist. Without a
// path, the platform's price file.
// True when a download brought a new file.
bool CheckPriceAge(TForm1& f, Platform& platform, const std::string& path);
void CheckPriceAge(TForm1& f, Platform& platform);

}  // namespace tesmarik
