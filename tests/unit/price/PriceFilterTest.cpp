#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Error.h"
#include "price/PriceFilter.h"

namespace tesmarik {
namespace {

PriceStore Store(const std::vector<std::vector<std::string>>& rows) {
    PriceStore store;
    for (const auto& fields : rows) {
        store.rows.push_back(PriceRow{fields});
    }
    return store;
}

std::string ErrorOf(const PriceStore& store, const PriceCriteria& criteria) {
    try {
        MatchingRows(store, criteria);
    } catch (const Error& e) {
        return e.Text();
    }
    return "no error";
}

TEST(MatchingRows, RangesReadBoundsThenTheWantedValue) {
    const PriceStore store = Store({{"n", "8,5-9,5"}});
    const struct {
        const char* diameter;
        std::size_t matches;
    } cases[] = {{"8,5", 1}, {"9", 1}, {"9,5", 1}, {"8,4", 0}, {"9,6", 0}, {" 9 ", 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(MatchingRows(store, {"", c.diameter, "", "", ""}).size(), c.matches)
            << c.diameter;
    }
    EXPECT_EQ(ErrorOf(Store({{"n", "a-b"}}), {"", "x", "", "", ""}),
              "'a' is not a valid floating point value");
    EXPECT_EQ(ErrorOf(Store({{"n", "5-b"}}), {"", "x", "", "", ""}),
              "'b' is not a valid floating point value");
    EXPECT_EQ(ErrorOf(Store({{"n", "-5"}}), {"", "5", "", "", ""}),
              "'' is not a valid floating point value");
    const std::string withNul("1\0 2-3", 6);
    EXPECT_EQ(ErrorOf(Store({{"n", withNul}}), {"", "2", "", "", ""}),
              "'" + withNul.substr(0, 4) + "' is not a valid floating point value");
}

TEST(MatchingRows, ConditionsAreLookedAtOnlyWhileTheRowStillMatches) {
    // The range of the second row would fail, but its type already excludes it.
    const PriceStore store = Store({{"n", "530"}, {"kt", "500-600"}});
    EXPECT_EQ(MatchingRows(store, {"Новые/Лежалые", "x", "", "", ""}).size(), 0u);
    EXPECT_EQ(ErrorOf(store, {"", "x", "", "", ""}), "'x' is not a valid floating point value");
    EXPECT_EQ(MatchingRows(store, {"Что-то иное", "", "", "", ""}).size(), 0u);
}

TEST(MatchingRows, WallAndSteelAreLookedAtUpTo200Characters) {
    const std::string filler(190, 'x');
    const std::string wideWall = filler + " 8 " + std::string(20, 'y') + " 10";
    const std::string wideSteel = filler + "ж 20 ж" + std::string(20, 'y') + " 09Г2С";
    const PriceStore store = Store({{"n", "530", wideWall, wideSteel, "ГОСТ"}});
    EXPECT_EQ(MatchingRows(store, {"", "", "8", "", ""}).size(), 1u);
    EXPECT_EQ(MatchingRows(store, {"", "", "10", "", ""}).size(), 0u);
    EXPECT_EQ(MatchingRows(store, {"", "", "", "20", ""}).size(), 1u);
    EXPECT_EQ(MatchingRows(store, {"", "", "", "09Г2С", ""}).size(), 0u);
}

TEST(MatchingRows, ListsOfSeveralDoNotTakeTheWildcards) {
    // "ндан" fits every steel only as the whole field.
    const PriceStore store =
        Store({{"n", "530", "8", "ндан 20", "ГОСТ"}, {"n", "530", "8", "ндан"}});
    const auto rows = MatchingRows(store, {"", "", "", "10", ""});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], 1u);
}

}  // namespace
}  // namespace tesmarik
