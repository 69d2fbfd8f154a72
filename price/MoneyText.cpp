#include "price/MoneyText.h"

#include <cmath>

#include "common/CheckedMath.h"
#include "common/Error.h"
#include "masscalc/MassFormulas.h"

namespace tesmarik {

std::string ShowMoney(double sum) {
    const bool negative = sum < 0;
    // Kopecks as a whole number; a sum beyond 10^15 roubles is not one a price list makes.
    const double kopecks = std::trunc(Multiply(RoundHalfUp(std::fabs(sum), 2), 100) + 0.5);
    if (kopecks >= 1e17) {
        throw OverflowError();
    }
    const auto whole = static_cast<long long>(kopecks);
    const std::string digits = std::to_string(whole / 100);
    std::string out = negative && whole != 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += ' ';
        }
        out += digits[i];
    }
    const long long cents = whole % 100;
    out += ',';
    out += static_cast<char>('0' + cents / 10);
    out += static_cast<char>('0' + cents % 10);
    return out;
}

}  // namespace tesmarik
