#pragma once

#include <cstddef>
#include <vector>

#include "loading/LoadingFigures.h"

namespace tesmarik {

// One size of a consignment that travels with others on vehicles of one kind.
struct PlanItem {
    double diameter = 0;       // mm, outer
    double wall = 0;           // mm
    double averageLength = 0;  // m
    long long pieces = 0;      // whole pipes
    // The pipes of this size alone that one vehicle takes, as the loading tab counts them:
    // the count by volume, or the count the carrying capacity allows when that is smaller.
    // 0: the vehicle cannot take this size at all.
    long long perVehicle = 0;
    double pipeMass = 0;  // t, one pipe of the average length
};

struct PlanOptions {
    double capacity = 0;    // t, of one vehicle
    bool nesting = false;   // a pipe may travel inside a larger one
    double clearance = 20;  // mm, at least, between a nested pipe and its host's inner wall
};

// Pipes that travel as one: a host lying in the body and the pipes nested in it, each
// inside the one before it.
struct PlanBundle {
    std::vector<std::size_t> chain;  // the items, the host first
    long long count = 0;
};

struct PlannedVehicle {
    std::vector<PlanBundle> load;
    double mass = 0;   // t
    double share = 0;  // of the body, 0 to 1: the hosts' pieces over what the body takes
};

struct LoadingPlan {
    std::vector<PlannedVehicle> vehicles;
    // No plan needs fewer vehicles: the larger of the total mass over the capacity and,
    // without nesting, the sum of the shares of the body, each rounded up.
    long long lowerBound = 0;
    std::vector<std::size_t> apart;  // items no vehicle of the kind can take
    bool Optimal() const { return static_cast<long long>(vehicles.size()) == lowerBound; }
};

// A vehicle may carry several sizes when the shares of its body add up to at most one
// (the pieces of each size over what the body takes of it alone, added exactly) and their
// mass is within the carrying capacity. The plan needs as few vehicles as it finds.
LoadingPlan PlanLoading(const std::vector<PlanItem>& items, const PlanOptions& options);

// A size as the plan takes it: the pipes one vehicle of the query takes of it alone, as
// the loading tab counts them, and the mass of one pipe at the query's length.
PlanItem PlanItemOf(const LoadingQuery& query, long long pieces);

// Whether `inner` may travel inside `outer`: the host's inner diameter exceeds the
// nested pipe's outer diameter by the clearance, and the host is at least as long.
bool Nests(const PlanItem& inner, const PlanItem& outer, double clearance);

}  // namespace tesmarik
