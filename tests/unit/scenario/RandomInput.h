#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace tesmarik {

// Whether a text shows "inf" or "nan" as a word (any case): what a number that escaped
// the checked arithmetic looks like on the screen.
bool ShowsInfOrNan(const std::string& text);

// The monkey's source of randomness: one seeded generator behind everything it chooses.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : engine_(seed) {}
    // A whole number from lo to hi, both included.
    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(engine_); }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    template <class T>
    const T& OneOf(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Between(0, static_cast<int>(items.size()) - 1))];
    }

    // What a user types into a number field: numbers as the window expects them, numbers
    // written wrongly, huge, tiny and negative ones, and junk. Never "inf" or "nan".
    std::string TypedText();
    // A date and time "YYYY-MM-DD HH:MM:SS" around the runner's starting clock.
    std::string DateTimeText();
    // A price file as bytes on disk (Windows-1251): well-formed lines with every kind of
    // field, lines with junk, too many or too long lines, odd line ends, raw bytes.
    std::string PriceFileBytes();

private:
    std::string Number();
    std::string Junk(int maxLength);
    std::string PriceField(int index);

    std::mt19937_64 engine_;
};

}  // namespace tesmarik
