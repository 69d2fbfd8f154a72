#pragma once

#include <optional>
#include <string>
#include <utility>

namespace tesmarik {

enum class QuantityUnit { Metres = 0, Tonnes = 1, Pieces = 2 };

// A figure the user typed into the cost window, or what is wrong with it in words the
// user reads beside the field.
struct InputRead {
    std::optional<double> value;
    std::string problem;
};

// The quantity to price: a positive number not beyond a plausible order (1 000 000 m,
// 100 000 t or 100 000 pipes); pipes are counted whole.
InputRead ReadQuantity(const std::string& text, QuantityUnit unit);
// The average length of a pipe, in metres: above 0, at most 100.
InputRead ReadAverageLength(const std::string& text);
// An outer diameter or a wall in millimetres, the wall less than half the diameter.
// A position that names a range of sizes ("159-426") takes only a size within it.
using SizeRange = std::optional<std::pair<double, double>>;
InputRead ReadDiameter(const std::string& text, const SizeRange& range = {});
InputRead ReadWall(const std::string& text, double diameter, const SizeRange& range = {});

// The pieces the figures come to, held to the limit of a quantity in pieces: an average
// length too short for the quantity is said as the quantity's own limit; fewer than one
// whole pipe is said too.
InputRead CheckPieces(double pieces);

}  // namespace tesmarik
