#include "offer/OfferTerms.h"

#include <cstdio>
#include <utility>

#include "common/Numbers.h"
#include "common/Text.h"
#include "offer/OfferLimits.h"

namespace tesmarik {

namespace {

bool LeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : days[month - 1];
}

DateTime NextDay(DateTime t) {
    if (++t.day > DaysInMonth(t.year, t.month)) {
        t.day = 1;
        if (++t.month > 12) {
            t.month = 1;
            ++t.year;
        }
    }
    return t;
}

// 1899-12-30, the day the serial counts from, was a Saturday.
bool Weekend(const DateTime& t) {
    const long long day = static_cast<long long>(DaySerial({t.year, t.month, t.day})) % 7;
    return day == 0 || day == 1;
}

// The settings' names of the manager's and the terms' fields.
constexpr std::pair<const char*, std::string OfferManager::*> kManagerFields[] = {
    {"менеджер", &OfferManager::name},
    {"должность", &OfferManager::position},
    {"телефон", &OfferManager::phone},
    {"эл. почта", &OfferManager::email}};
constexpr std::pair<const char*, std::string OfferTerms::*> kTermsFields[] = {
    {"условия поставки", &OfferTerms::delivery}, {"условия оплаты", &OfferTerms::payment}};

std::string Setting(const UserSettings& settings, const char* name, std::size_t limit) {
    const auto it = settings.find(name);
    return it == settings.end() ? std::string() : FirstChars(it->second, limit);
}

}  // namespace

DateTime WorkingDaysAfter(const DateTime& from, int days) {
    DateTime t{from.year, from.month, from.day};
    while (days > 0) {
        t = NextDay(t);
        if (!Weekend(t)) {
            --days;
        }
    }
    return t;
}

std::optional<DateTime> ReadShortDate(const std::string& text) {
    DateTime t;
    int length = 0;
    if (text.size() != 10 ||
        std::sscanf(text.c_str(), "%2d.%2d.%4d%n", &t.day, &t.month, &t.year, &length) != 3 ||
        length != 10 || text[2] != '.' || text[5] != '.' || t.year < 1900 || t.month < 1 ||
        t.month > 12 || t.day < 1 || t.day > DaysInMonth(t.year, t.month)) {
        return std::nullopt;
    }
    t.hour = t.minute = t.second = 0;
    return t;
}

std::string ValidUntilProblem(const std::string& text) {
    return text.empty() || ReadShortDate(text)
               ? std::string()
               : "Срок действия \"" + text + "\" - не дата дд.мм.гггг.";
}

std::string CapacityProblem(const std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos) {
        return "Введите грузоподъёмность ТС.";
    }
    const NumberRead read = TryReadNumber(text);
    if (read.status != NumberRead::Status::Number) {
        return "Грузоподъёмность \"" + text + "\" - не число.";
    }
    return read.value > 0 ? std::string() : "Грузоподъёмность должна быть больше нуля.";
}

std::string OfferTermsProblem(const Offer& offer) {
    const std::string date = ValidUntilProblem(offer.terms.validUntil);
    return date.empty() ? CapacityProblem(offer.capacity) : date;
}

Offer NewOffer(const DateTime& now, const std::string& capacity, const UserSettings& settings) {
    Offer offer;
    offer.number = ProposedNumber(now);
    offer.started = now;
    offer.capacity = capacity;
    ApplyOfferSettings(settings, offer.manager, offer.terms);
    offer.terms.validUntil = ShortDate(WorkingDaysAfter(now, kOfferValidWorkingDays));
    return offer;
}

void ApplyOfferSettings(const UserSettings& settings, OfferManager& manager, OfferTerms& terms) {
    for (const auto& [name, field] : kManagerFields) {
        manager.*field = Setting(settings, name, kOfferManagerMaxChars);
    }
    for (const auto& [name, field] : kTermsFields) {
        terms.*field = Setting(settings, name, kOfferTermsMaxChars);
    }
}

void StoreOfferSettings(const OfferManager& manager, const OfferTerms& terms,
                        UserSettings& settings) {
    for (const auto& [name, field] : kManagerFields) {
        settings[name] = manager.*field;
    }
    for (const auto& [name, field] : kTermsFields) {
        settings[name] = terms.*field;
    }
}

}  // namespace tesmarik
