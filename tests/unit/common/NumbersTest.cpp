#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "common/CheckedMath.h"
#include "common/Error.h"
#include "common/Numbers.h"

namespace tesmarik {
namespace {

std::string ReadError(const std::string& text) {
    try {
        ReadNumber(text);
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(ReadNumber, AcceptsTheRussianForms) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"0", 0},          {"11,3", 11.3}, {"  60", 60},  {"8 ", 8},  {"-0", 0},
        {"+5", 5},         {"-2,5", -2.5}, {",5", 0.5},   {"5,", 5},  {"1e3", 1000},
        {"1,5E-2", 0.015}, {"2E+2", 200},  {"1e-999", 0}, {"007", 7}, {"1e308", 1e308},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadNumber(c.text), c.value) << c.text;
    }
}

TEST(ReadNumber, RejectsEverythingElseQuotingTheText) {
    const char* bad[] = {"",     " ",   "1.5", "1 000", "1e999", "abc", "12а", "1,2,3",
                         "--1",  "e5",  "1e",  "1e+",   ",",     "+",   "1\t", "\t1",
                         "0x10", "inf", "nan", "1,5 т", "длина", "1e-"};
    for (const char* text : bad) {
        EXPECT_EQ(ReadError(text),
                  "'" + std::string(text) + "' is not a valid floating point value");
    }
    EXPECT_EQ(ReadError(std::string(400, '9')),
              "'" + std::string(400, '9') + "' is not a valid floating point value");
    EXPECT_EQ(ReadNumber(std::string(300, '9')), 1e300);
    // A mantissa too long for a double by itself, brought into range by its exponent.
    EXPECT_EQ(ReadNumber(std::string("1") + std::string(400, '0') + "E-391"), 1e9);
    EXPECT_EQ(ReadNumber(std::string("0,") + std::string(400, '0') + "5E400"), 0.5);
    EXPECT_EQ(ReadNumber(std::string("1") + std::string(400, '0') + "E-800"), 0);
}

TEST(ReadNumber, IgnoresTheProcessLocale) {
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(ReadNumber("104,01"), 104.01);
    EXPECT_EQ(ReadError("104.01"), "'104.01' is not a valid floating point value");
}

TEST(ShowNumber, GeneralFormatWithDecimalComma) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},           {-0.0, "0"},
        {104.01, "104,01"}, {480.723, "480,723"},
        {0.0005, "0,0005"}, {0.0001, "0,0001"},
        {0.00001, "1E-5"},  {1.5e20, "1,5E20"},
        {1e15, "1E15"},     {999999999999999, "999999999999999"},
        {-3.5, "-3,5"},     {0.1 + 0.2, "0,3"},
        {1000, "1000"},     {82.5, "82,5"},
        {2.9, "2,9"},       {1234567.125, "1234567,125"},
        {-1e-7, "-1E-7"},   {1.7976931348623157e308, "1,79769313486232E308"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShowNumber(c.value), c.text) << c.value;
    }
}

TEST(ShowNumber, RoundTripsThroughReading) {
    for (const double v : {104.01, 0.015, 1e-5, 3.458, 33.25, 12.34567, 1e300}) {
        EXPECT_EQ(ReadNumber(ShowNumber(v)), v);
    }
}

TEST(CheckedMath, RaisesTheFloatingPointErrors) {
    EXPECT_THROW(
        {
            try {
                Divide(5, 0);
            } catch (const Error& e) {
                EXPECT_STREQ(e.what(), "Floating point division by zero");
                throw;
            }
        },
        Error);
    try {
        Divide(0, 0);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
    try {
        Multiply(1e300, 1e300);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
    try {
        ShowNumber(INFINITY);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
    EXPECT_EQ(Divide(1, 4), 0.25);
    EXPECT_EQ(WithFullStop("File not found"), "File not found.");
    EXPECT_EQ(WithFullStop("Done."), "Done.");
}

}  // namespace
}  // namespace tesmarik
