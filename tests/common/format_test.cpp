#include <gtest/gtest.h>

#include "common/format.h"
#include "common/runtime_error.h"

using namespace quillmar;

namespace {

// Cuts toward minus infinity and stores the cut value back; a second call gives the same text.
TEST(FormatCoord, DoubleTable) {
    const std::pair<double, const char*> rows[] = {
        {0, "0"}, {-0.5, "-0.5"}, {0.0009, "0.0009"}, {-0.0009, "-0.0009"}, {0.9999, "0.9999"},
        {-0.99999, "-1"}, {0.00009, "0"}, {-0.00001, "-0.0001"},
        {12.3456, "12.3456"}, {-12.3456, "-12.3456"}, {12.34567, "12.3456"}, {4.35, "4.35"}, {0.07, "0.07"},
        {123456.789, "123456.789"}, {0.076923, "0.0769"},
        // Binary products just short of a whole number keep their last decimal.
        {1.001, "1.001"}, {1.005, "1.005"}, {2.01, "2.01"}, {1.0015, "1.0015"}, {1.3125, "1.3125"},
        {0.0035, "0.0035"}, {1.00015, "1.0001"},
        // Large values are cut, never rounded up.
        {500000.00004, "500000"}, {9999.99999, "9999.9999"}, {123456789012.04, "123456789012.04"},
    };
    for (const auto& [in, text] : rows) {
        double v = in;
        EXPECT_EQ(FormatCoord(v).toStdString(), text) << in;
        EXPECT_DOUBLE_EQ(v, QString::fromLatin1(text).toDouble()) << in;
        EXPECT_EQ(FormatCoord(v).toStdString(), text) << in;
    }
    EXPECT_EQ(FormatCoordValue(-0.0), QStringLiteral("0"));
}

TEST(FormatCoord, SingleIsWidenedThroughTheDigitsItShows) {
    const std::tuple<float, const char*, float> rows[] = {
        {-12.34567f, "-12.3457", -12.3457f}, {359.999f, "359.999", 359.999f}, {8279.275f, "8279.275", 8279.275f},
        {8369.139f, "8369.139", 8369.139f}, {8192.011f, "8192.011", 8192.011f}, {375.0006104f, "375.0006", 375.0006f},
        {0.0035f, "0.0035", 0.0035f}, {375.00004f, "375", 375.0f},
        {123456789.0f, "123456800", 123456792.0f},
    };
    for (const auto& [in, text, stored] : rows) {
        Single v = in;
        EXPECT_EQ(FormatCoord(v).toStdString(), text) << in;
        EXPECT_EQ(v.value(), stored) << in;
    }
}

// Angles in degrees keep the thousandth.
TEST(FormatAngle, CutToThousandths) {
    const std::pair<double, const char*> rows[] = {
        {12.3456, "12.345"}, {-0.0009, "-0.001"}, {0.0009, "0"}, {359.9999, "359.999"}, {1.001, "1.001"},
    };
    for (const auto& [in, text] : rows) {
        double v = in;
        EXPECT_EQ(FormatAngle(v).toStdString(), text) << in;
        EXPECT_DOUBLE_EQ(v, QString::fromLatin1(text).toDouble()) << in;
    }
    Single s = 45.6789f;
    EXPECT_EQ(FormatAngle(s), QStringLiteral("45.678"));
    EXPECT_EQ(s.value(), 45.678f);
}

TEST(FormatTwoDigits, Table) {
    const std::tuple<double, const char*, double> rows[] = {
        {7, "07", 7}, {9.99, "09", 9}, {123, "123", 123}, {-0.5, "01", -1}, {-12, "012", -12},
        {2147483647.0, "2147483647", 2147483647.0},
    };
    for (const auto& [in, text, stored] : rows) {
        double v = in;
        EXPECT_EQ(FormatTwoDigits(v).toStdString(), text) << in;
        EXPECT_EQ(v, stored) << in;
    }
    Single s = 7.9f;
    EXPECT_EQ(FormatTwoDigits(s), QStringLiteral("07"));
    EXPECT_EQ(s.value(), 7.0f);
}

TEST(NumberText, LeadingBlankOrSign) {
    const std::pair<double, const char*> rows[] = {
        {12.345, " 12.345"}, {0.5, " .5"}, {0.0, " 0"}, {-0.5, "-.5"}, {1000.0, " 1000"}, {0.1 + 0.2, " .3"},
        {0.000123, " .000123"}, {1e15, " 1E+15"}, {-1.5e20, "-1.5E+20"},  // beyond 15 digits: mantissa and exponent
    };
    for (const auto& [in, text] : rows)
        EXPECT_EQ(numberText(in), QString::fromLatin1(text)) << in;
}

// Exponent notation from 1e15 on; whole-number words beyond 32 bits.
TEST(FormatCoord, WhatNoProgramWordCanHoldIsAnOverflow) {
    const double inf = std::numeric_limits<double>::infinity();
    // Decided on the text: these round to 1E+15 at fifteen or seven digits.
    for (double v : {inf, -inf, std::numeric_limits<double>::quiet_NaN(), 1e15, -1e15, 1e40, -999999999999999.9,
                     999999999999999.5}) {
        double copy = v;
        EXPECT_THROW(FormatCoord(copy), RuntimeError) << v;
    }
    Single single = 999999999999990.0;
    EXPECT_THROW(FormatCoord(single), RuntimeError);
    EXPECT_EQ(FormatCoordValue(-999999999999999.0), QStringLiteral("-999999999999999"));
    for (double v : {2147483648.0, -2147483649.0}) {
        try {
            FormatTwoDigits(v);
            ADD_FAILURE() << "no error for " << v;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), kErrOverflow);
        }
    }
}

}  // namespace
