#pragma once

#include "app/Window.h"

namespace tesmarik {

// The program's database, opened under the platform's data folder on first use and kept
// for the run; a notice of a file that could not be read and was moved aside is shown
// once. None where the platform names no data folder. Throws what fails.
Database* MemoryOf(Window& w);

// The same for a window that cannot work without it: throws when there is none.
Database& RequiredMemory(Window& w);

// Keeps the price list the price tab just read: a downloaded one as a new version, a file
// that was there before the first use as the first one.
void KeepPriceList(Window& w);

// Records the offer just saved, printed or exported in the archive, with the latest kept
// price list.
void RecordSentOffer(Window& w);

// The windows of the program's memory and the menu items that open them.
inline constexpr const char* kPriceChangesItem = "Изменения прайса…";
inline constexpr const char* kPriceHistoryItem = "История цены…";
inline constexpr const char* kOfferArchiveItem = "Архив предложений…";

}  // namespace tesmarik
