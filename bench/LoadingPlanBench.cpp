// The loading plan: the time of a large offer, and how close seeded random offers come to
// the lower bound (the share that reach it, and the largest excess), without nesting.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <random>

#include "loading/LoadingPlan.h"

namespace tesmarik {
namespace {

constexpr double kDiameters[] = {57,  76,  89,  108, 133, 159, 219,  273,  325,
                                 377, 426, 530, 630, 720, 820, 1020, 1220, 1420};

// One size of a random offer on the vehicle: a diameter the vehicle has norms for (or
// counts as typed), a wall, 11,3 m, and the pipes of 1 to 300 t.
std::optional<PlanItem> RandomSize(std::mt19937& random, VehicleKind vehicle, double capacity) {
    LoadingQuery query;
    query.vehicle = vehicle;
    query.diameter = kDiameters[std::uniform_int_distribution<std::size_t>(
        0, std::size(kDiameters) - 1)(random)];
    query.wall = std::uniform_int_distribution<int>(4, 20)(random);
    query.length = 11.3;
    query.capacity = capacity;
    const auto volume = VolumeSourceOf(vehicle, query.diameter);
    if (!volume || query.wall * 10 > query.diameter) {
        return std::nullopt;
    }
    query.volume = *volume;
    PlanItem item = PlanItemOf(query, 0);
    if (item.perVehicle < 1) {
        return std::nullopt;
    }
    const double tonnes = std::uniform_int_distribution<int>(1, 300)(random);
    item.pieces = std::max(1LL, static_cast<long long>(tonnes / item.pipeMass));
    return item;
}

struct RandomOffer {
    std::vector<PlanItem> items;
    double capacity = 0;
};

RandomOffer MakeOffer(std::mt19937& random, int sizes) {
    RandomOffer offer;
    const auto vehicle =
        static_cast<VehicleKind>(std::uniform_int_distribution<int>(0, kVehicleCount - 1)(random));
    offer.capacity = std::uniform_int_distribution<int>(20, 70)(random);
    while (static_cast<int>(offer.items.size()) < sizes) {
        if (const auto item = RandomSize(random, vehicle, offer.capacity)) {
            offer.items.push_back(*item);
        }
    }
    return offer;
}

// 30 sizes of about 70 vehicles each: some 2000 vehicles.
void PlanLargeOfferBench(benchmark::State& state) {
    std::mt19937 random(30);
    RandomOffer offer = MakeOffer(random, 30);
    for (PlanItem& item : offer.items) {
        item.pieces = item.perVehicle * 66 + item.perVehicle / 3;
    }
    std::size_t vehicles = 0;
    for (auto _ : state) {
        const LoadingPlan plan = PlanLoading(offer.items, {offer.capacity});
        vehicles = plan.vehicles.size();
        benchmark::DoNotOptimize(vehicles);
    }
    state.counters["vehicles"] = static_cast<double>(vehicles);
}
BENCHMARK(PlanLargeOfferBench)
    ->Name("LoadingPlan/30 sizes, 2000 vehicles")
    ->Unit(benchmark::kMillisecond);

// 1000 seeded offers of 2 to 12 sizes: the share planned at the lower bound, the largest
// number of vehicles above it.
void PlanRandomOffersBench(benchmark::State& state) {
    double atBound = 0;
    long long excess = 0;
    for (auto _ : state) {
        std::mt19937 random(1000);
        int reached = 0;
        excess = 0;
        for (int n = 0; n < 1000; ++n) {
            const RandomOffer offer =
                MakeOffer(random, std::uniform_int_distribution<int>(2, 12)(random));
            const LoadingPlan plan = PlanLoading(offer.items, {offer.capacity});
            const long long over = static_cast<long long>(plan.vehicles.size()) - plan.lowerBound;
            reached += over == 0 ? 1 : 0;
            excess = std::max(excess, over);
        }
        atBound = reached / 10.0;
    }
    state.counters["at lower bound, %"] = atBound;
    state.counters["largest excess"] = static_cast<double>(excess);
}
BENCHMARK(PlanRandomOffersBench)
    ->Name("LoadingPlanQuality/1000 random offers")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
}  // namespace tesmarik
