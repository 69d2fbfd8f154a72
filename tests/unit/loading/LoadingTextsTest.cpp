#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loading/LoadingReport.h"

namespace tesmarik {
namespace {

LoadingFigures OneVehicle() {
    LoadingFigures r;
    r.byVolumeShown = 27;
    r.massV = 39.4;
    r.lenV = 305;
    return r;
}

TEST(LoadingTextsOf, OneVehicleIsSixLinesAndTheFieldsAsTheyStand) {
    const LoadingTexts t =
        LoadingTextsOf(OneVehicle(), {"530", "10,0", "11,3", "60", ""}, "полувагон");
    EXPECT_EQ(t.vehicle, "полувагон");
    EXPECT_EQ(t.position, "трубы метал. диам. 530x10,0 (l=11,3 m.)");
    EXPECT_EQ(t.byVolume, "27 шт.");
    EXPECT_EQ(t.massV, "39,4 т.");
    EXPECT_EQ(t.lenV, "305 м.");
    EXPECT_EQ(t.report,
              (std::vector<std::string>{"_____________", "ТС: полувагон",
                                        "Позиция: трубы метал. диам. 530x10,0 (l=11,3 m.)",
                                        "Макс. кол.:27 шт.", "Масса: 39,4 т.", "Длина: 305 м."}));
    EXPECT_EQ(t.nCap, "");
    EXPECT_EQ(t.totalVeh, "");
}

TEST(LoadingTextsOf, TheCapacityCaseAndTheConsignmentAddTheirLines) {
    LoadingFigures r = OneVehicle();
    r.capacityCase = true;
    r.nCap = 25;
    r.massCap = 57.921;
    r.lenCap = 282.5;
    EXPECT_EQ(LoadingTextsOf(r, {}, "").report.size(), 10u);
    r.withBasis = true;
    r.totalVeh = 3;
    r.pct = 96;
    r.lastLen = 180.8;
    const LoadingTexts t = LoadingTextsOf(r, {}, "");
    ASSERT_EQ(t.report.size(), 25u);
    EXPECT_EQ(t.massCap, "57,921 тн.");
    EXPECT_EQ(t.report[6], kCapacityWarning);
    EXPECT_EQ(t.totalVeh, "Общее количество ТС :3");
    EXPECT_EQ(t.report[16], t.totalVeh);
    EXPECT_EQ(t.pct, "96 %");
    EXPECT_EQ(t.lastLen, "180,8  м.");
    EXPECT_EQ(t.report.back(), "Длина: 180,8  м.");
}

}  // namespace
}  // namespace tesmarik
