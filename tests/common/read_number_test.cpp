#include <gtest/gtest.h>

#include <QString>

#include "common/read_number.h"
#include "common/runtime_error.h"

using namespace quillmar;

namespace {

struct Case {
    const char* text;
    double value;
};

class LeadingNumber : public ::testing::TestWithParam<Case> {};

TEST_P(LeadingNumber, Reads) {
    EXPECT_EQ(ReadNumber(QString::fromUtf8(GetParam().text)), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, LeadingNumber,
    ::testing::Values(Case{"", 0}, Case{"12.5mm", 12.5}, Case{"1 2", 12}, Case{"1D3", 1000},
                      Case{"1d-2", 0.01}, Case{"1E3", 1000}, Case{"2.5e+1", 25}, Case{"&H10", 16},
                      Case{"&hff", 255}, Case{"&O17", 15}, Case{"&o8", 0}, Case{"&", 0}, Case{"&X1", 0},
                      Case{"-.5", -0.5}, Case{"+.5", 0.5}, Case{".", 0}, Case{"-", 0}, Case{"abc", 0},
                      Case{"  \t-3.25\n", -3.25}, Case{"1.2.3", 1.2}, Case{"1E", 1}, Case{"1E+", 1},
                      Case{"1Ex", 1}, Case{"--1", 0}, Case{"+-1", 0}, Case{"0012", 12},
                      Case{"- 4", -4}, Case{"3,5", 3}, Case{"1e-400", 0}, Case{"-0", 0},
                      Case{"12,34", 12}, Case{"５", 0}, Case{"\r5", 0}, Case{"&HFFFFFFFF", 4294967295.0}));

TEST(LeadingNumber, ALongDecimalNearZeroReadsAsZero) {
    EXPECT_EQ(ReadNumber(QStringLiteral("0.") + QString(330, QLatin1Char('0')) + QStringLiteral("1")), 0.0);
    EXPECT_EQ(ReadNumber(QStringLiteral("-0.") + QString(330, QLatin1Char('0')) + QStringLiteral("1")), 0.0);
}

TEST(LeadingNumber, TooLargeIsAnOverflow) {
    for (const char* text : {"1e400", "-1D999", "9999999999e300", "&HFFFFFFFFFF", "&O77777777777"}) {
        try {
            ReadNumber(QString::fromLatin1(text));
            ADD_FAILURE() << text;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), kErrOverflow) << text;
        }
    }
}

TEST(StrictNumber, WholeTextOrTypeMismatch) {
    EXPECT_EQ(ReadStrictNumber(u" 12.5 "), 12.5);
    EXPECT_EQ(ReadStrictNumber(u"-3"), -3);
    EXPECT_EQ(ReadStrictNumber(u"1D2"), 100);
    EXPECT_EQ(ReadStrictNumber(u"&H1F"), 31);
    for (const char16_t* text : {u"", u" ", u"abc", u"12mm", u"-", u"1 2"}) {
        try {
            ReadStrictNumber(text);
            ADD_FAILURE() << QString::fromUtf16(text).toStdString();
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), kErrTypeMismatch);
        }
    }
}

TEST(CheckedArithmetic, RaisesTheReportedNumbers) {
    auto number = [](auto f) {
        try {
            f();
        } catch (const RuntimeError& e) {
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(number([] { checkedDiv(1, 0); }), kErrDivisionByZero);
    EXPECT_EQ(number([] { checkedDiv(0, 0); }), kErrOverflow);
    EXPECT_EQ(number([] { checkedDiv(1e308, 1e-10); }), kErrOverflow);
    EXPECT_EQ(number([] { checkedMul(1e200, 1e200); }), kErrOverflow);
    EXPECT_EQ(number([] { checkedSqrt(-1); }), kErrInvalidCall);
    EXPECT_EQ(number([] { checkedLong(3e9); }), kErrOverflow);
    EXPECT_EQ(number([] { checkedShort(40000); }), kErrOverflow);
    EXPECT_EQ(checkedLong(2.5), 2);
    EXPECT_EQ(checkedLong(3.5), 4);
    EXPECT_EQ(checkedDiv(1, 4), 0.25);
}

}  // namespace
