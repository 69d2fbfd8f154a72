#include "memory/OfferReprice.h"
#include "offer/OfferTotals.h"
#include "tests/unit/memory/MemoryTest.h"

namespace tesmarik {
namespace {

OfferPosition Position(double diameter, double wall, std::string price, std::string steel = "20") {
    return OfferPosition{.type = "n",
                         .diameter = diameter,
                         .wall = wall,
                         .steel = std::move(steel),
                         .standard = "ГОСТ 8732-78",
                         .price = std::move(price),
                         .unit = QuantityUnit::Tonnes,
                         .quantity = 20,
                         .averageLength = 11.3};
}

TEST(RowOfPosition, FindsTheRowThatNamesThePositionsSizes) {
    const PriceStore list = List({Row("n", "57", "3,5", "1"), Row("n", "76", "4 5 6", "2"),
                                  Row("n", "89", "4-6", "3"), Row("n", "108", "4", "4", "09Г2С")});
    const struct {
        OfferPosition p;
        const char* price;  // of the row found; none: no row
    } cases[] = {
        {Position(57, 3.5, ""), "1"},         {Position(76, 5, ""), "2"},
        {Position(76, 5.5, ""), nullptr},     {Position(89, 4.5, ""), "3"},
        {Position(89, 6.5, ""), nullptr},     {Position(108, 4, ""), nullptr},
        {Position(108, 4, "", "09Г2С"), "4"},
    };
    for (const auto& c : cases) {
        const PriceRow* row = RowOfPosition(list, c.p);
        EXPECT_EQ(row ? row->Field(kPriceField) : "", c.price ? c.price : "")
            << c.p.diameter << "x" << c.p.wall << " " << c.p.steel;
    }
}

TEST(RepricedOffer, GivesTheTotalOfANewOfferAtTheNewPrices) {
    Offer offer;
    offer.number = "101226-1530";
    offer.priceDate = "10.12.2026";
    offer.positions = {Position(57, 3.5, "78500"), Position(76, 5, "договорная"),
                       Position(89, 4, "70000"), Position(530, 8, "90000")};
    const PriceStore dearer =
        List({Row("n", "57", "3,5", "79000"), Row("n", "76", "4 5 6", "75000"),
              Row("n", "89", "4-6", "70000,00")});  // 530×8 is no longer listed
    const auto changes = PriceChangesOfOffer(offer, dearer);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].index, 0u);
    EXPECT_EQ(changes[0].offered, "78500");
    EXPECT_EQ(ListedPriceNote(DateTime{2026, 12, 11}, changes[0].listed),
              "цена в прайсе от 11.12.2026: 79 000,00");
    EXPECT_EQ(changes[1].index, 1u);
    EXPECT_EQ(ListedPriceNote(DateTime{2026, 12, 11}, "договорная"),
              "цена в прайсе от 11.12.2026: договорная");

    const Offer repriced = RepricedOffer(offer, dearer, DateTime{2026, 12, 11});
    EXPECT_EQ(repriced.priceDate, "11.12.2026");
    Offer fresh = offer;
    fresh.positions = {Position(57, 3.5, "79000"), Position(76, 5, "75000"),
                       Position(89, 4, "70000"), Position(530, 8, "90000")};
    const OfferFigures before = ComputeOffer(offer, offer.capacity);
    const OfferFigures after = ComputeOffer(repriced, repriced.capacity);
    EXPECT_EQ(after.costKopecks, ComputeOffer(fresh, fresh.capacity).costKopecks);
    EXPECT_GT(after.costKopecks, before.costKopecks);
    EXPECT_TRUE(PriceChangesOfOffer(repriced, dearer).empty());
}

}  // namespace
}  // namespace tesmarik
