#include "tabs/price/SearchLists.h"

#include <deque>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "price/PriceText.h"

namespace tesmarik {

namespace {

// Values in order of first appearance, each once. The set answers "met before?" at once:
// a price file may bring hundreds of steels and standards, and looking each one up in the
// list would cost the square of their number. It holds views of texts that outlive it.
class Distinct {
public:
    explicit Distinct(std::size_t expected) { seen_.reserve(expected); }

    // True when the value was new.
    bool Add(std::string_view value) {
        if (!seen_.insert(value).second) {
            return false;
        }
        values_.push_back(value);
        return true;
    }
    const std::vector<std::string_view>& Values() const { return values_; }

private:
    std::unordered_set<std::string_view> seen_;
    std::vector<std::string_view> values_;
};

// Appending leaves the item index alone, so the chosen item stays chosen.
void AppendNew(ComboBox& box, const std::vector<std::string_view>& values) {
    // Room for all first, so that the views of the items stay valid while appending.
    box.Items.reserve(box.Items.size() + values.size());
    Distinct listed(box.Items.size() + values.size());
    for (const std::string& item : box.Items) {
        listed.Add(item);
    }
    for (const std::string_view value : values) {
        if (listed.Add(value)) {
            box.Items.emplace_back(value);
        }
    }
}

std::vector<std::string_view> Standards(const PriceStore& store) {
    Distinct standards(store.rows.size());
    for (const PriceRow& row : store.rows) {
        const std::string& standard = row.Field(kStandardField);
        // Pipes of these two kinds are not named after one standard.
        if (standard != "ц.т." && standard != "эл. св.") {
            standards.Add(standard);
        }
    }
    return standards.Values();
}

// Single grades first, then the grades met only inside lists of several. The parts are
// kept in `parts`, which must outlive the views returned.
std::vector<std::string_view> Steels(const PriceStore& store, std::deque<std::string>& parts) {
    Distinct singles(store.rows.size());
    Distinct several(store.rows.size());
    for (const PriceRow& row : store.rows) {
        const std::string& steel = row.Field(kSteelField);
        if (steel.find(' ') == std::string::npos) {
            singles.Add(steel);
        } else {
            for (std::string& part : SplitAtBlanks(steel)) {
                parts.push_back(std::move(part));
                several.Add(parts.back());
            }
        }
    }
    for (const std::string_view part : several.Values()) {
        singles.Add(part);
    }
    return singles.Values();
}

}  // namespace

void FillSearchLists(TForm1& f, const PriceStore& store) {
    AppendNew(f.ComboBox10, Standards(store));
    std::deque<std::string> parts;
    AppendNew(f.ComboBox9, Steels(store, parts));
}

}  // namespace tesmarik
