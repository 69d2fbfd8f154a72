// Several sizes loaded together: what one vehicle may carry, pipe in pipe, and the fewest
// vehicles, held against an exhaustive search on small offers.
#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <random>

#include "loading/LoadingPlan.h"

namespace tesmarik {
namespace {

PlanItem Size(double diameter, double wall, long long pieces, long long perVehicle, double mass,
              double length = 11.3) {
    return {diameter, wall, length, pieces, perVehicle, mass};
}

// Every vehicle within its body and its capacity, and every pipe loaded once.
void ExpectSound(const std::vector<PlanItem>& items, const LoadingPlan& plan, double capacity) {
    std::vector<long long> loaded(items.size(), 0);
    for (const PlannedVehicle& v : plan.vehicles) {
        long long lcm = 1;
        for (const PlanBundle& b : v.load) {
            lcm = std::lcm(lcm, items[b.chain.front()].perVehicle);
        }
        long long body = 0;
        double mass = 0;
        for (const PlanBundle& b : v.load) {
            body += b.count * (lcm / items[b.chain.front()].perVehicle);
            for (const std::size_t i : b.chain) {
                loaded[i] += b.count;
                mass += static_cast<double>(b.count) * items[i].pipeMass;
            }
        }
        EXPECT_LE(body, lcm);
        EXPECT_LE(mass, capacity * (1 + 1e-9));
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        const bool apart = std::find(plan.apart.begin(), plan.apart.end(), i) != plan.apart.end();
        EXPECT_EQ(loaded[i], apart ? 0 : items[i].pieces) << "item " << i;
    }
}

TEST(LoadingPlan, SharesAddUpExactlyAndSizesShareAVehicle) {
    const struct {
        std::vector<PlanItem> items;
        std::size_t vehicles;
        long long lowerBound;
    } cases[] = {
        // 1/3 + 4/6 is one body, not a hair over it.
        {{Size(530, 8, 1, 3, 1), Size(219, 10, 4, 6, 1)}, 1, 1},
        // Five sizes of a fifth of a body each: one vehicle, not five.
        {{Size(530, 8, 5, 25, 1), Size(426, 8, 6, 30, 1), Size(325, 8, 8, 40, 1),
          Size(219, 8, 10, 50, 0.5), Size(159, 6, 12, 60, 0.3)},
         1,
         1},
        // A bulky light size beside a heavy small one: each vehicle takes a mix, none is
        // filled by one resource alone (10 vehicles for each size alone, 20 in all).
        {{Size(1020, 10, 100, 10, 1), Size(219, 30, 120, 100, 5)}, 12, 12},
        // The capacity decides: 130 t on 60 t vehicles.
        {{Size(1420, 20, 13, 100, 10)}, 3, 3},
    };
    for (const auto& c : cases) {
        const LoadingPlan plan = PlanLoading(c.items, {60});
        EXPECT_EQ(plan.vehicles.size(), c.vehicles);
        EXPECT_EQ(plan.lowerBound, c.lowerBound);
        ExpectSound(c.items, plan, 60);
    }
}

TEST(LoadingPlan, PipeInPipe) {
    // 1020 × 12 (996 mm inside) hosts 530 × 8 (514 mm inside), which hosts 219 × 10.
    const std::vector<PlanItem> items{Size(1020, 12, 10, 10, 3.4), Size(530, 8, 10, 27, 1.2),
                                      Size(219, 10, 10, 60, 0.6)};
    const LoadingPlan apart = PlanLoading(items, {60});
    EXPECT_EQ(apart.vehicles.size(), 2u);  // shares 1 + 10/27 + 10/60
    const LoadingPlan nested = PlanLoading(items, {60, true, 20});
    ASSERT_EQ(nested.vehicles.size(), 1u);
    ASSERT_EQ(nested.vehicles[0].load.size(), 1u);
    EXPECT_EQ(nested.vehicles[0].load[0].chain, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_DOUBLE_EQ(nested.vehicles[0].share, 1);
    EXPECT_NEAR(nested.vehicles[0].mass, 52, 1e-9);
    ExpectSound(items, nested, 60);

    // The clearance, the length and the capacity each forbid it.
    EXPECT_FALSE(Nests(items[1], items[0], 467));
    EXPECT_TRUE(Nests(items[1], items[0], 466));
    EXPECT_FALSE(Nests(Size(530, 8, 1, 1, 1, 12), items[0], 20));
    EXPECT_EQ(PlanLoading(items, {4, true, 20}).vehicles[0].load[0].chain.size(), 1u);
}

TEST(LoadingPlan, SizesTheVehicleCannotTakeStandApart) {
    const std::vector<PlanItem> items{Size(530, 8, 10, 27, 1.2), Size(57, 3, 10, 0, 0.05),
                                      Size(1420, 30, 2, 1, 80)};
    const LoadingPlan plan = PlanLoading(items, {60});
    EXPECT_EQ(plan.apart, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(plan.vehicles.size(), 1u);
    EXPECT_TRUE(PlanLoading({}, {60}).vehicles.empty());
}

// The fewest vehicles by trying every load of every vehicle: the referee of small offers.
struct Referee {
    const std::vector<PlanItem>& items;
    double capacity;
    long long lcm = 1;
    std::map<std::vector<long long>, int> known;

    int Fewest(const std::vector<long long>& left) {
        if (std::all_of(left.begin(), left.end(), [](long long n) { return n == 0; })) {
            return 0;
        }
        if (const auto it = known.find(left); it != known.end()) {
            return it->second;
        }
        int best = 1 << 20;
        std::vector<long long> take(left.size(), 0);
        // Every load that leaves no pipe out that would still fit.
        const std::function<void(std::size_t, long long, double)> choose =
            [&](std::size_t i, long long body, double mass) {
                if (i == left.size()) {
                    bool maximal =
                        std::any_of(take.begin(), take.end(), [](long long n) { return n > 0; });
                    for (std::size_t j = 0; j < left.size() && maximal; ++j) {
                        maximal = take[j] == left[j] || body + lcm / items[j].perVehicle > lcm ||
                                  mass + items[j].pipeMass > capacity + 1e-9;
                    }
                    if (maximal) {
                        std::vector<long long> rest(left);
                        for (std::size_t j = 0; j < rest.size(); ++j) {
                            rest[j] -= take[j];
                        }
                        best = std::min(best, 1 + Fewest(rest));
                    }
                    return;
                }
                for (long long n = 0; n <= left[i]; ++n) {
                    const long long b = body + n * (lcm / items[i].perVehicle);
                    const double m = mass + static_cast<double>(n) * items[i].pipeMass;
                    if (b > lcm || m > capacity + 1e-9) {
                        break;
                    }
                    take[i] = n;
                    choose(i + 1, b, m);
                }
                take[i] = 0;
            };
        choose(0, 0, 0);
        known[left] = best;
        return best;
    }
};

TEST(LoadingPlan, SmallOffersNeedNoMoreThanTheExhaustiveSearchFinds) {
    std::mt19937 random(20261211);
    int cases = 0;
    for (int attempt = 0; attempt < 400; ++attempt) {
        const double capacity = std::uniform_int_distribution<int>(20, 70)(random);
        std::vector<PlanItem> items;
        const int sizes = std::uniform_int_distribution<int>(1, 4)(random);
        for (int s = 0; s < sizes; ++s) {
            const long long perVehicle = std::uniform_int_distribution<int>(1, 8)(random);
            const double mass = std::uniform_int_distribution<int>(1, 300)(random) / 10.0;
            items.push_back(Size(100 + 100 * s, 8, std::uniform_int_distribution<int>(1, 7)(random),
                                 perVehicle, std::min(mass, capacity)));
        }
        Referee referee{items, capacity, 1, {}};
        for (const PlanItem& item : items) {
            referee.lcm = std::lcm(referee.lcm, item.perVehicle);
        }
        std::vector<long long> all;
        for (const PlanItem& item : items) {
            all.push_back(item.pieces);
        }
        const int fewest = referee.Fewest(all);
        if (fewest > 6) {
            continue;
        }
        ++cases;
        const LoadingPlan plan = PlanLoading(items, {capacity});
        EXPECT_EQ(static_cast<int>(plan.vehicles.size()), fewest) << "case " << attempt;
        EXPECT_LE(plan.lowerBound, fewest);
        ExpectSound(items, plan, capacity);
    }
    EXPECT_GT(cases, 200);
}

TEST(LoadingPlan, OneSizeNeedsTheVehiclesTheLoadingTabShows) {
    const double diameters[] = {57,  89,  108, 159, 219, 273,  325,  377,
                                426, 530, 630, 720, 820, 1020, 1220, 1420};
    std::mt19937 random(11122026);
    int cases = 0;
    for (int attempt = 0; attempt < 3000 && cases < 1500; ++attempt) {
        LoadingQuery query;
        const auto vehicle = static_cast<VehicleKind>(
            std::uniform_int_distribution<int>(0, kVehicleCount - 1)(random));
        query.vehicle = vehicle;
        query.diameter = diameters[std::uniform_int_distribution<int>(0, 15)(random)];
        query.wall = std::uniform_int_distribution<int>(3, 30)(random);
        query.length = std::uniform_int_distribution<int>(60, 120)(random) / 10.0;
        query.capacity = std::uniform_int_distribution<int>(20, 70)(random);
        const auto volume = VolumeSourceOf(vehicle, query.diameter);
        if (!volume || query.wall * 4 > query.diameter) {
            continue;
        }
        query.volume = *volume;
        const PlanItem item = PlanItemOf(query, std::uniform_int_distribution<int>(0, 300)(random));
        if (item.perVehicle < 1) {
            continue;
        }
        ++cases;
        query.basis = QuantityBasis::Length;
        query.quantity = static_cast<double>(item.pieces) * query.length;
        const LoadingPlan plan = PlanLoading({item}, {query.capacity});
        EXPECT_EQ(static_cast<double>(plan.vehicles.size()), ComputeLoading(query).totalVeh)
            << query.diameter << "x" << query.wall << " " << item.pieces << " pipes on vehicle "
            << static_cast<int>(vehicle);
    }
    EXPECT_GE(cases, 1000);
}

}  // namespace
}  // namespace tesmarik
