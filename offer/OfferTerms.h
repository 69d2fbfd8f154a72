#pragma once

#include <optional>
#include <string>

#include "common/DateTime.h"
#include "common/UserSettings.h"
#include "offer/OfferPosition.h"

namespace tesmarik {

// How many working days an offer is valid for, unless the manager types another date.
inline constexpr int kOfferValidWorkingDays = 5;

// The date that many working days (Monday to Friday) after the given one.
DateTime WorkingDaysAfter(const DateTime& from, int days);

// A date typed as "dd.mm.yyyy" that exists in the calendar, or none.
std::optional<DateTime> ReadShortDate(const std::string& text);

// What is wrong with the offer's valid-until date, in the words the window shows; empty
// when it is a date or left empty (the document then names no date).
std::string ValidUntilProblem(const std::string& text);

// What is wrong with the offer's carrying capacity; empty when it is a positive number.
std::string CapacityProblem(const std::string& text);

// The first of the two above for the offer; empty when neither is wrong.
std::string OfferTermsProblem(const Offer& offer);

// An offer started at `now`: numbered from that time, valid for kOfferValidWorkingDays,
// its vehicles counted with the capacity given (the loading tab's), its manager and its
// delivery and payment terms those of the user's settings.
Offer NewOffer(const DateTime& now, const std::string& capacity, const UserSettings& settings);

// The manager and the terms a new offer starts with, from the user's settings: what was
// typed in the last offer. The valid-until date is not remembered.
void ApplyOfferSettings(const UserSettings& settings, OfferManager& manager, OfferTerms& terms);
// The settings with the offer's manager and terms put in.
void StoreOfferSettings(const OfferManager& manager, const OfferTerms& terms,
                        UserSettings& settings);

}  // namespace tesmarik
