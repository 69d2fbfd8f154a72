#include "price/SearchLists.h"

#include <string>
#include <unordered_set>
#include <vector>

#include "price/PriceText.h"

namespace tesmarik {

namespace {

// Values in order of first appearance, each once. The set answers "met before?" at once:
// a price file may bring hundreds of steels and standards, and looking each one up in the
// list would cost the square of their number.
class Distinct {
public:
    Distinct() = default;
    explicit Distinct(const std::vector<std::string>& met) : seen_(met.begin(), met.end()) {}

    // True when the value was new.
    bool Add(const std::string& value) {
        if (!seen_.insert(value).second) {
            return false;
        }
        values_.push_back(value);
        return true;
    }
    const std::vector<std::string>& Values() const { return values_; }

private:
    std::unordered_set<std::string> seen_;
    std::vector<std::string> values_;
};

// Appending leaves the item index alone, so the chosen item stays chosen.
void AppendNew(ComboBox& box, const std::vector<std::string>& values) {
    Distinct listed(box.Items);
    for (const std::string& value : values) {
        if (listed.Add(value)) {
            box.Items.push_back(value);
        }
    }
}

std::vector<std::string> Standards(const PriceStore& store) {
    Distinct standards;
    for (const PriceRow& row : store.rows) {
        const std::string& standard = row.Field(kStandardField);
        // Pipes of these two kinds are not named after one standard.
        if (standard != "ц.т." && standard != "эл. св.") {
            standards.Add(standard);
        }
    }
    return standards.Values();
}

// Single grades first, then the grades met only inside lists of several.
std::vector<std::string> Steels(const PriceStore& store) {
    Distinct singles;
    Distinct parts;
    for (const PriceRow& row : store.rows) {
        const std::string& steel = row.Field(kSteelField);
        if (steel.find(' ') == std::string::npos) {
            singles.Add(steel);
        } else {
            for (const std::string& part : SplitAtBlanks(steel)) {
                parts.Add(part);
            }
        }
    }
    for (const std::string& part : parts.Values()) {
        singles.Add(part);
    }
    return singles.Values();
}

}  // namespace

void FillSearchLists(TForm1& f, const PriceStore& store) {
    AppendNew(f.ComboBox10, Standards(store));
    AppendNew(f.ComboBox9, Steels(store));
}

}  // namespace tesmarik
