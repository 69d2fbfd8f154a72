#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "loading/LoadingPlan.h"
#include "offer/OfferTotals.h"

namespace tesmarik {

// Vehicles of the plan that carry the same load, numbered from `first` in the plan.
struct OfferPlanGroup {
    long long first = 0;  // from 1
    long long count = 0;
    PlannedVehicle load;  // one of them
    double mass = 0;      // t, of one of them, as the offer weighs its pipes
    std::string text;     // "ТС 1–12: 530×8 — 20 шт., 21,6 т"
};

// The offer's pipes loaded together, as the window and the documents show it.
struct OfferPlan {
    bool shown = false;   // mixed loading is on and the offer's figures make a plan
    std::string problem;  // what is wrong with the clearance typed
    double capacity = 0;  // t, of one vehicle
    std::vector<PlanItem> items;
    std::vector<std::size_t> positionOf;  // the offer's position of each item
    // t, one pipe of each item as the offer weighs it (the plan itself keeps to the loading
    // tab's own rounding of the mass of a metre, so that its counts are the tab's).
    std::vector<double> shownPipeMass;
    LoadingPlan plan;
    std::vector<OfferPlanGroup> groups;
    std::vector<std::string> apart;  // "325×8 — нет норм погрузки"
    long long separately = 0;        // the vehicles of the planned positions, each alone
    std::string transport;           // the plan's line under the offer's totals
};

// The plan of the offer's positions for its vehicle and capacity, with the loading options
// the offer keeps. No plan while mixed loading is off, while a figure of the offer is
// wrong (`figuresStand` false) or the capacity is no number: what is wrong is said by the
// offer's own check.
OfferPlan PlanOffer(const Offer& offer, const OfferFigures& figures, bool figuresStand);

// What is wrong with the loading options typed (the clearance, while pipes may travel
// inside others), or empty.
std::string LoadingProblem(const Offer& offer, const OfferFigures& figures);

// What the window and the documents list: the groups, then the positions planned apart.
std::vector<std::string> PlanLines(const OfferPlan& plan);

// The name of the drawing of each distinct load: the body filled by share and by mass.
// Empty when there is no plan.
std::string PlanPicture(const OfferPlan& plan);

// "530×8": a size as the plan names it.
std::string SizeText(double diameter, double wall);

}  // namespace tesmarik
