#include "memory/OfferArchive.h"
#include "memory/PriceVersions.h"
#include "offer/OfferFile.h"
#include "offer/OfferTotals.h"
#include "tests/unit/memory/MemoryTest.h"

namespace tesmarik {
namespace {

Offer MakeOffer(std::string number, DateTime started, std::string client,
                std::vector<std::pair<double, double>> sizes) {
    Offer offer;
    offer.number = std::move(number);
    offer.started = started;
    offer.client = std::move(client);
    offer.manager.name = "Иванов Иван Иванович";
    for (const auto& [diameter, wall] : sizes) {
        offer.positions.push_back(OfferPosition{.type = "n",
                                                .diameter = diameter,
                                                .wall = wall,
                                                .steel = "20",
                                                .standard = "ГОСТ 8732-78",
                                                .price = "78500",
                                                .unit = QuantityUnit::Metres,
                                                .quantity = 1000,
                                                .averageLength = 11.3});
    }
    return offer;
}

using OfferArchiveStore = MemoryTest;

TEST_F(OfferArchiveStore, FindsOffersByEachPartOfTheQueryNewestFirst) {
    Database db = Open();
    const Offer offers[] = {
        MakeOffer("101226-1530", {2026, 12, 10, 15, 30, 0}, "ООО \"Трубстрой\"", {{530, 8}}),
        MakeOffer("111226-0900", {2026, 12, 11, 9, 0, 0}, "АО Нефтепровод", {{57, 3.5}, {530, 10}}),
        MakeOffer("011126-1200", {2026, 11, 1, 12, 0, 0}, "трубстрой-юг", {{76, 4}}),
    };
    for (const Offer& offer : offers) {
        RecordOffer(db, offer, std::nullopt, kNow);
    }
    const struct {
        const char* name;
        OfferQuery query;
        std::vector<std::string> numbers;
    } cases[] = {
        {"everything", {}, {"111226-0900", "101226-1530", "011126-1200"}},
        {"client, capitals or not", {.client = "ТРУБСТРОЙ"}, {"101226-1530", "011126-1200"}},
        {"number", {.number = "1226"}, {"111226-0900", "101226-1530"}},
        {"days, both ends included",
         {.from = DateTime{2026, 11, 1}, .to = DateTime{2026, 12, 10}},
         {"101226-1530", "011126-1200"}},
        {"diameter", {.diameter = 530}, {"111226-0900", "101226-1530"}},
        {"diameter and wall", {.diameter = 530, .wall = 8}, {"101226-1530"}},
        {"a wall without its diameter on one position", {.diameter = 57, .wall = 10}, {}},
        {"no match", {.client = "Нефтепровод", .diameter = 76}, {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> numbers;
        for (const ArchivedOffer& found : FindOffers(db, c.query)) {
            numbers.push_back(found.number);
        }
        EXPECT_EQ(numbers, c.numbers) << c.name;
    }
}

TEST_F(OfferArchiveStore, AnOfferComesBackAsItWasWithItsFiguresAndPriceVersion) {
    Database db = Open();
    const auto version =
        StorePriceList(db, List({Row("n", "530", "8", "78500")}), kNow, "s").version.id;
    Offer offer = MakeOffer("101226-1530", {2026, 12, 10, 15, 30, 0}, "ООО Трубстрой", {{530, 8}});
    RecordOffer(db, offer, version, kNow);
    // Saved again after a change: the archive keeps the offer as last sent.
    offer.positions[0].quantity = 2500;
    offer.comment = "Доставка до станции";
    const std::int64_t id = RecordOffer(db, offer, version, kNow);
    const auto found = FindOffers(db, {});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].id, id);
    const OfferFigures figures = ComputeOffer(offer, offer.capacity);
    EXPECT_EQ(found[0].totalKopecks, figures.costKopecks);
    EXPECT_EQ(found[0].vatKopecks, figures.vatKopecks);
    EXPECT_GT(found[0].totalKopecks, 0);
    EXPECT_EQ(found[0].priceVersion, version);
    EXPECT_EQ(found[0].manager, "Иванов Иван Иванович");
    EXPECT_EQ(OfferFileText(LoadArchivedOffer(db, id)), OfferFileText(offer));
}

TEST(FoldCase, MakesRussianAndLatinCapitalsSmall) {
    EXPECT_EQ(FoldCase("ООО «ЁЛКА» Steel-1"), "ооо «ёлка» steel-1");
}

}  // namespace
}  // namespace tesmarik
