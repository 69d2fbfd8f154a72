#pragma once

#include <string>

namespace tesmarik {

// The tooltip of the mass of one metre on the result panel: which formula gave it, or,
// for a figure from a document's table, what the formula gives for the same size and how
// far the two lie apart.

// Universal type: the formula, and whether the weld-seam allowance was added.
std::string FormulaMassHint(double diameter, double wall, bool withSeam);
// Boiler and thick-walled type: the table figure of the document against the formula of a
// seamless pipe, with the difference in per cent of the formula's figure.
std::string TableMassHint(double diameter, double wall, double tableMass,
                          const std::string& document);

}  // namespace tesmarik
