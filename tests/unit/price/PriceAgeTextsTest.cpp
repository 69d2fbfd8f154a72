#include <gtest/gtest.h>

#include "price/PriceAge.h"
#include "price/PriceDownload.h"

namespace tesmarik {
namespace {

TEST(PriceAgeOf, TheDateTheAgeAndWhetherAFreshOneIsOffered) {
    const DateTime written{2024, 3, 12, 10, 0, 0};
    const PriceAgeTexts fresh = PriceAgeOf(written, {2024, 3, 13, 9, 59, 59});
    EXPECT_EQ(fresh.date, "Прайс от  12.03.2024");
    EXPECT_EQ(fresh.age, "Прайс загружен 0 дней назад");
    EXPECT_FALSE(fresh.stale);
    const PriceAgeTexts old = PriceAgeOf(written, {2024, 3, 14, 10, 0, 0});
    EXPECT_EQ(old.age, "Прайс загружен 2 дня назад");
    EXPECT_TRUE(old.stale);
    // Dated in the future: no word, nothing offered.
    const PriceAgeTexts future = PriceAgeOf(written, {2024, 3, 10, 10, 0, 0});
    EXPECT_EQ(future.age, "Прайс загружен -2 назад");
    EXPECT_FALSE(future.stale);
}

TEST(PriceDownloadAddress, PlainHttpToTheSellersHostAsGiven) {
    EXPECT_EQ(PriceDownloadAddress("127.0.0.1:8080"),
              std::string("http://127.0.0.1:8080") + kPriceDownloadPathAndQuery);
}

}  // namespace
}  // namespace tesmarik
