#pragma once

#include <string>

namespace tesmarik {

// A sum of money with two decimals, the decimal comma and a blank between thousands, so
// that it reads at a glance: 8164785 shows as "8 164 785,00". The sum is rounded half up
// to kopecks first.
std::string ShowMoney(double sum);

}  // namespace tesmarik
