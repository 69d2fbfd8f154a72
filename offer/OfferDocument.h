#pragma once

#include <string>
#include <vector>

#include "common/PrintedReport.h"
#include "common/SellerIdentity.h"
#include "common/Workbook.h"
#include "offer/OfferTexts.h"

namespace tesmarik {

// The offer as it goes to paper or to a PDF file: a letter on the seller's letterhead
// with its title, the client and the comment, the table with its totals, the VAT and the
// sum in words, the transport, the price list's date, the terms and the manager's
// signature; a footnote says where and when it was made.
PrintedReport OfferReport(const Offer& offer, const OfferFigures& figures,
                          const SellerIdentity& seller, const DateTime& printedAt);

// The same as a workbook the client goes on computing in: each row's length, mass and
// cost are formulas of its quantity, the mass of one metre, the average length and the
// price; the totals sum their columns and the VAT follows its rate's cell. Nothing under
// the table states a figure the formulas would leave behind.
Workbook OfferWorkbook(const Offer& offer, const OfferFigures& figures,
                       const SellerIdentity& seller);

// The table as tab-separated text, heading first, which pastes into a spreadsheet as
// columns, then the totals, the VAT and the sum in words; a line feed ends each row.
std::string OfferClipboardText(const Offer& offer, const OfferFigures& figures);

// A field as a spreadsheet takes it from pasted text: as text in a cell of its own, never
// as a formula, whatever tab, line break or quote it holds.
std::string PastedAsText(const std::string& field);

// The name a saved or printed document of the offer is proposed under, without its
// extension: "КП 101226-1530 ООО Трубстрой", with what a file name cannot hold left out.
std::string OfferFileName(const Offer& offer);

}  // namespace tesmarik
