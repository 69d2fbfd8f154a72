#pragma once

#include <array>
#include <optional>
#include <string>

namespace tesmarik {

// The five vehicles, in the order of the vehicle radio group.
enum class VehicleKind {
    StandardGondola,
    HighSidedGondola,
    Platform,
    TruckWithStanchions,
    TruckWithoutStanchions,
};

inline constexpr int kVehicleCount = 5;

struct VehicleData {
    const char* reportName;  // how the result panel and the report name the vehicle
    double bodyWidth;        // inner cross-section of the load space, cm
    double bodyHeight;       // cm
    bool platformList;       // offers the platform's diameters instead of the full list
};

const VehicleData& Vehicle(VehicleKind kind);
bool IsGondola(VehicleKind kind);
bool IsTruck(VehicleKind kind);

// The two diameter lists: the full one and the platform's.
const std::array<std::string, 12>& FullDiameterList();
const std::array<std::string, 7>& PlatformDiameterList();

// The first item of the full list: the user types a diameter below 219 mm.
inline constexpr const char* kTypedDiameterItem = "ввести d<219";
// The diameter, mm, that a typed one stays below.
inline constexpr double kTypedDiameterBelow = 219;
// The first wall item: the user types any other wall.
inline constexpr const char* kOtherWallItem = "другии стенки";

// Pieces per vehicle for each standard diameter, one column per vehicle kind; 0 where
// no norm is given (the count is then estimated from the body cross-section).
struct NormRow {
    double diameter;  // mm
    std::array<double, kVehicleCount> pieces;
};
const std::array<NormRow, 11>& LoadingNormTable();

// Where the count by volume comes from: the norms of a picked diameter, or the body's
// cross-section for a typed one.
enum class VolumeSource { Norms, CrossSection };

// Pipes of outer diameter D (mm) that fit into the vehicle by volume: the norm, or, for a
// typed diameter, a missing norm or no vehicle, the number of D x D squares in the body's
// cross-section. Not rounded.
double ByVolumeCount(std::optional<VehicleKind> vehicle, VolumeSource source, double diameter);

// How the vehicle counts a diameter given as a number: by its norms when the vehicle's
// list offers it, as a typed diameter when it lies below kTypedDiameterBelow and the list
// offers the typed item; none when the vehicle's norms do not cover it.
std::optional<VolumeSource> VolumeSourceOf(VehicleKind vehicle, double diameter);

// The loading scheme shown for a gondola and a standard diameter from 530 mm. The counts
// in the captions are the standard gondola's, for both gondola kinds.
struct LoadingScheme {
    const char* diameterText;
    const char* caption;  // two lines separated by a carriage return
};
const std::array<LoadingScheme, 7>& LoadingSchemes();
// The scheme for a diameter field's exact text, by its place in LoadingSchemes().
std::optional<int> SchemeIndexOf(const std::string& diameterText);

inline constexpr const char* kNoSchemeCaption = "Для данного диаметр схема не предусмотрена";

}  // namespace tesmarik
