#include "loading/Vehicles.h"

namespace tesmarik {

namespace {

constexpr std::array<VehicleData, kVehicleCount> kVehicles{{
    {"стандартный полувагон", 288, 200, false},
    {"полувагон с высокими бортами (RER Ovaza)", 290, 224, false},
    {"специальная платформа-трубовоз (RER Ovaza)", 0, 0, true},
    {"автомашина с полуприцепом ( с конниками)", 220, 160, false},
    {"автомашина с полуприцепом ( без конников)", 220, 50, false},
}};

}  // namespace

const VehicleData& Vehicle(VehicleKind kind) {
    return kVehicles.at(static_cast<std::size_t>(kind));
}

bool IsGondola(VehicleKind kind) {
    return kind == VehicleKind::StandardGondola || kind == VehicleKind::HighSidedGondola;
}

bool IsTruck(VehicleKind kind) {
    return kind == VehicleKind::TruckWithStanchions || kind == VehicleKind::TruckWithoutStanchions;
}

const std::array<std::string, 12>& FullDiameterList() {
    static const std::array<std::string, 12> list{kTypedDiameterItem,
                                                  "219",
                                                  "273",
                                                  "325",
                                                  "426",
                                                  "530",
                                                  "630",
                                                  "720",
                                                  "820",
                                                  "1020",
                                                  "1220",
                                                  "1420"};
    return list;
}

const std::array<std::string, 7>& PlatformDiameterList() {
    static const std::array<std::string, 7> list{"530",  "630",  "720", "820",
                                                 "1020", "1220", "1420"};
    return list;
}

const std::array<NormRow, 11>& LoadingNormTable() {
    // Columns: standard gondola, high-sided gondola, platform, truck with stanchions,
    // truck without. The platform's entries below 530 are never reached: its list
    // starts at 530.
    static constexpr std::array<NormRow, 11> table{{
        {219, {117, 0, 10000, 45, 25}},
        {273, {80, 0, 10000, 40, 25}},
        {325, {56, 0, 10000, 30, 20}},
        {426, {30, 0, 10000, 24, 12}},
        {530, {27, 29, 54, 14, 12}},
        {630, {19, 19, 36, 13, 9}},
        {720, {17, 17, 26, 8, 6}},
        {820, {11, 11, 20, 6, 6}},
        {1020, {6, 9, 16, 4, 3}},
        {1220, {5, 5, 10, 3, 3}},
        {1420, {4, 4, 0, 1, 1}},
    }};
    return table;
}

const std::array<LoadingScheme, 7>& LoadingSchemes() {
    static constexpr std::array<LoadingScheme, 7> schemes{{
        {"530", "Схема погрузки для трубы диаметром 530 мм.\r27 штук"},
        {"630", "Схема погрузки для трубы диаметром 630 мм.\r19 штук"},
        {"720", "Схема погрузки для трубы диаметром 720 мм.\r17 штук"},
        {"820", "Схема погрузки для трубы диаметром 820 мм.\r11 штуки"},
        {"1020", "Схема погрузки для трубы диаметром 1020 мм.\r6 штук"},
        {"1220", "Схема погрузки для трубы диаметром 1220 мм.\r5 штук"},
        {"1420", "Схема погрузки для трубы диаметром 1420 мм.\r4 штуки"},
    }};
    return schemes;
}

std::optional<int> SchemeIndexOf(const std::string& diameterText) {
    const auto& schemes = LoadingSchemes();
    for (std::size_t i = 0; i < schemes.size(); ++i) {
        if (diameterText == schemes[i].diameterText) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

}  // namespace tesmarik
