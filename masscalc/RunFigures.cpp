#include "masscalc/RunFigures.h"

#include "common/Numbers.h"
#include "masscalc/MassFormulas.h"

namespace tesmarik {

RunQuantities QuantitiesOfLength(const std::string& lengthText, double massPerMetre) {
    return {lengthText, ShowNumber(MassFromLength(ReadNumber(lengthText), massPerMetre))};
}

RunQuantities QuantitiesOfMass(const std::string& massText, double massPerMetre) {
    return {ShowNumber(LengthFromMass(ReadNumber(massText), massPerMetre)), massText};
}

double RunPieceCount(const std::string& totalLengthText, const std::string& averageLengthText) {
    const bool withAverage = !averageLengthText.empty();
    const double average = withAverage ? ReadNumber(averageLengthText) : 0;
    const double totalLength = ReadNumber(totalLengthText);
    return withAverage ? PieceCount(totalLength, average) : 0;
}

double PipeWeighing::Weigh(const std::string& lengthText) {
    const double length = ReadNumber(lengthText);
    const double mass = PipeMass(length, massPerMetre_);
    totalLength_.Add(length);
    ++count_;
    totalMass_.Add(mass);
    return mass;
}

std::string PipeWeighing::TotalLengthText() const {
    return ShowNumber(totalLength_.Value());
}

std::string PipeWeighing::TotalMassText() const {
    return ShowNumber(totalMass_.Value());
}

}  // namespace tesmarik
