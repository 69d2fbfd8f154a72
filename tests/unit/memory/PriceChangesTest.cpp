#include "memory/PriceChanges.h"
#include "tests/unit/memory/MemoryTest.h"

namespace tesmarik {
namespace {

using Kind = PriceChangeKind;

struct Expected {
    Kind kind;
    std::string diameter;
    std::optional<std::int64_t> oldKopecks;
    std::optional<std::int64_t> newKopecks;
    double percent;
};

TEST(ComparePriceLists, TellsEachKindOfChangeWithItsFigures) {
    const struct {
        const char* name;
        std::vector<PriceRow> older;
        std::vector<PriceRow> newer;
        std::vector<Expected> changes;
    } cases[] = {
        {"nothing changed", {Row("n", "57", "4", "78500")}, {Row("n", "57", "4", "78500")}, {}},
        {"the same price written otherwise",
         {Row("n", "57", "4", "78500")},
         {Row("n", "57", "4", "78500,00")},
         {}},
        {"a note changed, not the price",
         {Row("n", "57", "4", "1", "20", "ГОСТ", "a")},
         {Row("n", "57", "4", "1", "20", "ГОСТ", "b")},
         {}},
        {"dearer and cheaper, to the kopeck",
         {Row("n", "57", "4", "78500"), Row("n", "76", "4", "77000,50")},
         {Row("n", "57", "4", "80000"), Row("n", "76", "4", "76999,99")},
         {{Kind::Dearer, "57", 7850000, 8000000, 1.91},
          {Kind::Cheaper, "76", 7700050, 7699999, -0.0}}},
        {"new and withdrawn",
         {Row("n", "57", "4", "1"), Row("n", "76", "4", "2")},
         {Row("n", "89", "4", "3"), Row("n", "57", "4", "1")},
         {{Kind::New, "89", std::nullopt, 300, 0}, {Kind::Withdrawn, "76", 200, std::nullopt, 0}}},
        {"a negotiable price",
         {Row("n", "57", "4", "78500"), Row("n", "76", "4", "договорная")},
         {Row("n", "57", "4", "договорная"), Row("n", "76", "4", "договорная")},
         {{Kind::Repriced, "57", 7850000, std::nullopt, 0}}},
        {"another steel is another row",
         {Row("n", "57", "4", "1", "20")},
         {Row("n", "57", "4", "1", "09Г2С")},
         {{Kind::New, "57", std::nullopt, 100, 0}, {Kind::Withdrawn, "57", 100, std::nullopt, 0}}},
        {"a row listed twice is matched in order",
         {Row("n", "57", "4", "100"), Row("n", "57", "4", "200")},
         {Row("n", "57", "4", "100"), Row("n", "57", "4", "250"), Row("n", "57", "4", "300")},
         {{Kind::Dearer, "57", 20000, 25000, 25}, {Kind::New, "57", std::nullopt, 30000, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PriceComparison result = ComparePriceLists(List(c.older), List(c.newer));
        ASSERT_EQ(result.changes.size(), c.changes.size());
        PriceChangeCounts counts;
        for (std::size_t i = 0; i < c.changes.size(); ++i) {
            const PriceChange& got = result.changes[i];
            const Expected& want = c.changes[i];
            EXPECT_EQ(got.kind, want.kind) << i;
            EXPECT_EQ(got.row.Field(kDiameterField), want.diameter) << i;
            EXPECT_EQ(got.oldKopecks, want.oldKopecks) << i;
            EXPECT_EQ(got.newKopecks, want.newKopecks) << i;
            if (want.oldKopecks && want.newKopecks) {
                EXPECT_EQ(got.changeKopecks, *want.newKopecks - *want.oldKopecks) << i;
            }
            EXPECT_DOUBLE_EQ(got.percent, want.percent) << i;
            counts.dearer += want.kind == Kind::Dearer;
            counts.cheaper += want.kind == Kind::Cheaper;
            counts.added += want.kind == Kind::New;
            counts.withdrawn += want.kind == Kind::Withdrawn;
            counts.repriced += want.kind == Kind::Repriced;
        }
        EXPECT_EQ(ChangesSummary(DateTime{}, result.counts), ChangesSummary(DateTime{}, counts));
        EXPECT_EQ(result.counts.repriced, counts.repriced);
    }
}

TEST(ChangesSummary, ReadsAsTheWindowShowsIt) {
    EXPECT_EQ(ChangesSummary(DateTime{2026, 12, 10, 8, 15, 0}, PriceChangeCounts{12, 5, 3, 2, 1}),
              "С 10.12.2026 08:15: дороже 12, дешевле 5, новых 3, снято 2");
}

using PriceHistoryOfARow = MemoryTest;

TEST_F(PriceHistoryOfARow, ComparesKeptVersionsAndFollowsOneRowThroughThem) {
    Database db = Open();
    const std::vector<std::vector<PriceRow>> lists = {
        {Row("n", "57", "4", "78500"), Row("n", "76", "4", "77000")},
        {Row("n", "57", "4", "79000"), Row("n", "76", "4", "77000"), Row("l", "530", "8", "1")},
        {Row("n", "76", "4", "76000"), Row("l", "530", "8", "1")},
        {Row("n", "57", "4", "договорная"), Row("n", "76", "4", "76000")},
    };
    std::vector<std::int64_t> ids;
    for (std::size_t i = 0; i < lists.size(); ++i) {
        ids.push_back(StorePriceList(db, List(lists[i]),
                                     DateTime{2026, 12, 7 + static_cast<int>(i), 8, 0, 0}, "s")
                          .version.id);
    }
    for (std::size_t older = 0; older < ids.size(); ++older) {
        for (std::size_t newer = 0; newer < ids.size(); ++newer) {
            const PriceComparison stored = ComparePriceVersions(db, ids[older], ids[newer]);
            const PriceComparison direct =
                ComparePriceLists(List(lists[older]), List(lists[newer]));
            ASSERT_EQ(stored.changes.size(), direct.changes.size());
            for (std::size_t i = 0; i < stored.changes.size(); ++i) {
                EXPECT_EQ(stored.changes[i].row.fields, direct.changes[i].row.fields);
                EXPECT_EQ(stored.changes[i].kind, direct.changes[i].kind);
            }
        }
    }
    const auto history = PriceHistory(db, KeyOf(Row("n", "57", "4", "")));
    ASSERT_EQ(history.size(), 3u);  // not listed on the 9th
    EXPECT_EQ(history[0].version.taken.day, 7);
    EXPECT_EQ(history[0].kopecks, 7850000);
    EXPECT_EQ(history[1].kopecks, 7900000);
    EXPECT_EQ(history[2].version.taken.day, 10);
    EXPECT_EQ(history[2].price, "договорная");
    EXPECT_FALSE(history[2].kopecks);
    EXPECT_TRUE(PriceHistory(db, KeyOf(Row("v", "1", "1", ""))).empty());
}

}  // namespace
}  // namespace tesmarik
