#include "masscalc/MassHint.h"

#include <cmath>

#include "common/Numbers.h"
#include "masscalc/MassFormulas.h"

namespace tesmarik {

namespace {

std::string FormulaText() {
    return ShowNumber(kMassCoefficient) + " × s × (D − s)";
}

}  // namespace

std::string FormulaMassHint(double diameter, double wall, bool withSeam) {
    const double plain = PipeMassPerMetre(diameter, wall, false);
    std::string hint = "по формуле " + FormulaText() + ": " + ShowNumber(plain) + " кг";
    if (withSeam) {
        hint += ", с надбавкой 1 % на сварной шов: " +
                ShowNumber(PipeMassPerMetre(diameter, wall, true)) + " кг";
    } else {
        hint += ", без надбавки на сварной шов";
    }
    return hint;
}

std::string TableMassHint(double diameter, double wall, double tableMass,
                          const std::string& document) {
    const double formula = PipeMassPerMetre(diameter, wall, false);
    std::string hint = "по формуле: " + ShowNumber(formula) + " кг, по таблице " + document + ": " +
                       ShowNumber(tableMass) + " кг";
    if (formula > 0 && std::isfinite(tableMass)) {
        const double percent = (tableMass - formula) / formula * 100;
        // Rounded away from the sign, so that −0,004 % does not read as "−0 %".
        const double shown = RoundHalfUp(std::fabs(percent), 2);
        const char* sign = shown == 0 ? "" : percent > 0 ? "+" : "−";
        hint += std::string(" (") + sign + ShowNumber(shown) + " %)";
    }
    return hint;
}

}  // namespace tesmarik
