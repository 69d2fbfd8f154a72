#pragma once

#include <string>

#include "masscalc/RunningSum.h"

namespace tesmarik {

// The two quantities of a run by length or by mass, as the result panel shows them: the
// typed one as typed, the other computed from the mass of one metre (kg).
struct RunQuantities {
    std::string lengthText;  // m
    std::string massText;    // t
};
RunQuantities QuantitiesOfLength(const std::string& lengthText, double massPerMetre);
RunQuantities QuantitiesOfMass(const std::string& massText, double massPerMetre);

// Whole pipes of the average length in the total length; 0 without an average length. The
// average is read before the total, and the total is read even without an average.
double RunPieceCount(const std::string& totalLengthText, const std::string& averageLengthText);

// The single-pipes mode weighs one pipe after another and keeps the totals.
class PipeWeighing {
public:
    explicit PipeWeighing(double massPerMetre) : massPerMetre_(massPerMetre) {}
    // The mass of a pipe of the typed length, t, added to the totals.
    double Weigh(const std::string& lengthText);

    long long Count() const { return count_; }
    std::string TotalLengthText() const;
    std::string TotalMassText() const;

private:
    double massPerMetre_;
    long long count_ = 0;
    RunningSum totalLength_;
    RunningSum totalMass_;
};

}  // namespace tesmarik
