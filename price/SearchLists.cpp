#include "price/SearchLists.h"

#include <algorithm>
#include <string>
#include <vector>

#include "price/PriceText.h"

namespace tesmarik {

namespace {

bool Holds(const std::vector<std::string>& list, const std::string& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

void AppendOnce(std::vector<std::string>& list, const std::string& value) {
    if (!Holds(list, value)) {
        list.push_back(value);
    }
}

// Appending leaves the item index alone, so the chosen item stays chosen.
void AppendNew(ComboBox& box, const std::vector<std::string>& values) {
    for (const std::string& value : values) {
        AppendOnce(box.Items, value);
    }
}

std::vector<std::string> Standards(const PriceStore& store) {
    std::vector<std::string> standards;
    for (const PriceRow& row : store.rows) {
        const std::string& standard = row.Field(kStandardField);
        // Pipes of these two kinds are not named after one standard.
        if (standard != "ц.т." && standard != "эл. св.") {
            AppendOnce(standards, standard);
        }
    }
    return standards;
}

// Single grades first, then the grades met only inside lists of several.
std::vector<std::string> Steels(const PriceStore& store) {
    std::vector<std::string> singles;
    std::vector<std::string> parts;
    for (const PriceRow& row : store.rows) {
        const std::string& steel = row.Field(kSteelField);
        if (steel.find(' ') == std::string::npos) {
            AppendOnce(singles, steel);
        } else {
            for (const std::string& part : SplitAtBlanks(steel)) {
                AppendOnce(parts, part);
            }
        }
    }
    for (const std::string& part : parts) {
        AppendOnce(singles, part);
    }
    return singles;
}

}  // namespace

void FillSearchLists(TForm1& f, const PriceStore& store) {
    AppendNew(f.ComboBox10, Standards(store));
    AppendNew(f.ComboBox9, Steels(store));
}

}  // namespace tesmarik
