#include "offer/OfferFile.h"

#include <algorithm>
#include <cstdio>

#include "common/Numbers.h"
#include "common/Text.h"
#include "loading/Vehicles.h"
#include "offer/OfferLimits.h"
#include "offer/OfferTotals.h"

namespace tesmarik {

namespace {

constexpr char kSeparator = '|';
constexpr const char* kKeys[] = {"номер", "начато", "клиент", "комментарий", "ндс", "тс", "прайс"};
// Keys a file of an earlier version may lack, in their order after the keys above; an
// offer read without them keeps the values an offer starts with (the capacity then is
// the one such offers were counted with).
struct OptionalKey {
    const char* key;
    std::size_t maxChars;  // the longest text its field in the window takes
    std::string Offer::*text = nullptr;
    std::string OfferTerms::*term = nullptr;
    std::string OfferManager::*manager = nullptr;
    std::string OfferLoading::*loading = nullptr;
};
const OptionalKey kOptionalKeys[] = {
    {"грузоподъёмность", kOfferShortFieldMaxChars, &Offer::capacity},
    {"действительно до", kOfferShortFieldMaxChars, nullptr, &OfferTerms::validUntil},
    {"условия поставки", kOfferTermsMaxChars, nullptr, &OfferTerms::delivery},
    {"условия оплаты", kOfferTermsMaxChars, nullptr, &OfferTerms::payment},
    {"менеджер", kOfferManagerMaxChars, nullptr, nullptr, &OfferManager::name},
    {"должность", kOfferManagerMaxChars, nullptr, nullptr, &OfferManager::position},
    {"телефон", kOfferManagerMaxChars, nullptr, nullptr, &OfferManager::phone},
    {"эл. почта", kOfferManagerMaxChars, nullptr, nullptr, &OfferManager::email},
    {"зазор", kOfferShortFieldMaxChars, nullptr, nullptr, nullptr, &OfferLoading::clearance},
};
// The loading options, after the keys above: "да" or "нет".
struct OptionalFlag {
    const char* key;
    bool OfferLoading::*flag;
};
const OptionalFlag kOptionalFlags[] = {
    {"смешанная погрузка", &OfferLoading::mixed},
    {"трубы в трубы", &OfferLoading::nesting},
};
constexpr const char* kYes = "да";
constexpr const char* kNo = "нет";
// The longest text of each key above, likewise; the position's texts come from the price
// list, which holds no text longer than a line of the window.
constexpr std::size_t kKeyMaxChars[] = {kOfferNumberMaxChars,     19,
                                        kOfferClientMaxChars,     kOfferCommentMaxChars,
                                        kOfferShortFieldMaxChars, kOfferShortFieldMaxChars,
                                        kOfferShortFieldMaxChars};

// The offer's field of the key, for reading or for writing.
template <typename AnOffer>
auto& ValueOf(AnOffer& offer, const OptionalKey& key) {
    return key.text      ? offer.*key.text
           : key.term    ? offer.terms.*key.term
           : key.manager ? offer.manager.*key.manager
                         : offer.loading.*key.loading;
}

constexpr const char* kPositionKey = "позиция";
constexpr std::size_t kPositionFields = 9;

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case kSeparator:
                out += "\\|";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The fields of a value split at its unescaped separators, each unescaped; none when an
// escape is not one of the four.
std::optional<std::vector<std::string>> Fields(const std::string& value) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == kSeparator) {
            fields.emplace_back();
        } else if (c != '\\') {
            fields.back() += c;
        } else if (++i < value.size()) {
            const char e = value[i];
            if (e == '\\' || e == kSeparator) {
                fields.back() += e;
            } else if (e == 'n' || e == 'r') {
                fields.back() += e == 'n' ? '\n' : '\r';
            } else {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    return fields;
}

std::string TimeText(const DateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year % 10000, t.month % 100,
                  t.day % 100, t.hour % 100, t.minute % 100, t.second % 100);
    return text;
}

// A day the calendar has, in a year an offer can be dated.
bool IsCalendarDay(int year, int month, int day) {
    if (year < 1900 || year > 9999 || month < 1 || month > 12 || day < 1) {
        return false;
    }
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::optional<DateTime> ReadTime(const std::string& text) {
    DateTime t;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &t.year, &t.month, &t.day, &t.hour,
                    &t.minute, &t.second, &tail) != 6 ||
        !IsCalendarDay(t.year, t.month, t.day) || t.hour > 23 || t.minute > 59 || t.second > 59 ||
        t.hour < 0 || t.minute < 0 || t.second < 0) {
        return std::nullopt;
    }
    return t;
}

// The price list's date as the offer shows it, "dd.mm.yyyy", or none at all.
bool IsPriceDate(const std::string& text) {
    int day = 0;
    int month = 0;
    int year = 0;
    char tail = 0;
    return text.empty() ||
           (text.size() == 10 &&
            std::sscanf(text.c_str(), "%2d.%2d.%4d%c", &day, &month, &year, &tail) == 3 &&
            IsCalendarDay(year, month, day));
}

// A text a document can carry: well-formed UTF-8 with no control character but the tab
// and line breaks (a NUL would cut it, the others break a workbook's XML).
bool IsDocumentText(const std::string& text) {
    return IsWellFormedUtf8(text) && std::none_of(text.begin(), text.end(), [](char c) {
               const auto byte = static_cast<unsigned char>(c);
               return byte < 0x20 && c != '\t' && c != '\n' && c != '\r';
           });
}

std::optional<QuantityUnit> ReadUnit(const std::string& text) {
    for (const QuantityUnit unit :
         {QuantityUnit::Metres, QuantityUnit::Tonnes, QuantityUnit::Pieces}) {
        if (text == UnitText(unit)) {
            return unit;
        }
    }
    return std::nullopt;
}

// A position as the cost window would take it, or none.
std::optional<OfferPosition> ReadPosition(const std::vector<std::string>& f) {
    if (f.size() != kPositionFields) {
        return std::nullopt;
    }
    // A price that is a number is a price the list could hold: more than zero and within
    // what the grid shows as a number. Any other text makes it negotiable.
    if (const NumberRead price = TryReadNumber(f[5]);
        price.status == NumberRead::Status::Number && !(price.value > 0 && price.value < 1e15)) {
        return std::nullopt;
    }
    if (!std::all_of(f.begin(), f.end(), IsDocumentText)) {
        return std::nullopt;
    }
    const auto unit = ReadUnit(f[6]);
    const InputRead diameter = ReadDiameter(f[1]);
    const InputRead wall = diameter.value ? ReadWall(f[2], *diameter.value) : InputRead{};
    if (!unit || !diameter.value || !wall.value) {
        return std::nullopt;
    }
    const InputRead quantity = ReadQuantity(f[7], *unit);
    const InputRead length = ReadAverageLength(f[8]);
    if (!quantity.value || !length.value) {
        return std::nullopt;
    }
    const OfferPosition p{f[0], *diameter.value, *wall.value,     f[3],         f[4],
                          f[5], *unit,           *quantity.value, *length.value};
    // Every figure it comes to is one the offer's window would take.
    if (!PositionProblem(p).empty()) {
        return std::nullopt;
    }
    return p;
}

// The format number of an offer file's first line when it names a later format than
// this program's: a whole number after the signature's words, other than 1.
std::optional<std::string> NewerFormat(const std::string& firstLine) {
    const std::string signature = kOfferFileSignature;
    const std::string words = signature.substr(0, signature.size() - 1);  // "… формат "
    if (firstLine.size() <= words.size() || firstLine.compare(0, words.size(), words) != 0) {
        return std::nullopt;
    }
    const std::string number = firstLine.substr(words.size());
    if (number.size() > 9 || number.front() == '0' ||
        number.find_first_not_of("0123456789") != std::string::npos || number == "1") {
        return std::nullopt;
    }
    return number;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            lines.emplace_back();
        } else if (text[i] != '\r' || (i + 1 < text.size() && text[i + 1] != '\n')) {
            lines.back() += text[i];
        }
    }
    if (lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

}  // namespace

std::string OfferFileText(const Offer& offer) {
    const std::string values[] = {
        offer.number,  TimeText(offer.started),    offer.client,   offer.comment,
        offer.vatRate, ShowInteger(offer.vehicle), offer.priceDate};
    std::string text = std::string(kOfferFileSignature) + "\n";
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        text += std::string(kKeys[i]) + "=" + Escaped(values[i]) + "\n";
    }
    for (const OptionalKey& key : kOptionalKeys) {
        text += std::string(key.key) + "=" + Escaped(ValueOf(offer, key)) + "\n";
    }
    for (const OptionalFlag& flag : kOptionalFlags) {
        text += std::string(flag.key) + "=" + (offer.loading.*flag.flag ? kYes : kNo) + "\n";
    }
    for (const OfferPosition& p : offer.positions) {
        const std::string fields[] = {p.type,
                                      ShowNumber(p.diameter),
                                      ShowNumber(p.wall),
                                      p.steel,
                                      p.standard,
                                      p.price,
                                      UnitText(p.unit),
                                      ShowNumber(p.quantity),
                                      ShowNumber(p.averageLength)};
        text += std::string(kPositionKey) + "=";
        for (std::size_t i = 0; i < std::size(fields); ++i) {
            text += (i > 0 ? "|" : "") + Escaped(fields[i]);
        }
        text += "\n";
    }
    return text;
}

OfferRead ReadOfferFile(const std::string& text) {
    const std::vector<std::string> lines = Lines(text);
    if (lines.empty() || lines[0] != kOfferFileSignature) {
        if (const auto format = NewerFormat(lines.empty() ? std::string() : lines[0])) {
            return {std::nullopt, "сделан более новой версией программы (формат " + *format +
                                      "), эта версия читает только формат 1"};
        }
        return {std::nullopt, "не является файлом предложения"};
    }
    const auto damaged = [](std::size_t line) {
        return OfferRead{std::nullopt, "повреждён: строка " + std::to_string(line + 1)};
    };
    std::string values[std::size(kKeys)];
    Offer offer;
    std::size_t i = 1;
    for (std::size_t k = 0; k < std::size(kKeys); ++k, ++i) {
        const std::string key = std::string(kKeys[k]) + "=";
        if (i >= lines.size() || lines[i].compare(0, key.size(), key) != 0) {
            return damaged(i);
        }
        const auto fields = Fields(lines[i].substr(key.size()));
        if (!fields || fields->size() != 1 || !IsDocumentText(fields->front()) ||
            CharCount(fields->front()) > kKeyMaxChars[k]) {
            return damaged(i);
        }
        values[k] = fields->front();
    }
    offer.number = values[0];
    const auto started = ReadTime(values[1]);
    const NumberRead vehicle = TryReadNumber(values[5]);
    if (!started || vehicle.status != NumberRead::Status::Number || vehicle.value < 0 ||
        vehicle.value >= kVehicleCount || vehicle.value != static_cast<int>(vehicle.value)) {
        return damaged(started ? 6 : 2);
    }
    offer.started = *started;
    offer.client = values[2];
    offer.comment = values[3];
    offer.vatRate = values[4];
    offer.vehicle = static_cast<int>(vehicle.value);
    offer.priceDate = values[6];
    if (!IsPriceDate(offer.priceDate)) {
        return damaged(7);
    }
    for (const OptionalKey& optional : kOptionalKeys) {
        const std::string key = std::string(optional.key) + "=";
        if (i < lines.size() && lines[i].compare(0, key.size(), key) == 0) {
            const auto fields = Fields(lines[i].substr(key.size()));
            if (!fields || fields->size() != 1 || !IsDocumentText(fields->front()) ||
                CharCount(fields->front()) > optional.maxChars) {
                return damaged(i);
            }
            ValueOf(offer, optional) = fields->front();
            ++i;
        }
    }
    // A file that names no loading options was made before several sizes were loaded
    // together: it opens loaded as it was, each size alone.
    offer.loading.mixed = false;
    for (const OptionalFlag& optional : kOptionalFlags) {
        const std::string key = std::string(optional.key) + "=";
        if (i < lines.size() && lines[i].compare(0, key.size(), key) == 0) {
            const std::string value = lines[i].substr(key.size());
            if (value != kYes && value != kNo) {
                return damaged(i);
            }
            offer.loading.*optional.flag = value == kYes;
            ++i;
        }
    }
    const std::string key = std::string(kPositionKey) + "=";
    for (; i < lines.size(); ++i) {
        if (lines[i].compare(0, key.size(), key) != 0 ||
            offer.positions.size() >= kOfferMaxPositions) {
            return damaged(i);
        }
        const auto fields = Fields(lines[i].substr(key.size()));
        const auto position = fields ? ReadPosition(*fields) : std::nullopt;
        if (!position) {
            return damaged(i);
        }
        offer.positions.push_back(*position);
    }
    if (ComputeOffer(offer, offer.capacity).costTooLarge) {
        return {std::nullopt, "повреждён: стоимость больше 999 999 999 999,99 руб."};
    }
    return {offer, {}};
}

}  // namespace tesmarik
