#include <gtest/gtest.h>

#include <string>

#include "common/Error.h"
#include "loading/Vehicles.h"

namespace tesmarik {
namespace {

// The count by volume of a picked (norms) or a typed (cross-section) diameter.
double ByVolume(VehicleKind kind, bool typed, double diameter) {
    return ByVolumeCount(kind, typed ? VolumeSource::CrossSection : VolumeSource::Norms, diameter);
}

TEST(ByVolumeCount, NormsOrTheCrossSectionForEveryVehicleAndDiameter) {
    // diameter: standard gondola, high-sided gondola, platform, trucks with and without
    // stanchions; -1 where the norm is missing and the cross-section counts.
    struct Row {
        double diameter;
        double counts[5];
    };
    const Row rows[] = {
        {219, {117, -1, 10000, 45, 25}}, {273, {80, -1, 10000, 40, 25}},
        {325, {56, -1, 10000, 30, 20}},  {426, {30, -1, 10000, 24, 12}},
        {530, {27, 29, 54, 14, 12}},     {630, {19, 19, 36, 13, 9}},
        {720, {17, 17, 26, 8, 6}},       {820, {11, 11, 20, 6, 6}},
        {1020, {6, 9, 16, 4, 3}},        {1220, {5, 5, 10, 3, 3}},
        {1420, {4, 4, -1, 1, 1}},
    };
    // Inner cross-sections in cm.
    const double width[] = {288, 290, 0, 220, 220};
    const double height[] = {200, 224, 0, 160, 50};
    for (const Row& row : rows) {
        for (int v = 0; v < 5; ++v) {
            SCOPED_TRACE(std::to_string(row.diameter) + " on vehicle " + std::to_string(v));
            const auto kind = static_cast<VehicleKind>(v);
            const double estimate = width[v] * height[v] * 100 / (row.diameter * row.diameter);
            const double expected = row.counts[v] < 0 ? estimate : row.counts[v];
            EXPECT_DOUBLE_EQ(ByVolume(kind, false, row.diameter), expected);
            // A typed diameter is always estimated, a standard one too.
            EXPECT_DOUBLE_EQ(ByVolume(kind, true, row.diameter), estimate);
        }
    }
}

TEST(ByVolumeCount, TheWorkedFigures) {
    EXPECT_NEAR(ByVolume(VehicleKind::HighSidedGondola, false, 219), 135.44, 0.005);
    EXPECT_EQ(ByVolume(VehicleKind::Platform, false, 1420), 0);
    EXPECT_EQ(ByVolume(VehicleKind::StandardGondola, true, 200), 144);
    // Not a standard diameter and not typed (cannot be picked): estimated all the same.
    EXPECT_EQ(ByVolume(VehicleKind::StandardGondola, false, 240), 100);
}

TEST(ByVolumeCount, ADiameterOfZeroIsADivisionByZero) {
    EXPECT_THROW(ByVolume(VehicleKind::StandardGondola, true, 0), Error);
    try {
        ByVolume(VehicleKind::Platform, true, 0);
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
}

TEST(VolumeSourceOf, TheVehiclesListDecidesAndTypedDiametersStayBelow219) {
    // Every diameter a vehicle's list offers counts by its norms, whatever the table holds
    // for it; below 219 mm a vehicle of the full list counts it as typed; nothing else.
    const auto norms = VolumeSource::Norms;
    const auto typed = VolumeSource::CrossSection;
    const std::optional<VolumeSource> none;
    for (int v = 0; v < kVehicleCount; ++v) {
        const auto kind = static_cast<VehicleKind>(v);
        const bool platform = Vehicle(kind).platformList;
        SCOPED_TRACE(v);
        for (const NormRow& row : LoadingNormTable()) {
            EXPECT_EQ(VolumeSourceOf(kind, row.diameter),
                      platform && row.diameter < 530 ? none : norms)
                << row.diameter;
        }
        for (const double d : {218.9, 159.0, 1.0, -5.0}) {
            EXPECT_EQ(VolumeSourceOf(kind, d), platform ? none : typed) << d;
        }
        for (const double d : {219.1, 240.0, 508.0, 1421.0, 2000.0}) {
            EXPECT_EQ(VolumeSourceOf(kind, d), none) << d;
        }
    }
}

TEST(ByVolumeCount, NoVehicleChosenIsABodyOfNoCrossSection) {
    EXPECT_EQ(ByVolumeCount(std::nullopt, VolumeSource::Norms, 530), 0);
    EXPECT_EQ(ByVolumeCount(std::nullopt, VolumeSource::CrossSection, 159), 0);
}

TEST(LoadingSchemes, CaptionsAreTwoLinesJoinedByOneCarriageReturn) {
    const auto& table = LoadingNormTable();
    for (const LoadingScheme& scheme : LoadingSchemes()) {
        const std::string caption = scheme.caption;
        SCOPED_TRACE(caption);
        EXPECT_EQ(caption.find('\n'), std::string::npos);
        const auto cr = caption.find('\r');
        ASSERT_NE(cr, std::string::npos);
        EXPECT_EQ(caption.find('\r', cr + 1), std::string::npos);
        EXPECT_EQ(caption.substr(0, cr), "Схема погрузки для трубы диаметром " +
                                             std::string(scheme.diameterText) + " мм.");
        // The second line counts the standard gondola's norm.
        const double d = std::stod(scheme.diameterText);
        for (const NormRow& row : table) {
            if (row.diameter == d) {
                EXPECT_EQ(std::stoi(caption.substr(cr + 1)), row.pieces[0]);
            }
        }
    }
    EXPECT_EQ(SchemeIndexOf("530"), 0);
    EXPECT_EQ(SchemeIndexOf("1420"), 6);
    EXPECT_EQ(SchemeIndexOf("426"), std::nullopt);
    EXPECT_EQ(SchemeIndexOf("0530"), std::nullopt);
    EXPECT_EQ(SchemeIndexOf("530 "), std::nullopt);
}

}  // namespace
}  // namespace tesmarik
