#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "common/Error.h"
#include "tabs/loading/LoadingTab.h"

namespace tesmarik {
namespace {

LoadingState StateFor(VehicleKind kind, int basis, bool typed) {
    LoadingState s;
    s.vehicle = kind;
    s.reportName = Vehicle(kind).reportName;
    s.quantityBasis = basis;
    s.typedDiameter = typed;
    return s;
}

LoadingInputs Inputs(std::string d, std::string s, std::string q = "", std::string l = "11,3",
                     std::string c = "60") {
    return {std::move(d), std::move(s), std::move(l), std::move(c), std::move(q)};
}

// The tab reads each field just before the step of the loading rules that needs it.
TEST(LoadingFiguresOfFields, FailuresNameTheirCauseInTheOrderTheStepsReachThem) {
    struct Case {
        VehicleKind vehicle;
        LoadingInputs in;
        int basis;
        bool typed;
        const char* message;
    };
    const auto gondola = VehicleKind::StandardGondola;
    const Case cases[] = {
        {gondola, Inputs("", "10"), kBasisNone, false, "'' is not a valid floating point value"},
        // The diameter is read first.
        {gondola, Inputs("", "x", "", "y"), kBasisNone, false,
         "'' is not a valid floating point value"},
        {gondola, Inputs("530", "1.5"), kBasisNone, false,
         "'1.5' is not a valid floating point value"},
        {gondola, Inputs("530", "10", "", "11,3 м"), kBasisNone, false,
         "'11,3 м' is not a valid floating point value"},
        {gondola, Inputs("530", "10", "", "11,3", ""), kBasisNone, false,
         "'' is not a valid floating point value"},
        // A typed diameter of 0 fails at the count by volume, before the length is read.
        {gondola, Inputs("0", "10", "", "abc"), kBasisNone, true,
         "Floating point division by zero"},
        {VehicleKind::Platform, Inputs("0", "10"), kBasisNone, true,
         "Invalid floating point operation"},
        // A quantity is read only with a basis.
        {gondola, Inputs("530", "10", "abc"), kBasisMass, false,
         "'abc' is not a valid floating point value"},
        {gondola, Inputs("530", "10", "1 000"), kBasisLength, false,
         "'1 000' is not a valid floating point value"},
        // No pipe per vehicle with a basis: the platform with 1420, a tiny capacity.
        {VehicleKind::Platform, Inputs("1420", "10", "100"), kBasisLength, false,
         "Floating point division by zero"},
        {VehicleKind::Platform, Inputs("1420", "10", "0"), kBasisLength, false,
         "Invalid floating point operation"},
        {gondola, Inputs("530", "10", "100", "11,3", "0,1"), kBasisMass, false,
         "Floating point division by zero"},
        // No mass per metre with a basis.
        {gondola, Inputs("530", "0", "100"), kBasisMass, false, "Floating point division by zero"},
        {gondola, Inputs("530", "530", "100"), kBasisLength, false,
         "Invalid floating point operation"},
        // No length with a basis.
        {gondola, Inputs("530", "10", "100", "0"), kBasisLength, false,
         "Floating point division by zero"},
        // A capacity below a load that has no mass: 0 allowed pipes of 0 t each.
        {gondola, Inputs("530", "10", "", "0", "-1"), kBasisNone, false,
         "Floating point division by zero"},
        // Beyond a double, and beyond what the arithmetic can hold.
        {gondola, Inputs("530", "10", "1E400"), kBasisMass, false,
         "'1E400' is not a valid floating point value"},
        {gondola, Inputs("530", "10", "1E308"), kBasisMass, false, "Floating point overflow"},
        {gondola, Inputs("1E-160", "0"), kBasisNone, true, "Floating point overflow"},
        // A diameter whose square is too small to hold is 0.
        {gondola, Inputs("1E-170", "0"), kBasisNone, true, "Floating point division by zero"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.message) + " for " + c.in.diameter + "x" + c.in.wall);
        try {
            LoadingFiguresOfFields(c.in, StateFor(c.vehicle, c.basis, c.typed));
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

}  // namespace
}  // namespace tesmarik
