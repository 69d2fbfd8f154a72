#include <gtest/gtest.h>

#include <string>

#include "loading/Vehicles.h"
#include "offer/OfferTransport.h"

namespace tesmarik {
namespace {

// The vehicles of one position, worked by hand from the norms, the body's cross-section
// and the mass of one metre (t/m: the formula rounded to kilograms, 1 % more from 530 mm).
TEST(OfferTransport, EachPositionAsTheLoadingRulesCountItsConsignment) {
    struct Case {
        VehicleKind vehicle;
        double diameter, wall, length;
        const char* capacity;
        QuantityUnit unit;
        double quantity;
        double vehicles;  // -1: none, with a problem
        const char* problem;
    };
    const auto gondola = VehicleKind::StandardGondola;
    const auto truck = VehicleKind::TruckWithoutStanchions;
    const Case cases[] = {
        // 530 x 8: 0,10403 t/m, the norm of 27 pipes (31,7 t). 100 t are 961,26 m, 85
        // whole pipes: 3 full wagons and a fourth.
        {gondola, 530, 8, 11.3, "60", QuantityUnit::Tonnes, 100, 4, ""},
        // 54 pipes, in metres or in pieces, fill two wagons exactly.
        {gondola, 530, 8, 11.3, "60", QuantityUnit::Metres, 610.2, 2, ""},
        {gondola, 530, 8, 11.3, "60", QuantityUnit::Pieces, 54, 2, ""},
        {gondola, 530, 8, 11.3, "60", QuantityUnit::Pieces, 55, 3, ""},
        // 219 has a norm (117 pipes, 59 t); 218 counts as typed: 5 760 000 / 218² = 121,2
        // pipes of 0,041 t/m at 12 m, 59,6 t. So 118 pipes need two wagons at 219 and one
        // at 218.
        {gondola, 219, 8, 12, "60", QuantityUnit::Pieces, 118, 2, ""},
        {gondola, 218, 8, 12, "60", QuantityUnit::Pieces, 118, 1, ""},
        // 159 x 6 typed: 227,8 pipes of 0,023 t/m at 12 m are 62,9 t, above 60 t: the
        // capacity allows 217; 63 t take all 227. 2 724 m are 227 pipes.
        {gondola, 159, 6, 12, "60", QuantityUnit::Metres, 2724, 2, ""},
        {gondola, 159, 6, 12, "63", QuantityUnit::Metres, 2724, 1, ""},
        {gondola, 159, 6, 12, "60", QuantityUnit::Pieces, 217, 1, ""},
        // 1420 x 12 on the truck: one pipe by its norm, 4,76 t at 11,3 m.
        {truck, 1420, 12, 11.3, "7", QuantityUnit::Pieces, 5, 5, ""},
        {truck, 1420, 12, 11.3, "4", QuantityUnit::Pieces, 5, -1, "не помещается в ТС"},
        // The platform: no norm for 1420 and no body to estimate from; no list below 530.
        {VehicleKind::Platform, 1420, 12, 11.3, "60", QuantityUnit::Pieces, 5, -1,
         "не помещается в ТС"},
        {VehicleKind::Platform, 159, 6, 11.3, "60", QuantityUnit::Pieces, 5, -1,
         "нет норм погрузки"},
        {gondola, 240, 6, 11.3, "60", QuantityUnit::Pieces, 5, -1, "нет норм погрузки"},
        {gondola, 530, 8, 11.3, "0", QuantityUnit::Pieces, 5, -1, "грузоподъёмность не задана"},
    };
    for (const Case& c : cases) {
        const OfferPosition p{"n", c.diameter, c.wall,     "20",    "ГОСТ",
                              "1", c.unit,     c.quantity, c.length};
        SCOPED_TRACE(PositionName(p) + " C " + c.capacity + " Q " + std::to_string(c.quantity));
        const VehicleNeed need = VehiclesForPosition(c.vehicle, p, c.capacity);
        EXPECT_EQ(need.problem, c.problem);
        if (c.vehicles < 0) {
            EXPECT_FALSE(need.vehicles);
        } else {
            EXPECT_EQ(need.vehicles, c.vehicles);
        }
    }
}

}  // namespace
}  // namespace tesmarik
