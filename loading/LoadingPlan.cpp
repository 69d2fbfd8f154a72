#include "loading/LoadingPlan.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <optional>

namespace tesmarik {

namespace {

__extension__ using Wide = __int128;

Wide Gcd(Wide a, Wide b) {
    while (b != 0) {
        const Wide t = a % b;
        a = b;
        b = t;
    }
    return a;
}

// Shares of a body added as an exact fraction, so that 1/3 + 2/3 is one and never more:
// the pieces of each size over the pieces of it alone the body takes.
class Fraction {
public:
    // How many pieces of a size the body takes `perVehicle` of still fit under one whole.
    long long Room(long long perVehicle) const {
        if (num_ >= den_ || Denominator(perVehicle) < 0) {
            return 0;
        }
        return static_cast<long long>((den_ - num_) * perVehicle / den_);
    }
    void Add(long long pieces, long long perVehicle) {
        num_ = num_ * perVehicle + pieces * den_;
        den_ *= perVehicle;
        const Wide g = Gcd(num_, den_);
        num_ /= g;
        den_ /= g;
    }
    // The sum rounded up to whole bodies.
    long long Ceiling() const { return static_cast<long long>((num_ + den_ - 1) / den_); }
    double Value() const { return static_cast<double>(num_) / static_cast<double>(den_); }
    // The common denominator with another size, or -1 when it would be too large to add
    // exactly (sizes beyond any real vehicle's mix).
    Wide Denominator(long long perVehicle) const {
        const Wide common = den_ / Gcd(den_, perVehicle) * perVehicle;
        return common > (Wide{1} << 62) ? -1 : common;
    }

private:
    Wide num_ = 0;
    Wide den_ = 1;
};

// Identical bundles to load: a chain of items and how many of it.
struct Kind {
    std::vector<std::size_t> chain;
    long long count = 0;
    long long perVehicle = 0;  // of its host
    double mass = 0;           // t, the whole chain
};

struct Load {
    Fraction share;
    double mass = 0;
    std::vector<std::pair<std::size_t, long long>> kinds;  // kind, count
};

using Order = std::vector<std::size_t>;

class Packer {
public:
    Packer(const std::vector<Kind>& kinds, double capacity) : kinds_(kinds), capacity_(capacity) {}

    // How many bundles of the kind fit on the vehicle as loaded.
    long long Fit(const Load& load, std::size_t kind) const {
        const Kind& k = kinds_[kind];
        const double byMass = std::floor((capacity_ - load.mass) / k.mass + 1e-9);
        if (byMass < 1) {
            return 0;
        }
        return std::min(load.share.Room(k.perVehicle),
                        static_cast<long long>(std::min(byMass, 1e15)));
    }

    static void Put(Load& load, std::size_t kind, long long count, const Kind& k) {
        if (count <= 0) {
            return;
        }
        load.share.Add(count, k.perVehicle);
        load.mass += static_cast<double>(count) * k.mass;
        for (auto& [which, n] : load.kinds) {
            if (which == kind) {
                n += count;
                return;
            }
        }
        load.kinds.emplace_back(kind, count);
    }

    // Each kind in turn into the first vehicles with room, new ones opened as needed.
    void FirstFit(std::vector<Load>& loads, std::vector<long long> left, const Order& order) const {
        for (const std::size_t kind : order) {
            for (Load& load : loads) {
                if (left[kind] == 0) {
                    break;
                }
                const long long n = std::min(left[kind], Fit(load, kind));
                Put(load, kind, n, kinds_[kind]);
                left[kind] -= n;
            }
            while (left[kind] > 0) {
                loads.emplace_back();
                const long long n = std::min(left[kind], Fit(loads.back(), kind));
                if (n <= 0) {
                    loads.pop_back();
                    break;  // cannot happen: every kind fits an empty vehicle
                }
                Put(loads.back(), kind, n, kinds_[kind]);
                left[kind] -= n;
            }
        }
    }

    std::vector<Load> FirstFit(const Order& order) const {
        std::vector<Load> loads;
        std::vector<long long> left;
        for (const Kind& k : kinds_) {
            left.push_back(k.count);
        }
        FirstFit(loads, left, order);
        return loads;
    }

    // Every kind spread evenly over `vehicles` vehicles, so that each holds the same mix;
    // what does not fit goes first-fit after.
    std::vector<Load> Spread(long long vehicles, const Order& order) const {
        std::vector<Load> loads(static_cast<std::size_t>(vehicles));
        std::vector<long long> left(kinds_.size(), 0);
        std::size_t cursor = 0;
        for (const std::size_t kind : order) {
            const long long each = kinds_[kind].count / vehicles;
            long long rest = kinds_[kind].count % vehicles;
            for (Load& load : loads) {
                const long long n = std::min(each, Fit(load, kind));
                Put(load, kind, n, kinds_[kind]);
                left[kind] += each - n;
            }
            // The odd pieces one a vehicle, round the vehicles, so no vehicle takes two
            // sizes' odd pieces while another takes none.
            for (; rest > 0; --rest) {
                bool put = false;
                for (std::size_t tries = 0; tries < loads.size() && !put; ++tries) {
                    Load& load = loads[cursor];
                    cursor = (cursor + 1) % loads.size();
                    if (Fit(load, kind) > 0) {
                        Put(load, kind, 1, kinds_[kind]);
                        put = true;
                    }
                }
                left[kind] += put ? 0 : 1;
            }
        }
        FirstFit(loads, left, order);
        loads.erase(std::remove_if(loads.begin(), loads.end(),
                                   [](const Load& l) { return l.kinds.empty(); }),
                    loads.end());
        return loads;
    }

private:
    const std::vector<Kind>& kinds_;
    double capacity_;
};

// The fewest vehicles of a small offer by trying every load of every vehicle (each load
// leaving out no bundle that would still fit), within a bound of work; none beyond it.
class Exhaustive {
public:
    Exhaustive(const std::vector<Kind>& kinds, const Packer& packer)
        : kinds_(kinds), packer_(packer) {}

    std::optional<std::vector<Load>> Loads() {
        std::vector<long long> all;
        for (const Kind& k : kinds_) {
            all.push_back(k.count);
        }
        if (Fewest(all) < 0) {
            return std::nullopt;
        }
        std::vector<Load> loads;
        for (std::vector<long long> left = all;
             std::any_of(left.begin(), left.end(), [](long long n) { return n > 0; });) {
            const std::vector<long long>& take = known_.at(left).second;
            Load load;
            for (std::size_t k = 0; k < take.size(); ++k) {
                Packer::Put(load, k, take[k], kinds_[k]);
                left[k] -= take[k];
            }
            loads.push_back(std::move(load));
        }
        return loads;
    }

private:
    // -1: the bound of work was reached.
    int Fewest(const std::vector<long long>& left) {
        if (std::all_of(left.begin(), left.end(), [](long long n) { return n == 0; })) {
            return 0;
        }
        if (const auto it = known_.find(left); it != known_.end()) {
            return it->second.first;
        }
        int best = std::numeric_limits<int>::max();
        std::vector<long long> take(left.size(), 0);
        std::vector<long long> bestTake;
        bool gaveUp = false;
        const std::function<void(std::size_t, const Load&)> choose = [&](std::size_t k,
                                                                         const Load& load) {
            if (gaveUp || ++work_ > kMostWork) {
                gaveUp = true;
                return;
            }
            if (k == left.size()) {
                bool full =
                    std::any_of(take.begin(), take.end(), [](long long n) { return n > 0; });
                for (std::size_t j = 0; j < left.size() && full; ++j) {
                    full = take[j] == left[j] || packer_.Fit(load, j) == 0;
                }
                if (!full) {
                    return;
                }
                std::vector<long long> rest(left);
                for (std::size_t j = 0; j < rest.size(); ++j) {
                    rest[j] -= take[j];
                }
                const int after = Fewest(rest);
                if (after < 0) {
                    gaveUp = true;
                } else if (1 + after < best) {
                    best = 1 + after;
                    bestTake = take;
                }
                return;
            }
            const long long most = std::min(left[k], packer_.Fit(load, k));
            for (long long n = 0; n <= most; ++n) {
                Load more = load;
                Packer::Put(more, k, n, kinds_[k]);
                take[k] = n;
                choose(k + 1, more);
            }
            take[k] = 0;
        };
        choose(0, Load{});
        if (gaveUp) {
            return -1;
        }
        known_[left] = {best, bestTake};
        return best;
    }

    static constexpr long long kMostWork = 2'000'000;
    const std::vector<Kind>& kinds_;
    const Packer& packer_;
    std::map<std::vector<long long>, std::pair<int, std::vector<long long>>> known_;
    long long work_ = 0;
};

// The items as bundles: each pipe alone, or, with nesting, the largest pipe that fits
// nested in the tightest host that takes it, largest first, so that a nested pipe may
// host a smaller one in turn.
std::vector<Kind> Bundles(const std::vector<PlanItem>& items,
                          const std::vector<std::size_t>& usable, const PlanOptions& options) {
    std::vector<Kind> kinds;
    std::vector<std::size_t> alone(items.size(), 0);
    for (const std::size_t i : usable) {
        alone[i] = kinds.size();
        kinds.push_back({{i}, items[i].pieces, items[i].perVehicle, items[i].pipeMass});
    }
    if (!options.nesting) {
        return kinds;
    }
    std::vector<std::size_t> guests = usable;
    std::sort(guests.begin(), guests.end(), [&items](std::size_t a, std::size_t b) {
        return items[a].diameter > items[b].diameter;
    });
    for (const std::size_t g : guests) {
        long long free = kinds[alone[g]].count;
        const auto inner = [&items](const Kind& k) {
            const PlanItem& host = items[k.chain.back()];
            return host.diameter - 2 * host.wall;
        };
        std::vector<std::size_t> hosts;
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            if (kinds[k].count > 0 &&
                Nests(items[g], items[kinds[k].chain.back()], options.clearance) &&
                kinds[k].mass + items[g].pipeMass <= options.capacity) {
                hosts.push_back(k);
            }
        }
        std::sort(hosts.begin(), hosts.end(),
                  [&](std::size_t a, std::size_t b) { return inner(kinds[a]) < inner(kinds[b]); });
        for (const std::size_t h : hosts) {
            const long long n = std::min(free, kinds[h].count);
            if (n == 0) {
                break;
            }
            Kind nested = kinds[h];
            nested.chain.push_back(g);
            nested.count = n;
            nested.mass += items[g].pipeMass;
            kinds[h].count -= n;
            free -= n;
            kinds.push_back(std::move(nested));
        }
        kinds[alone[g]].count = free;
    }
    kinds.erase(
        std::remove_if(kinds.begin(), kinds.end(), [](const Kind& k) { return k.count == 0; }),
        kinds.end());
    return kinds;
}

}  // namespace

PlanItem PlanItemOf(const LoadingQuery& query, long long pieces) {
    const VehicleLoad load = LoadOfVehicle(query);
    return {query.diameter,
            query.wall,
            query.length,
            pieces,
            static_cast<long long>(load.pieces),
            load.body.tonnesPerMetre * load.length};
}

bool Nests(const PlanItem& inner, const PlanItem& outer, double clearance) {
    return outer.diameter - 2 * outer.wall - inner.diameter >= clearance &&
           outer.averageLength >= inner.averageLength;
}

LoadingPlan PlanLoading(const std::vector<PlanItem>& items, const PlanOptions& options) {
    LoadingPlan plan;
    std::vector<std::size_t> usable;
    double mass = 0;
    Fraction shares;
    bool sharesExact = true;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const PlanItem& item = items[i];
        if (item.pieces <= 0) {
            continue;
        }
        if (item.perVehicle <= 0 || !(item.pipeMass > 0) || item.pipeMass > options.capacity) {
            plan.apart.push_back(i);
            continue;
        }
        usable.push_back(i);
        mass += static_cast<double>(item.pieces) * item.pipeMass;
        // Whole bodies first, so that only the part of a body is added as a fraction.
        if (shares.Denominator(item.perVehicle) < 0) {
            sharesExact = false;
        } else {
            shares.Add(item.pieces, item.perVehicle);
        }
    }
    if (usable.empty()) {
        return plan;
    }
    plan.lowerBound = static_cast<long long>(std::ceil(mass / options.capacity - 1e-9));
    if (!options.nesting && sharesExact) {
        plan.lowerBound = std::max(plan.lowerBound, shares.Ceiling());
    }

    const std::vector<Kind> kinds = Bundles(items, usable, options);
    const Packer packer(kinds, options.capacity);
    // Larger pieces first, by the resource each uses most of, by share, and by mass.
    const auto ordered = [&kinds](const std::function<double(const Kind&)>& size) {
        Order order(kinds.size());
        for (std::size_t k = 0; k < order.size(); ++k) {
            order[k] = k;
        }
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return size(kinds[a]) > size(kinds[b]);
        });
        return order;
    };
    const double capacity = options.capacity;
    const Order orders[] = {
        ordered([capacity](const Kind& k) {
            return std::max(1.0 / static_cast<double>(k.perVehicle), k.mass / capacity);
        }),
        ordered([](const Kind& k) { return 1.0 / static_cast<double>(k.perVehicle); }),
        ordered([](const Kind& k) { return k.mass; }),
    };
    std::vector<Load> best;
    const auto keep = [&best](std::vector<Load> loads) {
        if (best.empty() || loads.size() < best.size()) {
            best = std::move(loads);
        }
    };
    // First fit, then the same mix in every vehicle for the fewest vehicles that could do.
    for (const Order& order : orders) {
        keep(packer.FirstFit(order));
    }
    for (const Order& order : orders) {
        const long long least = std::max<long long>(plan.lowerBound, 1);
        for (long long v = least; v < static_cast<long long>(best.size()) && v <= least + 2; ++v) {
            keep(packer.Spread(v, order));
        }
    }

    // A small offer short of the bound: the fewest vehicles by trying every load.
    if (static_cast<long long>(best.size()) > plan.lowerBound && kinds.size() <= 4 &&
        best.size() <= 8) {
        if (auto exact = Exhaustive(kinds, packer).Loads()) {
            keep(std::move(*exact));
        }
    }

    for (const Load& load : best) {
        PlannedVehicle vehicle;
        vehicle.mass = load.mass;
        vehicle.share = load.share.Value();
        for (const auto& [kind, count] : load.kinds) {
            vehicle.load.push_back({kinds[kind].chain, count});
        }
        plan.vehicles.push_back(std::move(vehicle));
    }
    return plan;
}

}  // namespace tesmarik
