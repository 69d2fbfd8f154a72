#include <gtest/gtest.h>

#include "tabs/memory/OfferArchiveView.h"

namespace tesmarik {
namespace {

// Each order of "Порядок" on three offers, listed newest first as the archive finds them;
// offers alike in the order keep that.
TEST(ArchiveOrder, EachOrderOfTheOffersFound) {
    const std::vector<ArchivedOffer> found = {
        {3, "111226-1000", {}, "ооо Ромашка", "Петров", 150000, 0, std::nullopt, {}},
        {2, "101226-1530", {}, "АО Трубстрой", "Иванов", 990000, 0, std::nullopt, {}},
        {1, "091226-0900", {}, "ООО Ромашка", "Иванов", 150000, 0, std::nullopt, {}},
    };
    const struct {
        ArchiveOrder order;
        std::vector<std::int64_t> ids;
    } cases[] = {
        {ArchiveOrder::Newest, {3, 2, 1}}, {ArchiveOrder::Number, {1, 2, 3}},
        {ArchiveOrder::Client, {2, 3, 1}}, {ArchiveOrder::Manager, {2, 1, 3}},
        {ArchiveOrder::Total, {2, 3, 1}},
    };
    for (const auto& c : cases) {
        std::vector<ArchivedOffer> sorted = found;
        SortArchived(sorted, c.order);
        std::vector<std::int64_t> ids;
        for (const ArchivedOffer& o : sorted) {
            ids.push_back(o.id);
        }
        EXPECT_EQ(ids, c.ids) << static_cast<int>(c.order);
    }
}

}  // namespace
}  // namespace tesmarik
