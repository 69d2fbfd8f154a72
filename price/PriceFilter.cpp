#include "price/PriceFilter.h"

#include "common/Numbers.h"
#include "common/Text.h"
#include "price/PriceText.h"

namespace tesmarik {

namespace {

bool NoCondition(const std::string& text) {
    return text.empty() || text == "все";
}

bool TypeMatches(const std::string& type, const std::string& code) {
    if (type.empty() || type == "Все") {
        return true;
    }
    if (type == "Новые/Лежалые") {
        return code == "n" || code == "l";
    }
    if (type == kReconditionedType) {
        return code == "v";
    }
    if (type == "Котельные/толстостенные") {
        return code == "kt";
    }
    return false;
}

// A field with a "-" is a range low-high split at its last "-", bounds included;
// anything else is compared as text.
bool RangeOrTextMatches(const std::string& field, const std::string& wanted) {
    const std::size_t dash = field.rfind('-');
    if (dash == std::string::npos) {
        return field == wanted;
    }
    const double low = ReadNumber(field.substr(0, dash));
    const double high = ReadNumber(field.substr(dash + 1));
    const double value = ReadNumber(wanted);
    return low <= value && value <= high;
}

bool AnyPartIs(const std::string& field, const std::string& wanted) {
    for (const std::string& part : SplitAtBlanks(field)) {
        if (part == wanted) {
            return true;
        }
    }
    return false;
}

bool WallMatches(const std::string& wholeField, const std::string& wall) {
    const std::string field = FirstChars(wholeField, kExaminedChars);
    if (field == "все") {
        return true;
    }
    if (field.find(' ') != std::string::npos) {
        return AnyPartIs(field, wall);
    }
    return RangeOrTextMatches(field, wall);
}

bool SteelMatches(const std::string& wholeField, const std::string& steel) {
    const std::string field = FirstChars(wholeField, kExaminedChars);
    if (field.find(' ') != std::string::npos) {
        return AnyPartIs(field, steel);
    }
    return field == steel || field == "различные" || field == "ндан";
}

bool RowMatches(const PriceRow& row, const PriceCriteria& c) {
    return TypeMatches(c.type, row.Field(kTypeField)) &&
           (NoCondition(c.diameter) || RangeOrTextMatches(row.Field(kDiameterField), c.diameter)) &&
           (NoCondition(c.wall) || WallMatches(row.Field(kWallField), c.wall)) &&
           (NoCondition(c.steel) || SteelMatches(row.Field(kSteelField), c.steel)) &&
           (NoCondition(c.standard) || row.Field(kStandardField) == c.standard ||
            row.Field(kStandardField) == "ндан");
}

}  // namespace

std::vector<std::size_t> MatchingRows(const PriceStore& store, const PriceCriteria& criteria) {
    std::vector<std::size_t> matching;
    for (std::size_t i = 0; i < store.rows.size(); ++i) {
        if (RowMatches(store.rows[i], criteria)) {
            matching.push_back(i);
        }
    }
    return matching;
}

}  // namespace tesmarik
