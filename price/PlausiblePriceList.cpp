#include "price/PlausiblePriceList.h"

namespace tesmarik {

bool LooksLikePriceList(std::string_view body) {
    std::string_view start = body;
    if (start.substr(0, 3) == "\xEF\xBB\xBF") {  // a byte order mark ahead of a web page
        start.remove_prefix(3);
    }
    const auto first = start.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || start[first] == '<') {
        return false;
    }
    const std::string_view line = body.substr(0, body.find_first_of("\r\n"));
    return line.find(';') != std::string_view::npos;
}

}  // namespace tesmarik
