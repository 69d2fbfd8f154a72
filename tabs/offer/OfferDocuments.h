#pragma once

#include <string>

#include "common/Platform.h"
#include "common/UserSettings.h"
#include "tabs/offer/OfferState.h"

namespace tesmarik {

// What the buttons of the offer's window make of it: the table on the clipboard, the
// document on paper, in a PDF file and in a workbook. The capacity is the text of the
// loading tab's capacity field. An offer without positions makes nothing and says so.
void CopyOffer(const OfferState& s, const std::string& capacity, Platform& platform);
// These three: true once the document is made (not cancelled).
bool PrintOffer(const OfferState& s, const std::string& capacity, Platform& platform);
bool SaveOfferPdf(const OfferState& s, const std::string& capacity, Platform& platform);
bool SaveOfferExcel(const OfferState& s, const std::string& capacity, Platform& platform);

// "Сохранить предложение…": the save dialog, then the offer file; true once saved.
bool SaveOffer(OfferState& s, Platform& platform);
// "Открыть предложение…": the open dialog, then the file, which replaces the offer only
// when it is one (a foreign or damaged file is refused with a message, the open offer
// kept). Changes not yet saved are offered for saving once the new offer has been read.
void OpenOffer(OfferState& s, Platform& platform);
// The user's settings, as the platform keeps them.
UserSettings ReadSettings(Platform& platform);
// Remembers the offer's manager and its delivery and payment terms in the user's settings
// for the next offers; a settings file that cannot be written is passed over.
void RememberOfferSettings(const OfferState& s, Platform& platform);

// Before the offer's changes would be lost: whether to save them. False when the user
// cancels (or cancels the save); "Нет" discards the offer.
bool MayCloseOffer(OfferState& s, Platform& platform);

}  // namespace tesmarik
