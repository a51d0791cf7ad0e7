#include <gtest/gtest.h>

#include "common/format.h"
#include "common/runtime_error.h"

using namespace quillmar;

namespace {

struct CoordCase {
    double in;
    const char* text;
    double stored;
};

class FormatCoordDouble : public ::testing::TestWithParam<CoordCase> {};

TEST_P(FormatCoordDouble, CutsTowardMinusInfinityAndStoresBack) {
    const CoordCase& c = GetParam();
    double v = c.in;
    EXPECT_EQ(FormatCoord(v).toStdString(), c.text) << "of " << c.in;
    EXPECT_DOUBLE_EQ(v, c.stored);
    // A value already cut gives the same text again.
    EXPECT_EQ(FormatCoord(v).toStdString(), c.text);
    EXPECT_DOUBLE_EQ(v, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatCoordDouble,
    ::testing::Values(CoordCase{0, "0", 0}, CoordCase{0.5, "0.5", 0.5}, CoordCase{-0.5, "-0.5", -0.5},
                      CoordCase{1, "1", 1}, CoordCase{-1, "-1", -1}, CoordCase{0.0009, "0", 0},
                      CoordCase{-0.0009, "-0.001", -0.001}, CoordCase{0.9999, "0.999", 0.999},
                      CoordCase{-0.9999, "-1", -1}, CoordCase{1.0005, "1", 1},
                      CoordCase{12.3456, "12.345", 12.345}, CoordCase{-12.3456, "-12.346", -12.346},
                      // Binary products just short of a whole number keep their thousandth.
                      CoordCase{1.001, "1.001", 1.001}, CoordCase{1.005, "1.005", 1.005},
                      CoordCase{2.01, "2.01", 2.01}, CoordCase{1.0015, "1.001", 1.001},
                      CoordCase{100, "100", 100}, CoordCase{-100.25, "-100.25", -100.25},
                      CoordCase{0.001, "0.001", 0.001}, CoordCase{-0.001, "-0.001", -0.001},
                      CoordCase{123456.789, "123456.789", 123456.789},
                      CoordCase{4.35, "4.35", 4.35}, CoordCase{0.07, "0.07", 0.07},
                      // Large values are cut, never rounded up.
                      CoordCase{500000.0004, "500000", 500000}, CoordCase{9999.99999, "9999.999", 9999.999},
                      CoordCase{123456789012.04, "123456789012.04", 123456789012.04}));

TEST(FormatCoordValue, LeavesNothingBehind) {
    EXPECT_EQ(FormatCoordValue(2 - 2 * (Single(0.1f) + 0.02)), QStringLiteral("1.76"));
    EXPECT_EQ(FormatCoordValue(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(FormatCoordValue(-0.0), QStringLiteral("0"));
}

TEST(FormatCoordSingle, CutsInSinglePrecision) {
    struct Case {
        float in;
        const char* text;
        float stored;
    } cases[] = {
        {1.001f, "1.001", 1.001f}, {0.1f, "0.1", 0.1f}, {-0.5f, "-0.5", -0.5f},
        {12.3456f, "12.345", 12.345f}, {-12.3456f, "-12.346", -12.346f}, {0.0f, "0", 0.0f},
        {359.999f, "359.999", 359.999f}, {45.5f, "45.5", 45.5f},
        // Widened through the digits they show, the typed thousandth stays.
        {8279.275f, "8279.275", 8279.275f}, {8369.139f, "8369.139", 8369.139f}, {8192.011f, "8192.011", 8192.011f},
        {375.0006104f, "375", 375.0f}, {123456789.0f, "123456800", 123456792.0f},
    };
    for (const Case& c : cases) {
        Single v = c.in;
        EXPECT_EQ(FormatCoord(v).toStdString(), c.text) << c.in;
        EXPECT_EQ(v.value(), c.stored) << c.in;
        EXPECT_EQ(FormatCoord(v).toStdString(), c.text) << c.in;
    }
}

TEST(Single, WidensAsTheDecimalItShows) {
    EXPECT_EQ(Single(0.1f).toDouble(), 0.1);
    EXPECT_EQ(Single(1.001f).toDouble(), 1.001);
    EXPECT_EQ(static_cast<double>(Single(-359.5f)), -359.5);
    // Never the exact binary expansion of a large whole single.
    EXPECT_EQ(Single(123456789012.0f).toDouble(), 123456790000.0);
}

TEST(FormatTwoDigits, Table) {
    struct Case {
        double in;
        const char* text;
        double stored;
    } cases[] = {
        {0, "00", 0}, {7, "07", 7}, {9.99, "09", 9}, {10, "10", 10}, {123, "123", 123},
        {-0.5, "01", -1}, {-5, "05", -5}, {-12, "012", -12},
    };
    for (const Case& c : cases) {
        double v = c.in;
        EXPECT_EQ(FormatTwoDigits(v).toStdString(), c.text) << c.in;
        EXPECT_EQ(v, c.stored) << c.in;
    }
    Single s = 7.9f;
    EXPECT_EQ(FormatTwoDigits(s), QStringLiteral("07"));
    EXPECT_EQ(s.value(), 7.0f);
}

TEST(NumberText, LeadingBlankOrSign) {
    EXPECT_EQ(numberText(12.345), QStringLiteral(" 12.345"));
    EXPECT_EQ(numberText(0.5), QStringLiteral(" .5"));
    EXPECT_EQ(numberText(7.0), QStringLiteral(" 7"));
    EXPECT_EQ(numberText(0.0), QStringLiteral(" 0"));
    EXPECT_EQ(numberText(-0.5), QStringLiteral("-.5"));
    EXPECT_EQ(numberText(-12.346), QStringLiteral("-12.346"));
    EXPECT_EQ(numberText(1000.0), QStringLiteral(" 1000"));
    EXPECT_EQ(numberText(0.1 + 0.2), QStringLiteral(" .3"));  // 15 significant digits
    EXPECT_EQ(numberText(Single(0.1f)), QStringLiteral(" .1"));
    EXPECT_EQ(numberText(Single(1234567.0f)), QStringLiteral(" 1234567"));
    // Beyond the digits the precision holds, mantissa and exponent.
    EXPECT_EQ(numberText(1e15), QStringLiteral(" 1E+15"));
    EXPECT_EQ(numberText(-1.5e20), QStringLiteral("-1.5E+20"));
    EXPECT_EQ(numberText(Single(1e8f)), QStringLiteral(" 100000000"));
    EXPECT_EQ(numberText(Single(123456789.0f)), QStringLiteral(" 123456800"));
    EXPECT_EQ(numberText(0.000123), QStringLiteral(" .000123"));
}

TEST(FormatCoord, WhatNoProgramWordCanHoldIsAnOverflow) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Exponent notation from 1e15 on; whole-number words beyond 32 bits.
    for (double v : {inf, -inf, nan, 1e308, 1e15, -1e15, 1e40}) {
        double copy = v;
        EXPECT_THROW(FormatCoord(copy), RuntimeError) << v;
    }
    for (double v : {2147483648.0, -2147483649.0, 1e40}) {
        double copy = v;
        try {
            FormatTwoDigits(copy);
            ADD_FAILURE() << "no error for " << v;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), kErrOverflow);
        }
    }
    double largest = 2147483647.0;
    EXPECT_EQ(FormatTwoDigits(largest), QStringLiteral("2147483647"));
}

TEST(Pi, IsTheProgramsOwnValue) { EXPECT_EQ(gPi, 3.14159265398); }

}  // namespace
