#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "price/PriceFileReader.h"

namespace tesmarik {
namespace {

using Fields = std::vector<std::string>;

TEST(ParsePriceLines, TheFirstLineFixesTheFields) {
    const struct {
        const char* name;
        std::vector<std::string> lines;
        std::vector<Fields> rows;
    } cases[] = {
        {"no lines", {}, {}},
        {"a heading only", {"a;b;c"}, {}},
        {"fields as written, blanks and case kept",
         {"a;b;c", "n; 530 ;Сталь"},
         {{"n", " 530 ", "Сталь"}}},
        {"empty fields read 0", {"a;b;c;d", "l;;;"}, {{"l", "0", "0", "0"}}},
        {"missing fields read 0", {"a;b;c;d", "v;1"}, {{"v", "1", "0", "0"}}},
        {"text behind the last field is ignored", {"a;b", "kt;1;2;3"}, {{"kt", "1"}}},
        {"a first line without separators gives one field", {"heading", "n;530"}, {{"n"}}},
        {"the first line may itself be a row", {"n;530", "l;630"}, {{"n", "530"}, {"l", "630"}}},
        {"only the four type codes make rows",
         {"a;b", "N;1", " n;2", "n ;3", "k;4", "t;5", "kt;6", ";7", "", "nl;8"},
         {{"kt", "6"}}},
    };
    for (const auto& c : cases) {
        const PriceStore store = ParsePriceLines(c.lines);
        std::vector<Fields> rows;
        for (const PriceRow& row : store.rows) {
            rows.push_back(row.fields);
        }
        EXPECT_EQ(rows, c.rows) << c.name;
    }
}

TEST(ParsePriceLines, FieldsBeyondTheFirstLineReadEmpty) {
    const PriceStore store = ParsePriceLines({"a;b", "n;1;2;3;4;5;6;7;8;AEA5A3;10"});
    ASSERT_EQ(store.rows.size(), 1u);
    EXPECT_EQ(store.rows[0].Field(1), "1");
    EXPECT_EQ(store.rows[0].Field(2), "");
    EXPECT_EQ(store.rows[0].Field(kSupplyField), "");
    EXPECT_EQ(store.rows[0].Field(300), "");
}

TEST(ParsePriceLines, LinesBeyondTheLimitsAreNotLookedAt) {
    // However it is called, no more than 300 lines and 301 fields are taken.
    std::vector<std::string> lines{std::string(1000, ';')};
    for (int i = 0; i < 400; ++i) {
        lines.push_back("n;" + std::to_string(i));
    }
    const PriceStore store = ParsePriceLines(lines);
    ASSERT_EQ(store.rows.size(), 299u);
    EXPECT_EQ(store.rows.back().Field(1), "298");
    EXPECT_EQ(store.rows.back().fields.size(), kPriceMaxFields);
    EXPECT_EQ(store.rows.back().Field(300), "0");
}

}  // namespace
}  // namespace tesmarik
