#include <gtest/gtest.h>

#include "price/PriceAge.h"

namespace tesmarik {
namespace {

// A date and time `seconds` after 2026-01-01 00:00:00.
DateTime After(long long seconds) {
    DateTime t{2026, 1, 1, 0, 0, 0};
    long long days = seconds / 86400;
    long long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    // January 2026 and December 2025 are enough for these cases.
    t.day = 1 + static_cast<int>(days);
    if (t.day < 1) {
        t.year = 2025;
        t.month = 12;
        t.day += 31;
    }
    return t;
}

TEST(AgeInDays, WholeDaysTruncatedTowardZero) {
    const struct {
        long long seconds;
        long long days;
    } cases[] = {
        {0, 0},         {23 * 3600, 0},     {86399, 0},     {86400, 1},
        {25 * 3600, 1}, {5 * 86400 - 1, 4}, {5 * 86400, 5}, {21 * 86400 + 1, 21},
        {-1, 0},        {-86399, 0},        {-86400, -1},   {-(2 * 86400 + 6 * 3600), -2},
    };
    const DateTime written = After(10 * 86400);
    for (const auto& c : cases) {
        EXPECT_EQ(AgeInDays(written, After(10 * 86400 + c.seconds)), c.days) << c.seconds;
    }
}

TEST(AgeInDays, ExactDaysAtEveryTimeOfDay) {
    // Day numbers with a fraction of a day must not turn exactly n days into n - 1.
    for (long long start = 0; start < 86400; start += 37) {
        for (long long days : {1, 2, 7, 21}) {
            ASSERT_EQ(AgeInDays(After(start), After(start + days * 86400)), days) << start;
            ASSERT_EQ(AgeInDays(After(start), After(start + days * 86400 - 1)), days - 1) << start;
        }
    }
}

TEST(AgeUnitWord, FollowsTheWholeNumber) {
    const struct {
        long long days;
        const char* word;
    } cases[] = {
        {-5, ""},    {-1, ""},     {0, " дней"},  {1, " день"},  {2, " дня"},   {3, " дня"},
        {4, " дня"}, {5, " дней"}, {11, " дней"}, {21, " дней"}, {22, " дней"}, {101, " дней"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AgeUnitWord(c.days), c.word) << c.days;
    }
}

}  // namespace
}  // namespace tesmarik
