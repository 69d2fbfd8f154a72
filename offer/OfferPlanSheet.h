#pragma once

#include "common/PrintedReport.h"
#include "common/Workbook.h"
#include "offer/OfferPlan.h"

namespace tesmarik {

// The plan as a sheet of the offer's workbook, "План погрузки": the groups of vehicles,
// what each carries by size with its numbers as numbers, and the sizes planned apart.
Workbook PlanSheet(const Offer& offer, const OfferPlan& plan);

// The plan under the offer's transport line on paper and in a PDF: its line, its vehicles
// and the drawing of its loads.
void AddPlanToReport(PrintedReport& report, const OfferPlan& plan);

}  // namespace tesmarik
