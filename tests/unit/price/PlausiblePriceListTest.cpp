// What a download must look like before it may replace the price list the user has.
#include <gtest/gtest.h>

#include "price/PlausiblePriceList.h"

namespace tesmarik {
namespace {

TEST(LooksLikePriceList, NeedsAFirstLineWithTheSeparatorAndNoMarkup) {
    EXPECT_TRUE(LooksLikePriceList("Тип;Диаметр\r\nn;530\r\n"));
    EXPECT_TRUE(LooksLikePriceList("n;530;8"));
    EXPECT_TRUE(LooksLikePriceList(";"));
    EXPECT_FALSE(LooksLikePriceList(""));
    EXPECT_FALSE(LooksLikePriceList("\r\n"));
    EXPECT_FALSE(LooksLikePriceList("Тип Диаметр\r\nn;530\r\n"));  // the separator only later
    EXPECT_FALSE(LooksLikePriceList("\nn;530\r\n"));               // an empty first line
    EXPECT_FALSE(LooksLikePriceList("<html><style>p{margin:0;}</style>"));
    EXPECT_FALSE(LooksLikePriceList("\xEF\xBB\xBF  \r\n<!DOCTYPE html>;"));
}

}  // namespace
}  // namespace tesmarik
