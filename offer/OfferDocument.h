#pragma once

#include <string>
#include <vector>

#include "common/PrintedReport.h"
#include "common/Workbook.h"
#include "offer/OfferTexts.h"

namespace tesmarik {

// Who makes the offer, as the document's head names the seller.
struct SellerLines {
    std::string name;
    std::string site;
    std::string email;
};

// The offer as it goes to paper or to a PDF file: its title, the seller, the client and
// the comment, the table, the totals, the VAT, the sum in words, the transport and the
// price list's date.
PrintedReport OfferReport(const Offer& offer, const OfferFigures& figures,
                          const SellerLines& seller, const DateTime& printedAt);

// The same as a workbook the client goes on computing in: figures as numbers with their
// formats, the totals as sums over their columns.
Workbook OfferWorkbook(const Offer& offer, const OfferFigures& figures, const SellerLines& seller);

// The table as tab-separated text, heading first, which pastes into a spreadsheet as
// columns, then the totals, the VAT and the sum in words; a line feed ends each row.
std::string OfferClipboardText(const Offer& offer, const OfferFigures& figures);

// A field as a spreadsheet takes it from pasted text: as text in a cell of its own, never
// as a formula, whatever tab, line break or quote it holds.
std::string PastedAsText(const std::string& field);

}  // namespace tesmarik
