#include <random>

#include "common/Error.h"
#include "memory/PriceVersions.h"
#include "memory/RowList.h"
#include "tests/unit/memory/MemoryTest.h"

namespace tesmarik {
namespace {

using PriceVersionStore = MemoryTest;

std::vector<std::vector<std::string>> FieldsOf(const PriceStore& list) {
    std::vector<std::vector<std::string>> fields;
    for (const PriceRow& row : list.rows) {
        fields.push_back(row.fields);
    }
    return fields;
}

TEST_F(PriceVersionStore, KeepsEachDifferentListOnceAndGivesItBack) {
    Database db = Open();
    const PriceStore first = List({Row("n", "57", "3,5", "78500"), Row("l", "530", "8", "69000")});
    const PriceStore second = List({Row("n", "57", "3,5", "79000"), Row("l", "530", "8", "69000")});
    // The same rows in another order are another list: the grid shows them in that order.
    const PriceStore reordered = List({second.rows[1], second.rows[0]});
    const struct {
        const PriceStore& list;
        bool added;
    } downloads[] = {{first, true},   {first, false},    {second, true},
                     {second, false}, {reordered, true}, {first, true}};
    std::vector<const PriceStore*> kept;
    for (std::size_t i = 0; i < std::size(downloads); ++i) {
        const DateTime taken{2026, 12, 1 + static_cast<int>(i), 8, 15, 0};
        const StoredPriceList stored = StorePriceList(db, downloads[i].list, taken, "http://s/p");
        EXPECT_EQ(stored.added, downloads[i].added) << i;
        EXPECT_EQ(stored.version.hash, PriceListHash(downloads[i].list));
        if (stored.added) {
            kept.push_back(&downloads[i].list);
            EXPECT_EQ(stored.version.taken.day, taken.day);
        }
    }
    const auto versions = PriceVersions(db);
    ASSERT_EQ(versions.size(), kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const PriceVersion& v = versions[kept.size() - 1 - i];  // newest first
        EXPECT_EQ(FieldsOf(LoadPriceVersion(db, v.id)), FieldsOf(*kept[i]));
        EXPECT_EQ(v.rowCount, static_cast<std::int64_t>(kept[i]->rows.size()));
        EXPECT_EQ(v.seller, "http://s/p");
    }
    // Four versions of two rows each, made of three different rows.
    EXPECT_EQ(QueryInt(db, "SELECT count(*) FROM price_row"), 3);
    EXPECT_NE(PriceListHash(first), PriceListHash(second));
}

TEST_F(PriceVersionStore, AnEarlierPriceFileIsTakenInOnlyAsTheFirstVersion) {
    Database db = Open();
    const PriceStore earlier = List({Row("n", "57", "3,5", "78500")});
    const DateTime fileTime{2026, 11, 30, 17, 0, 0};
    const auto taken = TakeInEarlierPriceFile(db, earlier, fileTime, "http://s/p");
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->taken.day, 30);
    EXPECT_FALSE(TakeInEarlierPriceFile(db, List({Row("v", "1", "1", "1")}), fileTime, "x"));
    EXPECT_FALSE(StorePriceList(db, earlier, kNow, "http://s/p").added);
    EXPECT_EQ(PriceVersions(db).size(), 1u);
}

TEST_F(PriceVersionStore, AVersionThatIsNotThereIsSaid) {
    Database db = Open();
    EXPECT_FALSE(LatestPriceVersion(db));
    try {
        LoadPriceVersion(db, 7);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.Text(), "Версии прайса 7 нет в базе данных");
    }
}

TEST(RowList, IdsAndFieldsComeBackAsTheyWent) {
    std::mt19937_64 random(31);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::int64_t> ids(random() % 50);
        for (auto& id : ids) {
            // Small steps mostly, as versions have them; now and then any id at all.
            id = round % 5 == 0 ? static_cast<std::int64_t>(random())
                                : static_cast<std::int64_t>(random() % 100000);
        }
        EXPECT_EQ(DecodeRowIds(EncodeRowIds(ids)), ids);
        PriceRow row;
        for (std::size_t i = 0; i < ids.size() % 12; ++i) {
            row.fields.push_back(std::string(random() % 300, static_cast<char>(random())));
        }
        const auto back = DecodeRowFields(EncodeRowFields(row));
        ASSERT_TRUE(back);
        EXPECT_EQ(back->fields, row.fields);
    }
}

TEST(RowList, ConsecutiveIdsTakeAByteEach) {
    std::vector<std::int64_t> ids(5000);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        ids[i] = 40000 + static_cast<std::int64_t>(i);
    }
    EXPECT_LE(EncodeRowIds(ids).size(), ids.size() + 3);
}

TEST(RowList, BytesThatAreNoListAreRefused) {
    const std::string ids = EncodeRowIds({1, 300, 70000});
    const std::string fields = EncodeRowFields(Row("n", "530", "8", "78500", "20", "ГОСТ", "note"));
    EXPECT_FALSE(DecodeRowIds(ids.substr(0, ids.size() - 1)));  // cut inside the last id
    EXPECT_FALSE(DecodeRowIds(std::string(11, '\xff')));        // longer than 64 bits
    EXPECT_FALSE(DecodeRowFields(fields.substr(0, fields.size() - 1)));
    EXPECT_FALSE(
        DecodeRowFields("\x05"
                        "abc"));
}

}  // namespace
}  // namespace tesmarik
