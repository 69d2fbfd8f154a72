#include "offer/OfferPlan.h"

#include <algorithm>
#include <map>

#include "common/Numbers.h"
#include "masscalc/MassFormulas.h"

namespace tesmarik {

namespace {

// A clearance as typed, in mm: a number from 0 up to the inner diameter of the offer's
// largest pipe (a larger one would let nothing travel inside anything).
std::string ClearanceProblem(const std::string& text, const std::vector<PlanItem>& items) {
    if (text.find_first_not_of(' ') == std::string::npos) {
        return "Введите зазор для труб в трубах, мм.";
    }
    const NumberRead read = TryReadNumber(text);
    if (read.status != NumberRead::Status::Number) {
        return "Зазор \"" + text + "\" - не число.";
    }
    if (read.value < 0) {
        return "Зазор не может быть отрицательным.";
    }
    double inner = 0;
    for (const PlanItem& item : items) {
        inner = std::max(inner, item.diameter - 2 * item.wall);
    }
    if (read.value > inner) {
        return "Зазор больше внутреннего диаметра самой большой трубы предложения (" +
               ShowNumber(inner) + " мм).";
    }
    return {};
}

std::string Pieces(long long count) {
    return ShowInteger(count) + " шт.";
}

std::string BundleText(const OfferPlan& plan, const PlanBundle& bundle) {
    const auto size = [&plan](std::size_t item) {
        return SizeText(plan.items[item].diameter, plan.items[item].wall);
    };
    std::string text = size(bundle.chain.front()) + " — " + Pieces(bundle.count);
    // The pipes nested in the host, each inside the one before it.
    for (std::size_t i = 1; i < bundle.chain.size(); ++i) {
        text += (i == 1 ? " (в них " : ", в них ") + size(bundle.chain[i]) + " — " +
                Pieces(bundle.count);
    }
    return bundle.chain.size() > 1 ? text + ")" : text;
}

long long Percent(double part) {
    return static_cast<long long>(RoundHalfUp(part * 100, 0));
}

// A body not full never reads 100 %.
long long ShareFloor(double share) {
    const long long percent = Percent(share);
    return share < 1 && percent >= 100 ? 99 : percent;
}

std::string GroupText(const OfferPlan& plan, const OfferPlanGroup& group) {
    const long long last = group.first + group.count - 1;
    std::string text = "ТС " + ShowInteger(group.first) +
                       (group.count > 1 ? "–" + ShowInteger(last) : std::string()) + ":";
    const char* separator = " ";
    for (const PlanBundle& bundle : group.load.load) {
        text += separator + BundleText(plan, bundle);
        separator = ", ";
    }
    text += ", " + ShowNumber(RoundHalfUp(group.mass, 1)) + " т";
    // A body full of one size says no more; any other load says how full it is.
    if (group.load.load.size() > 1 || group.load.share < 1) {
        text += ", объём " + ShowInteger(ShareFloor(group.load.share)) + " %, масса " +
                ShowInteger(Percent(group.mass / plan.capacity)) + " %";
    }
    return text;
}

// Vehicles with the same bundles carry the same load, whatever their order in the plan.
std::vector<std::pair<std::size_t, long long>> LoadKey(
    const PlannedVehicle& v, std::map<std::vector<std::size_t>, std::size_t>& chains) {
    std::vector<std::pair<std::size_t, long long>> key;
    for (const PlanBundle& bundle : v.load) {
        key.emplace_back(chains.emplace(bundle.chain, chains.size()).first->second, bundle.count);
    }
    std::sort(key.begin(), key.end());
    return key;
}

std::string TransportLine(const OfferPlan& plan) {
    const long long vehicles = static_cast<long long>(plan.plan.vehicles.size());
    std::string line = "План погрузки: " + ShowInteger(vehicles) + " ТС";
    line += plan.plan.Optimal() ? ", оптимально (не менее " : " (не менее ";
    line += ShowInteger(plan.plan.lowerBound) + " ТС)";
    line += "; каждый размер отдельно — " + ShowInteger(plan.separately) + " ТС";
    if (plan.separately > vehicles) {
        line += ", экономия " + ShowInteger(plan.separately - vehicles) + " ТС";
    }
    return line;
}

}  // namespace

std::string LoadingProblem(const Offer& offer, const OfferFigures& figures) {
    if (!offer.loading.mixed || !offer.loading.nesting) {
        return {};
    }
    std::vector<PlanItem> items;
    for (const VehicleNeed& need : figures.transport) {
        if (need.item) {
            items.push_back(*need.item);
        }
    }
    return ClearanceProblem(offer.loading.clearance, items);
}

std::string SizeText(double diameter, double wall) {
    return ShowNumber(diameter) + "×" + ShowNumber(wall);
}

OfferPlan PlanOffer(const Offer& offer, const OfferFigures& figures, bool figuresStand) {
    OfferPlan out;
    const NumberRead capacity = TryReadNumber(offer.capacity);
    if (!offer.loading.mixed || !figuresStand || offer.positions.empty() ||
        capacity.status != NumberRead::Status::Number || !(capacity.value > 0)) {
        return out;
    }
    out.capacity = capacity.value;
    for (std::size_t i = 0; i < figures.transport.size(); ++i) {
        const VehicleNeed& need = figures.transport[i];
        const OfferPosition& p = offer.positions[i];
        if (!need.item) {
            out.apart.push_back(SizeText(p.diameter, p.wall) + " — " + need.problem);
        } else if (need.item->pieces > 0) {
            out.items.push_back(*need.item);
            out.positionOf.push_back(i);
            out.shownPipeMass.push_back(figures.positions[i].massPerMetre * p.averageLength / 1000);
            out.separately += static_cast<long long>(need.vehicles.value_or(0));
        }
    }
    PlanOptions options{out.capacity, offer.loading.nesting, 0};
    if (offer.loading.nesting) {
        out.problem = ClearanceProblem(offer.loading.clearance, out.items);
        if (!out.problem.empty()) {
            return out;
        }
        options.clearance = TryReadNumber(offer.loading.clearance).value;
    }
    out.plan = PlanLoading(out.items, options);
    for (const std::size_t item : out.plan.apart) {
        out.apart.push_back(SizeText(out.items[item].diameter, out.items[item].wall) +
                            " — не помещается в ТС");
    }

    // Identical vehicles next to each other, in the order their loads first come.
    std::map<std::vector<std::size_t>, std::size_t> chains;
    std::map<std::vector<std::pair<std::size_t, long long>>, std::size_t> groupOf;
    for (const PlannedVehicle& v : out.plan.vehicles) {
        const auto [at, added] = groupOf.emplace(LoadKey(v, chains), out.groups.size());
        if (added) {
            double mass = 0;
            for (const PlanBundle& bundle : v.load) {
                for (const std::size_t item : bundle.chain) {
                    mass += static_cast<double>(bundle.count) * out.shownPipeMass[item];
                }
            }
            out.groups.push_back({0, 0, v, mass, {}});
        }
        ++out.groups[at->second].count;
    }
    long long first = 1;
    for (OfferPlanGroup& group : out.groups) {
        group.first = first;
        first += group.count;
        group.text = GroupText(out, group);
    }
    // With nothing that can be loaded, only the sizes apart are said.
    if (!out.plan.vehicles.empty()) {
        out.transport = TransportLine(out);
    }
    out.shown = true;
    return out;
}

std::vector<std::string> PlanLines(const OfferPlan& plan) {
    std::vector<std::string> lines;
    for (const OfferPlanGroup& group : plan.groups) {
        lines.push_back(group.text);
    }
    for (const std::string& apart : plan.apart) {
        lines.push_back("Вне плана: " + apart);
    }
    return lines;
}

std::string PlanPicture(const OfferPlan& plan) {
    if (!plan.shown || plan.groups.empty()) {
        return {};
    }
    // "plan-loads;ТС 1–12,100,36;ТС 13,96,32": the drawing reads its loads from its name.
    std::string name = "plan-loads";
    for (const OfferPlanGroup& group : plan.groups) {
        const std::string label = group.text.substr(0, group.text.find(':'));
        name += ";" + label + "," + ShowInteger(ShareFloor(group.load.share)) + "," +
                ShowInteger(Percent(group.mass / plan.capacity));
    }
    return name;
}

}  // namespace tesmarik
