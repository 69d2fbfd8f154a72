#include "price/PriceText.h"

namespace tesmarik {

bool IsPriceTypeCode(const std::string& text) {
    return text == "n" || text == "l" || text == "v" || text == "kt";
}

std::vector<std::string> SplitAtBlanks(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t blank = text.find(' ', start);
        if (blank == std::string::npos) {
            blank = text.size();
        }
        if (blank > start) {
            parts.push_back(text.substr(start, blank - start));
        }
        start = blank + 1;
    }
    return parts;
}

}  // namespace tesmarik
