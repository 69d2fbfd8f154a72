#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tesmarik {

// The sizes that a diameter or wall field of a price position names: one number, numbers
// separated by blanks ("4 5 6"), or a range ("4-6", every whole millimetre in it and its
// ends).
struct ListedSizes {
    enum class Choice {
        Fixed,  // one size: nothing to choose
        Pick,   // the user picks one of the sizes
        Typed,  // the field names no size, or a range too wide to list: the user types one
    };
    std::vector<std::string> sizes;  // in the general number format, ascending for a range
    Choice choice = Choice::Typed;
    // The ends of a range ("159-426"): a size typed for it lies between them.
    std::optional<std::pair<double, double>> range;
};

// A range wider than this lists only its ends.
inline constexpr std::size_t kMaxListedSizes = 40;

ListedSizes SizesOfField(const std::string& field);

}  // namespace tesmarik
