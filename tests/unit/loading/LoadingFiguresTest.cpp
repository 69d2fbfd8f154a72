#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "common/Error.h"
#include "common/Numbers.h"
#include "loading/LoadingFigures.h"
#include "loading/LoadingReport.h"

namespace tesmarik {
namespace {

// The vehicle, the basis of the consignment and whether the diameter counts as typed.
struct Setting {
    VehicleKind vehicle;
    QuantityBasis basis;
    bool typed;
};

Setting StateFor(VehicleKind kind, QuantityBasis basis = QuantityBasis::None, bool typed = false) {
    return {kind, basis, typed};
}

LoadingInputs Inputs(std::string d, std::string s, std::string q = "", std::string l = "11,3",
                     std::string c = "60") {
    return {std::move(d), std::move(s), std::move(l), std::move(c), std::move(q)};
}

// The figures of a query whose numbers are written as the tab's fields would hold them.
LoadingFigures FiguresOfTexts(const LoadingInputs& in, const Setting& setting) {
    LoadingQuery q;
    q.vehicle = setting.vehicle;
    q.volume = setting.typed ? VolumeSource::CrossSection : VolumeSource::Norms;
    q.diameter = ReadNumber(in.diameter);
    q.wall = ReadNumber(in.wall);
    q.length = ReadNumber(in.length);
    q.capacity = ReadNumber(in.capacity);
    q.basis = setting.basis;
    q.quantity = setting.basis == QuantityBasis::None ? 0 : ReadNumber(in.quantity);
    return ComputeLoading(q);
}

// The consignment figures as the report shows them, in report order.
std::vector<std::string> Consignment(const LoadingFigures& r) {
    return {ShowNumber(r.totMass),  ShowNumber(r.totLen),   ShowNumber(r.totCnt),
            ShowNumber(r.totalVeh), ShowNumber(r.full),     ShowNumber(r.fullCnt),
            ShowNumber(r.fullMass), ShowNumber(r.fullLen),  ShowNumber(r.pct),
            ShowNumber(r.rem),      ShowNumber(r.lastMass), ShowNumber(r.lastLen)};
}

TEST(ComputeLoading, OneVehicleByVolumeAndByCapacity) {
    struct Case {
        VehicleKind vehicle;
        LoadingInputs in;
        bool typed;
        const char *byVolume, *massV, *lenV;
        bool capacity;
        const char *nCap, *massCap, *lenCap;
    };
    const Case cases[] = {
        // M = 0,128 * 1,01: 27 pipes, no capacity case.
        {VehicleKind::StandardGondola, Inputs("530", "10"), false, "27", "39,4", "305", false, "0",
         "0", "0"},
        // 62,55 t > 60 t: the capacity allows 25; without a consignment the capacity
        // figures keep three decimals and the unrounded length.
        {VehicleKind::StandardGondola, Inputs("530", "16"), false, "27", "62,6", "305", true, "25",
         "57,921", "282,5"},
        // No norm for 219 on the high-sided gondola: 135,44 by the cross-section.
        {VehicleKind::HighSidedGondola, Inputs("219", "8"), false, "135", "64,3", "1531", true,
         "126", "59,8", "1423,8"},
        // The high-sided gondola's own norm for 530.
        {VehicleKind::HighSidedGondola, Inputs("530", "10"), false, "29", "42,4", "328", false, "0",
         "0", "0"},
        // A typed 530 is estimated even though the table has it: 5760000 / 280900.
        {VehicleKind::StandardGondola, Inputs("530", "10"), true, "21", "30", "232", false, "0",
         "0", "0"},
        // The platform has no norm for 1420 and no body: nothing fits.
        {VehicleKind::Platform, Inputs("1420", "10"), false, "0", "0", "0", false, "0", "0", "0"},
        // The truck without stanchions, 820 x 12: 6 pipes of 0,24 t/m.
        {VehicleKind::TruckWithoutStanchions, Inputs("820", "12"), false, "6", "16,4", "68", false,
         "0", "0", "0"},
        // Exactly as heavy as the capacity is no capacity case: 117 * 0,042 * 12.
        {VehicleKind::StandardGondola, Inputs("219", "8", "", "12", "58,968"), false, "117", "59",
         "1404", false, "0", "0", "0"},
        {VehicleKind::StandardGondola, Inputs("219", "8", "", "12", "58,967"), false, "117", "59",
         "1404", true, "116", "58,464", "1392"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in.diameter + "x" + c.in.wall);
        const LoadingFigures r =
            FiguresOfTexts(c.in, StateFor(c.vehicle, QuantityBasis::None, c.typed));
        EXPECT_EQ(ShowNumber(r.byVolumeShown), c.byVolume);
        EXPECT_EQ(ShowNumber(r.massV), c.massV);
        EXPECT_EQ(ShowNumber(r.lenV), c.lenV);
        EXPECT_EQ(r.capacityCase, c.capacity);
        EXPECT_EQ(ShowNumber(r.nCap), c.nCap);
        EXPECT_EQ(ShowNumber(r.massCap), c.massCap);
        EXPECT_EQ(ShowNumber(r.lenCap), c.lenCap);
        EXPECT_FALSE(r.withBasis);
    }
}

TEST(ComputeLoading, Consignments) {
    struct Case {
        LoadingInputs in;
        QuantityBasis basis;
        std::vector<std::string> expected;  // as Consignment() lists them
    };
    const Case cases[] = {
        // 500 t of 530 x 16 with the capacity limit of 25 pipes per wagon; the last wagon
        // carries 16 pipes of 11,3 m at 0,20503 t/m.
        {Inputs("530", "16", "500"),
         QuantityBasis::Mass,
         {"500", "2438,67", "215", "9", "8", "200", "463,3678", "2260", "63", "16", "37,069",
          "180,8"}},
        {Inputs("530", "10", "500"),
         QuantityBasis::Mass,
         {"500", "3867,57", "342", "13", "12", "324", "473,319936", "3661", "68", "18", "26,296",
          "203,4"}},
        // 610,2 m are exactly 54 pipes, two full wagons: the second is the last one.
        {Inputs("530", "10", "610,2"),
         QuantityBasis::Length,
         {"78,887", "610,2", "54", "2", "2", "54", "78,886656", "610", "100", "27", "39,443",
          "305,1"}},
        // Two full wagons at the capacity limit of 25 pipes.
        {Inputs("530", "16", "565"),
         QuantityBasis::Length,
         {"115,842", "565", "50", "2", "2", "50", "115,84195", "565", "100", "25", "57,921",
          "282,5"}},
        // Less than one wagon: no full one, the last carries everything.
        {Inputs("530", "10", "100"),
         QuantityBasis::Length,
         {"12,928", "100", "8", "1", "0", "0", "0", "0", "33", "9", "13,148", "101,7"}},
        // Nothing to carry needs no wagon.
        {Inputs("530", "10", "0"),
         QuantityBasis::Length,
         {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}},
        // A negative consignment needs no vehicle.
        {Inputs("530", "10", "-100"),
         QuantityBasis::Length,
         {"-12,927", "-99,99", "-8", "0", "0", "0", "0", "0", "-32", "-8", "-11,686", "-90,39"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in.wall + " " + c.in.quantity);
        const LoadingFigures r =
            FiguresOfTexts(c.in, StateFor(VehicleKind::StandardGondola, c.basis));
        EXPECT_TRUE(r.withBasis);
        EXPECT_EQ(Consignment(r), c.expected);
    }
}

// The text a user types for units of 10^-decimals: 1183299840 at 7 is "118,329984".
std::string DecimalText(long long units, int decimals) {
    std::string digits = std::to_string(units);
    if (digits.size() <= static_cast<std::size_t>(decimals)) {
        digits.insert(0, decimals + 1 - digits.size(), '0');
    }
    std::string text = digits.substr(0, digits.size() - decimals);
    std::string fraction = digits.substr(digits.size() - decimals);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    return fraction.empty() ? text : text + "," + fraction;
}

TEST(ComputeLoading, ConsignmentsOfWholePipesFillWholeVehicles) {
    // Consignments of p pipes for every p up to five vehicles, typed as the length of p
    // pipes or as their mass (both exact decimals), at several sizes and lengths.
    struct Case {
        VehicleKind vehicle;
        int diameter, wall;  // mm
        long long length;    // average length, cm
    };
    const Case cases[] = {
        {VehicleKind::StandardGondola, 530, 10, 1130},
        {VehicleKind::StandardGondola, 530, 10, 1170},
        {VehicleKind::StandardGondola, 530, 10, 975},
        {VehicleKind::StandardGondola, 530, 16, 1130},  // the capacity limit
        {VehicleKind::HighSidedGondola, 530, 10, 1200},
        {VehicleKind::TruckWithoutStanchions, 820, 12, 1155},
        {VehicleKind::StandardGondola, 219, 8, 1050},  // no seam allowance
    };
    int cutShortInBinary = 0;
    for (const Case& c : cases) {
        const std::string d = std::to_string(c.diameter);
        const std::string s = std::to_string(c.wall);
        const std::string l = DecimalText(c.length, 2);
        SCOPED_TRACE(d + "x" + s + " at " + l);
        // Pipes per vehicle, from the computation without a consignment.
        const LoadingFigures one =
            FiguresOfTexts(Inputs(d, s, "", l), StateFor(c.vehicle, QuantityBasis::None));
        const long long n = static_cast<long long>(one.capacityCase ? one.nCap : one.byVolumeShown);
        ASSERT_GT(n, 0);
        // The mass of one metre in units of 1e-5 t: thousandths of a tonne, then the
        // 1 % allowance from 530 mm.
        const long long thousandths = ((c.diameter - c.wall) * c.wall * 2466LL + 50000) / 100000;
        const long long perMetre = thousandths * (c.diameter >= 530 ? 101 : 100);
        for (long long p = 1; p <= 5 * n; ++p) {
            const std::string byLength = DecimalText(p * c.length, 2);
            const std::string byMass = DecimalText(p * c.length * perMetre, 7);
            if (std::trunc(ReadNumber(byLength) / ReadNumber(l)) < p) {
                ++cutShortInBinary;
            }
            for (const auto& [basis, q] :
                 {std::pair{QuantityBasis::Length, byLength}, {QuantityBasis::Mass, byMass}}) {
                SCOPED_TRACE(q);
                const LoadingFigures r =
                    FiguresOfTexts(Inputs(d, s, q, l), StateFor(c.vehicle, basis));
                const long long full = p / n;
                const long long onLast = p % n;
                ASSERT_EQ(r.totCnt, p);
                ASSERT_EQ(r.full, full);
                ASSERT_EQ(r.fullCnt, full * n);
                if (onLast == 0) {
                    // The last vehicle is the last full one.
                    ASSERT_EQ(r.totalVeh, full);
                    ASSERT_EQ(r.pct, 100);
                    ASSERT_EQ(r.rem, n);
                } else {
                    ASSERT_EQ(r.totalVeh, full + 1);
                    ASSERT_EQ(r.rem, onLast);
                    // Its share of a vehicle in percent, rounded half up.
                    ASSERT_EQ(r.pct, (200 * onLast + n) / (2 * n));
                }
            }
            // A centimetre short of p pipes is p - 1 pipes: a vehicle that p would have
            // filled is no longer full, and p - 1 may fill the one before it.
            const long long fewer = p - 1;
            const std::string shorter = DecimalText(p * c.length - 1, 2);
            SCOPED_TRACE(shorter);
            const LoadingFigures r = FiguresOfTexts(Inputs(d, s, shorter, l),
                                                    StateFor(c.vehicle, QuantityBasis::Length));
            ASSERT_EQ(r.totCnt, fewer);
            ASSERT_EQ(r.full, fewer / n);
            // Less than one whole pipe is no pipe and needs no vehicle.
            ASSERT_EQ(r.totalVeh, (fewer + n - 1) / n);
        }
    }
    // The sweep reaches consignments whose binary count of pipes lies below the whole one.
    EXPECT_GT(cutShortInBinary, 50);
}

TEST(ComputeLoading, CapacityFiguresAreRoundedOnceMoreWithAConsignment) {
    const LoadingFigures r = FiguresOfTexts(
        Inputs("530", "16", "500"), StateFor(VehicleKind::StandardGondola, QuantityBasis::Mass));
    EXPECT_EQ(ShowNumber(r.massCap), "57,9");
    EXPECT_EQ(ShowNumber(r.lenCap), "283");
}

TEST(ComputeLoading, TheLastVehicleCarriesItsPipesAtTheAverageLength) {
    // Whatever the vehicle, basis and limit: the last vehicle's length is its pipes times
    // the average length, its mass that length times the mass of one metre.
    struct Case {
        VehicleKind vehicle;
        LoadingInputs in;
        QuantityBasis basis;
    };
    const Case cases[] = {
        {VehicleKind::StandardGondola, Inputs("530", "16", "500"), QuantityBasis::Mass},
        {VehicleKind::HighSidedGondola, Inputs("219", "8", "1234,5", "9,75"),
         QuantityBasis::Length},
        {VehicleKind::TruckWithStanchions, Inputs("720", "11", "77"), QuantityBasis::Mass},
        {VehicleKind::TruckWithoutStanchions, Inputs("1220", "14", "333", "12"),
         QuantityBasis::Length},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in.diameter);
        const LoadingFigures r = FiguresOfTexts(c.in, StateFor(c.vehicle, c.basis));
        const double d = ReadNumber(c.in.diameter);
        const double s = ReadNumber(c.in.wall);
        const double l = ReadNumber(c.in.length);
        double m = std::trunc((d - s) * s * 0.02466 / 1000 * 1000 + 0.5) / 1000;
        if (d >= 530) {
            m *= 1.01;
        }
        EXPECT_GT(r.rem, 0);
        EXPECT_NEAR(r.lastLen, r.rem * l, 0.005);
        EXPECT_NEAR(r.lastMass, r.rem * l * m, 0.0005);
        // Rounded to the centimetre and the kilogram.
        EXPECT_EQ(r.lastLen, std::round(r.lastLen * 100) / 100);
        EXPECT_EQ(r.lastMass, std::round(r.lastMass * 1000) / 1000);
    }
}

TEST(ComputeLoading, ExtremeInputsGiveAnErrorOrFiniteFigures) {
    const char* texts[] = {"0", "-1", "11,3", "530", "1E-300", "1E300", "1E308"};
    const VehicleKind vehicles[] = {VehicleKind::StandardGondola, VehicleKind::Platform};
    int computed = 0;
    for (const VehicleKind vehicle : vehicles) {
        for (const QuantityBasis basis :
             {QuantityBasis::None, QuantityBasis::Mass, QuantityBasis::Length}) {
            for (const char* d : texts) {
                for (const char* s : texts) {
                    for (const char* l : texts) {
                        for (const char* c : texts) {
                            for (const char* q : texts) {
                                LoadingFigures r;
                                try {
                                    r = FiguresOfTexts(Inputs(d, s, q, l, c),
                                                       StateFor(vehicle, basis, true));
                                } catch (const Error&) {
                                    continue;
                                }
                                ++computed;
                                const double all[] = {
                                    r.byVolumeShown, r.massV,    r.lenV,     r.nCap,    r.massCap,
                                    r.lenCap,        r.totMass,  r.totLen,   r.totCnt,  r.totalVeh,
                                    r.full,          r.fullCnt,  r.fullMass, r.fullLen, r.pct,
                                    r.rem,           r.lastMass, r.lastLen};
                                for (const double v : all) {
                                    ASSERT_TRUE(std::isfinite(v))
                                        << d << " " << s << " " << l << " " << c << " " << q;
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(computed, 1000);
}

}  // namespace
}  // namespace tesmarik
