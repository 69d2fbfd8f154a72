#include "memory/StoredTime.h"

#include <cstdio>

namespace tesmarik {

std::string StoredTime(const DateTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

std::optional<DateTime> ReadStoredTime(const std::string& text) {
    // Exactly the shape StoredTime writes: digits where digits stand, and ranges that hold.
    static constexpr const char* kShape = "dddd-dd-dd dd:dd:dd";
    if (text.size() != 19) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) {
            return std::nullopt;
        }
    }
    const auto number = [&text](std::size_t at, std::size_t count) {
        return std::stoi(text.substr(at, count));
    };
    const DateTime t{number(0, 4),  number(5, 2),  number(8, 2),
                     number(11, 2), number(14, 2), number(17, 2)};
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 ||
        t.second > 59) {
        return std::nullopt;
    }
    return t;
}

}  // namespace tesmarik
