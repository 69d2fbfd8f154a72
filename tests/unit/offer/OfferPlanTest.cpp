#include <gtest/gtest.h>

#include "offer/OfferDocument.h"
#include "offer/OfferFile.h"
#include "offer/OfferPlan.h"
#include "offer/OfferPlanSheet.h"

namespace tesmarik {
namespace {

OfferPosition Pipe(double diameter, double wall, QuantityUnit unit, double quantity,
                   double length = 11.3) {
    return {"n", diameter, wall, "20", "ГОСТ 8732-78", "76000", unit, quantity, length};
}

Offer OfferOf(std::vector<OfferPosition> positions, const char* capacity = "60") {
    Offer offer;
    offer.started = {2026, 12, 10, 15, 30, 0};
    offer.capacity = capacity;
    offer.positions = std::move(positions);
    return offer;
}

OfferPlan Plan(const Offer& offer) {
    return PlanOffer(offer, ComputeOffer(offer, offer.capacity), true);
}

// One size planned alone needs exactly the vehicles its row in the table counts, whatever
// the unit its quantity is given in: the plan takes the pipes the count takes.
TEST(OfferPlan, OneSizeNeedsTheVehiclesOfItsRow) {
    int cases = 0;
    for (int vehicle = 0; vehicle < kVehicleCount; ++vehicle) {
        for (const double diameter : {219.0, 530.0, 820.0, 1420.0}) {
            for (const QuantityUnit unit :
                 {QuantityUnit::Metres, QuantityUnit::Tonnes, QuantityUnit::Pieces}) {
                for (const double quantity : {1.0, 27.0, 113.0, 999.5, 4321.0}) {
                    for (const char* capacity : {"20", "60", "69,5"}) {
                        Offer offer = OfferOf({Pipe(diameter, 10, unit, quantity, 11.7)}, capacity);
                        offer.vehicle = vehicle;
                        const OfferFigures figures = ComputeOffer(offer, capacity);
                        const OfferPlan plan = PlanOffer(offer, figures, true);
                        const VehicleNeed& need = figures.transport[0];
                        if (!need.vehicles) {
                            EXPECT_EQ(plan.apart.size(), 1u);
                            continue;
                        }
                        ++cases;
                        EXPECT_EQ(static_cast<double>(plan.plan.vehicles.size()), *need.vehicles)
                            << diameter << " " << quantity << " " << capacity << " on " << vehicle;
                        EXPECT_EQ(plan.separately, static_cast<long long>(*need.vehicles));
                    }
                }
            }
        }
    }
    EXPECT_GT(cases, 600);
}

TEST(OfferPlan, IdenticalVehiclesAreGroupedAndCounted) {
    // 247 pipes of 530×8 at 27 to a gondola: 9 full ones and 4 pipes on the tenth, which
    // 30 pipes of 219×10 share.
    const OfferPlan plan = Plan(OfferOf(
        {Pipe(530, 8, QuantityUnit::Pieces, 247), Pipe(219, 10, QuantityUnit::Pieces, 30)}));
    ASSERT_TRUE(plan.shown);
    ASSERT_EQ(plan.groups.size(), 2u);
    EXPECT_EQ(plan.groups[0].text, "ТС 1–9: 530×8 — 27 шт., 31,7 т");
    EXPECT_EQ(plan.groups[1].text,
              "ТС 10: 530×8 — 4 шт., 219×10 — 30 шт., 22,2 т, объём 44 %, "
              "масса 37 %");
    EXPECT_EQ(plan.transport,
              "План погрузки: 10 ТС, оптимально (не менее 10 ТС); каждый размер отдельно — 11 ТС, "
              "экономия 1 ТС");
    EXPECT_EQ(PlanPicture(plan), "plan-loads;ТС 1–9,100,53;ТС 10,44,37");

    // The sheet: a row per size and vehicle group, its numbers as numbers.
    const Workbook sheet = PlanSheet(OfferOf({}), plan);
    EXPECT_EQ(sheet.sheetName, "План погрузки");
    const auto& first = sheet.rows[static_cast<std::size_t>(sheet.headingRow) + 1];
    EXPECT_EQ(first[0].number, 1);
    EXPECT_EQ(first[1].number, 9);
    EXPECT_EQ(first[6].number, 27);
    EXPECT_EQ(sheet.rows.size(), static_cast<std::size_t>(sheet.headingRow) + 4);
}

TEST(OfferPlan, BadClearanceIsSaidAndShowsNoPlan) {
    Offer offer =
        OfferOf({Pipe(1020, 12, QuantityUnit::Pieces, 5), Pipe(530, 8, QuantityUnit::Pieces, 5)});
    offer.loading.nesting = true;
    const struct {
        const char* clearance;
        const char* problem;
    } cases[] = {
        {"20", ""},
        {"996", ""},
        {"0", ""},
        {"", "Введите зазор для труб в трубах, мм."},
        {"abc", "Зазор \"abc\" - не число."},
        {"-0,5", "Зазор не может быть отрицательным."},
        {"996,5", "Зазор больше внутреннего диаметра самой большой трубы предложения (996 мм)."},
    };
    for (const auto& c : cases) {
        offer.loading.clearance = c.clearance;
        const OfferPlan plan = Plan(offer);
        EXPECT_EQ(plan.problem, c.problem) << c.clearance;
        EXPECT_EQ(plan.shown, plan.problem.empty()) << c.clearance;
        EXPECT_EQ(LoadingProblem(offer, ComputeOffer(offer, offer.capacity)), c.problem);
    }
    // Pipes in pipes off: the clearance is not asked for.
    offer.loading.nesting = false;
    EXPECT_TRUE(Plan(offer).shown);
    // Nothing the vehicle can take: the sizes apart, and no plan's line.
    offer.vehicle = static_cast<int>(VehicleKind::Platform);
    offer.positions = {Pipe(219, 10, QuantityUnit::Pieces, 5)};
    const OfferPlan apart = Plan(offer);
    EXPECT_TRUE(apart.transport.empty());
    EXPECT_EQ(PlanLines(apart), std::vector<std::string>{"Вне плана: 219×10 — нет норм погрузки"});
    offer.vehicle = 0;
    // A capacity that is no number, or mixed loading off: no plan, and no problem of its own.
    offer.capacity = "0";
    EXPECT_FALSE(Plan(offer).shown);
    offer.capacity = "60";
    offer.loading.mixed = false;
    EXPECT_FALSE(Plan(offer).shown);
}

TEST(OfferPlan, OptionsKeptByTheFileAndOldFilesLoadEachSizeAlone) {
    Offer offer = OfferOf({Pipe(530, 8, QuantityUnit::Pieces, 5)});
    offer.loading = {true, true, "35,5"};
    const OfferRead read = ReadOfferFile(OfferFileText(offer));
    ASSERT_TRUE(read.offer) << read.problem;
    EXPECT_TRUE(read.offer->loading.mixed);
    EXPECT_TRUE(read.offer->loading.nesting);
    EXPECT_EQ(read.offer->loading.clearance, "35,5");
    offer.loading = {false, false, "20"};
    EXPECT_FALSE(ReadOfferFile(OfferFileText(offer)).offer->loading.mixed);

    std::string text = OfferFileText(offer);
    const auto cut = [&text](const std::string& from, const std::string& to) {
        std::string out = text;
        out.erase(out.find(from), out.find(to) - out.find(from));
        return out;
    };
    const OfferRead old = ReadOfferFile(cut("зазор=", "позиция="));
    ASSERT_TRUE(old.offer) << old.problem;
    EXPECT_FALSE(old.offer->loading.mixed);
    EXPECT_EQ(old.offer->loading.clearance, "20");
    text.replace(text.find("трубы в трубы=нет"), 17, "трубы в трубы=1");
    EXPECT_EQ(ReadOfferFile(text).problem.rfind("повреждён: строка", 0), 0u);
}

TEST(OfferPlan, DocumentsCarryThePlanOnlyWhenThereIsOne) {
    Offer offer =
        OfferOf({Pipe(530, 8, QuantityUnit::Pieces, 30), Pipe(219, 10, QuantityUnit::Pieces, 30)});
    const OfferFigures figures = ComputeOffer(offer, offer.capacity);
    const PrintedReport report = OfferReport(offer, figures, ProgramSeller(), {});
    const Workbook book = OfferWorkbook(offer, figures, ProgramSeller());
    ASSERT_EQ(book.moreSheets.size(), 1u);
    EXPECT_EQ(report.picture, PlanPicture(Plan(offer)));
    EXPECT_NE(std::find(report.linesAfter.begin(), report.linesAfter.end(), Plan(offer).transport),
              report.linesAfter.end());

    offer.loading.mixed = false;
    EXPECT_TRUE(OfferReport(offer, figures, ProgramSeller(), {}).picture.empty());
    EXPECT_TRUE(OfferWorkbook(offer, figures, ProgramSeller()).moreSheets.empty());
}

}  // namespace
}  // namespace tesmarik
