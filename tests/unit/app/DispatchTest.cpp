#include <gtest/gtest.h>

#include <new>
#include <sstream>
#include <string>

#include "app/Window.h"
#include "common/Error.h"
#include "tools/scenario/ScriptedPlatform.h"

namespace tesmarik {
namespace {

class Dispatch : public ::testing::Test {
protected:
    Dispatch() : platform(out, "1.csv", "localhost"), w(platform) {}

    std::ostringstream out;
    ScriptedPlatform platform;
    Window w;
};

// A text read from a price file may hold a NUL character; the error box shows the whole
// message, not the part before it.
TEST_F(Dispatch, TheErrorBoxShowsTheWholeTextOfAnError) {
    const std::string field("1\0 2", 4);
    w.Dispatch([&] { throw NotAFloatError(field); });
    EXPECT_EQ(out.str(), "error: '" + field + "' is not a valid floating point value.\n");
}

TEST_F(Dispatch, OtherFailuresShowTheirTextAndTheWindowGoesOn) {
    w.Dispatch([] { throw std::bad_alloc(); });
    w.Dispatch([] { throw Error("Floating point overflow."); });
    EXPECT_EQ(out.str(),
              "error: std::bad_alloc.\n"
              "error: Floating point overflow.\n");
}

}  // namespace
}  // namespace tesmarik
