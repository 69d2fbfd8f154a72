// The monkey's own checks: what counts as an infinity or NaN on the screen, and which
// texts are the program's own. A check that passed everything would make the monkey blind.
#include <gtest/gtest.h>

#include <string>

#include "tests/unit/scenario/ProgramTexts.h"
#include "tests/unit/scenario/RandomInput.h"

namespace tesmarik {
namespace {

TEST(MonkeyChecks, InfinityOrNanAsAWordInAnyCase) {
    const struct {
        const char* text;
        bool shows;
    } cases[] = {
        {"inf", true},       {"-inf т.", true},
        {"NaN", true},       {"Масса: nan кг.", true},
        {"1,5INF", false},   {"info@tesmarik.example", false},
        {"Infinity", false}, {"banana", false},
        {"", false},         {"(nan)", true},
        {"x_inf", false},    {"-nan(ind)", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShowsInfOrNan(c.text), c.shows) << c.text;
    }
}

TEST(MonkeyChecks, OnlyTheProgramsOwnTexts) {
    const struct {
        Said how;
        std::string text;
        const char* name;  // empty: not one of the program's texts
    } cases[] = {
        {Said::Error, "'' is not a valid floating point value.", "not a number"},
        {Said::Error, "'1\r\n2' is not a valid floating point value.", "not a number"},
        {Said::Error, "'' is not a valid floating point value", ""},  // no full stop
        {Said::Error, "Floating point division by zero.", "division by zero"},
        {Said::Error, "Cannot create file \"/x/y.txt\". No such file or directory.",
         "cannot create file"},
        {Said::Error, "Cannot create file \"/x/y.txt\"", ""},
        {Said::Error, "I/O error 32.", "input/output error"},
        {Said::Error, "I/O error x.", ""},
        {Said::Error, "vector::_M_range_check: __n (which is 5) >= this->size() (which is 5).", ""},
        {Said::Error, "File not found.", "file not found"},
        {Said::Message, "File not found.", ""},  // an error text in a message box
        {Said::Message, "Загрузка прайса успешно завершена", "download done"},
        {Said::Dialog, "Прайс  в базе данных устарел,\rпроизвести  обновлёние прайса?",
         "price file old"},
        {Said::Dialog, "Прайс в базе данных устарел,\rпроизвести обновлёние прайса?", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KnownText(c.how, c.text), c.name) << c.text;
    }
}

TEST(MonkeyChecks, TypedTextsAndPriceFilesNeverShowInfinityOrNan) {
    Dice dice(1);
    for (int i = 0; i < 2000; ++i) {
        EXPECT_FALSE(ShowsInfOrNan(dice.TypedText()));
    }
    for (int i = 0; i < 50; ++i) {
        EXPECT_FALSE(ShowsInfOrNan(dice.PriceFileBytes()));
    }
}

}  // namespace
}  // namespace tesmarik
