#pragma once

#include <optional>
#include <string>

#include "form/MemoryForms.h"
#include "tabs/memory/MemoryState.h"

namespace tesmarik {

// What the search fields of "Архив предложений" ask for; none with the text of what is
// wrong in one of them (a date that is no date, a size that is no number).
struct ArchiveSearch {
    std::optional<OfferQuery> query;
    std::string problem;
};
ArchiveSearch ReadArchiveSearch(const TForm5& f);

// The orders "Порядок" offers, as its items list them.
enum class ArchiveOrder { Newest, Number, Client, Manager, Total };
// Puts the offers found in the order; offers alike in it keep the newest first.
void SortArchived(std::vector<ArchivedOffer>& found, ArchiveOrder order);

// Searches the archive and lists what it finds in the order chosen, the newest first unless
// another is; a field that cannot be
// read says so and the list stays as it was.
void ShowArchive(TForm5& f, MemoryState& m, Database& db);

// The archived offer of the grid's current row, none on a row without one.
std::optional<std::int64_t> CurrentArchivedOffer(const TForm5& f, const MemoryState& m);

// Tells which of the reopened offer's positions the list prices otherwise, and lets
// "Обновить цены" act when there are any.
void ShowReopenedChanges(TForm5& f, const MemoryState& m, const Offer& offer,
                         const DateTime& listTaken);

}  // namespace tesmarik
