#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/UserActions.h"
#include "app/Window.h"
#include "common/Numbers.h"
#include "loading/Vehicles.h"
#include "masscalc/MassFormulas.h"
#include "offer/OfferTransport.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {
namespace {

int IndexOf(const std::vector<std::string>& items, const std::string& text) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The loading tab driven as a person would drive it: vehicle, diameter (picked, or typed
// after "ввести d<219"), wall, length, capacity, the consignment by mass or by length.
class LoadingTabConsignment {
public:
    LoadingTabConsignment() : platform_(out_, "1.csv", "localhost"), w_(platform_) {
        w_.Create();
        ChangePage(w_, w_.form.PageControl1, 1);
    }

    // The vehicles the tab's "Общее количество ТС" gives, or none when it shows an error.
    std::optional<double> Vehicles(int vehicle, const std::string& diameter,
                                   const std::string& wall, const std::string& length,
                                   const std::string& capacity, int basis,
                                   const std::string& quantity) {
        TForm1& f = w_.form;
        out_.str({});
        PickRadio(w_, f.RadioGroup1, vehicle);
        const int listed = IndexOf(f.ComboBox4.Items, diameter);
        if (listed >= 0) {
            PickItem(w_, f.ComboBox4, listed);
        } else {
            PickItem(w_, f.ComboBox4, IndexOf(f.ComboBox4.Items, kTypedDiameterItem));
            ChangeText(w_, f.ComboBox4, diameter);
        }
        PickItem(w_, f.ComboBox5, IndexOf(f.ComboBox5.Items, wall));
        ChangeText(w_, f.Edit3, length);
        ChangeText(w_, f.Edit9, capacity);
        PickRadio(w_, f.RadioGroup3, basis);
        ChangeText(w_, f.Edit8, quantity);
        ClickControl(w_, f.Button2);
        if (out_.str().find("error:") != std::string::npos) {
            return std::nullopt;
        }
        const std::string prefix = "Общее количество ТС :";
        EXPECT_EQ(f.Label65.Text.rfind(prefix, 0), 0u) << f.Label65.Text;
        return ReadNumber(f.Label65.Text.substr(prefix.size()));
    }

private:
    std::ostringstream out_;
    ScriptedPlatform platform_;
    Window w_;
};

struct Quantity {
    QuantityUnit unit;
    double value;
};

// The vehicles of each position are those the loading tab shows for the same vehicle,
// size, capacity, average length and quantity, over every diameter of every vehicle's
// list and one below 219 mm, walls, lengths, capacities and quantities given in metres,
// tonnes and pipes (whole vehicles exactly among them).
TEST(OfferTransport, EachPositionAsTheLoadingTabCountsItsConsignment) {
    const Quantity quantities[] = {
        {QuantityUnit::Metres, 100}, {QuantityUnit::Metres, 610.2},
        {QuantityUnit::Metres, 904}, {QuantityUnit::Metres, 2500},
        {QuantityUnit::Tonnes, 5},   {QuantityUnit::Tonnes, 118.329984},
        {QuantityUnit::Tonnes, 700}, {QuantityUnit::Pieces, 54},
        {QuantityUnit::Pieces, 81},  {QuantityUnit::Pieces, 7},
    };
    int compared = 0;
    int uncounted = 0;
    for (int vehicle = 0; vehicle < kVehicleCount; ++vehicle) {
        const auto kind = static_cast<VehicleKind>(vehicle);
        std::vector<std::string> diameters;
        if (Vehicle(kind).platformList) {
            diameters.assign(PlatformDiameterList().begin(), PlatformDiameterList().end());
        } else {
            diameters.assign(FullDiameterList().begin() + 1, FullDiameterList().end());
            diameters.push_back("159");
        }
        for (const std::string& diameter : diameters) {
            LoadingTabConsignment tab;
            for (const char* wall : {"8", "12"}) {
                for (const char* length : {"11,3", "12"}) {
                    for (const char* capacity : {"60", "7"}) {
                        for (const Quantity& q : quantities) {
                            const OfferPosition p{"n",    diameter, wall,
                                                  "20",   "ГОСТ",   "1",
                                                  q.unit, q.value,  ReadNumber(length)};
                            const VehicleNeed need = VehiclesForPosition(kind, p, capacity);
                            // The tab takes a consignment by mass or by length; pipes are
                            // their length at the average length, as the cost window has it.
                            const double tabQuantity =
                                q.unit == QuantityUnit::Pieces
                                    ? RoundHalfUp(q.value * ReadNumber(length), 3)
                                    : q.value;
                            const auto shown = tab.Vehicles(
                                vehicle, diameter, wall, length, capacity,
                                q.unit == QuantityUnit::Tonnes ? 0 : 1, ShowNumber(tabQuantity));
                            const std::string what = std::to_string(vehicle) + " " + diameter +
                                                     "x" + wall + " L " + length + " C " +
                                                     capacity + " Q " + ShowNumber(q.value);
                            ASSERT_EQ(need.vehicles.has_value(), shown.has_value()) << what;
                            if (shown) {
                                EXPECT_EQ(*need.vehicles, *shown) << what;
                                ++compared;
                            } else {
                                EXPECT_FALSE(need.problem.empty()) << what;
                                ++uncounted;
                            }
                        }
                    }
                }
            }
        }
    }
    // The sweep reached both the counted sizes and those no vehicle can take.
    EXPECT_GT(compared, 1000);
    EXPECT_GT(uncounted, 0);
}

}  // namespace
}  // namespace tesmarik
