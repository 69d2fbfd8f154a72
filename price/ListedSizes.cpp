#include "price/ListedSizes.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "common/Numbers.h"

namespace tesmarik {

namespace {

std::optional<double> PositiveNumber(const std::string& text) {
    const NumberRead read = TryReadNumber(text);
    if (read.status != NumberRead::Status::Number || !(read.value > 0)) {
        return std::nullopt;
    }
    return read.value;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t blank = std::min(text.find(' ', start), text.size());
        if (blank > start) {
            words.push_back(text.substr(start, blank - start));
        }
        start = blank + 1;
    }
    return words;
}

ListedSizes Range(double low, double high) {
    ListedSizes listed;
    listed.range = std::pair{low, high};
    const double firstWhole = std::ceil(low);
    const double lastWhole = std::floor(high);
    const double wholes = lastWhole >= firstWhole ? lastWhole - firstWhole + 1 : 0;
    if (wholes + 2 > static_cast<double>(kMaxListedSizes)) {
        listed.sizes = {ShowNumber(low), ShowNumber(high)};
        return listed;
    }
    if (low != firstWhole) {
        listed.sizes.push_back(ShowNumber(low));
    }
    for (double v = firstWhole; v <= lastWhole; ++v) {
        listed.sizes.push_back(ShowNumber(v));
    }
    if (high != lastWhole) {
        listed.sizes.push_back(ShowNumber(high));
    }
    listed.choice = ListedSizes::Choice::Pick;
    return listed;
}

}  // namespace

ListedSizes SizesOfField(const std::string& field) {
    if (const auto one = PositiveNumber(field)) {
        return {{ShowNumber(*one)}, ListedSizes::Choice::Fixed, std::nullopt};
    }
    const std::vector<std::string> words = Words(field);
    if (words.empty()) {
        return {};
    }
    if (words.size() == 1) {
        const std::size_t dash = field.find('-', field.find_first_not_of(' ') + 1);
        if (dash != std::string::npos) {
            const auto low = PositiveNumber(field.substr(0, dash));
            const auto high = PositiveNumber(field.substr(dash + 1));
            if (low && high && *low < *high) {
                return Range(*low, *high);
            }
        }
        return {};
    }
    ListedSizes listed;
    for (const std::string& word : words) {
        const auto size = PositiveNumber(word);
        if (!size) {
            return {};
        }
        const std::string shown = ShowNumber(*size);
        if (std::find(listed.sizes.begin(), listed.sizes.end(), shown) == listed.sizes.end()) {
            listed.sizes.push_back(shown);
        }
    }
    listed.choice =
        listed.sizes.size() == 1 ? ListedSizes::Choice::Fixed : ListedSizes::Choice::Pick;
    return listed;
}

}  // namespace tesmarik
