#include <gtest/gtest.h>

#include <QString>
#include <functional>

#include "common/read_number.h"
#include "common/runtime_error.h"

using namespace quillmar;

namespace {

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(LeadingNumber, Reads) {
    const QString nearZero = QStringLiteral("0.") + QString(330, QLatin1Char('0')) + QStringLiteral("1");
    const std::pair<QString, double> rows[] = {
        {"", 0}, {"12.5mm", 12.5}, {"1 2", 12}, {"- 4", -4}, {"1d-2", 0.01}, {"2.5e+1", 25}, {"&hff", 255},
        {"&HFFFFFFFF", 4294967295.0}, {"&O17", 15}, {"&o8", 0}, {"&X1", 0}, {"-.5", -0.5}, {".", 0}, {"abc", 0},
        {"  \t-3.25\n", -3.25}, {"1.2.3", 1.2}, {"1E+", 1}, {"+-1", 0}, {"3,5", 3}, {"1e-400", 0}, {"５", 0},
        {"\r5", 0}, {nearZero, 0}, {"-" + nearZero, 0},  // a long decimal near zero reads as zero
    };
    for (const auto& [text, value] : rows)
        EXPECT_EQ(ReadNumber(text), value) << text.toStdString();
    for (const char* text : {"1e400", "-1D999", "9999999999e300", "&HFFFFFFFFFF", "&O77777777777"})
        EXPECT_EQ(errorOf([text] { ReadNumber(QString::fromLatin1(text)); }), kErrOverflow) << text;
}

TEST(StrictNumber, WholeTextOrTypeMismatch) {
    EXPECT_EQ(ReadStrictNumber(u"1D2"), 100);
    EXPECT_EQ(ReadStrictNumber(u"&H1F"), 31);
    for (const char16_t* text : {u"", u" ", u"12mm", u"-", u"1 2"})
        EXPECT_EQ(errorOf([text] { ReadStrictNumber(text); }), kErrTypeMismatch) << QString::fromUtf16(text).toStdString();
}

TEST(CheckedArithmetic, RaisesTheReportedNumbers) {
    EXPECT_EQ(errorOf([] { checkedDiv(1, 0); }), kErrDivisionByZero);
    EXPECT_EQ(errorOf([] { checkedDiv(0, 0); }), kErrOverflow);
    EXPECT_EQ(errorOf([] { checkedDiv(1e308, 1e-10); }), kErrOverflow);
    EXPECT_EQ(errorOf([] { checkedMul(1e200, 1e200); }), kErrOverflow);
    EXPECT_EQ(errorOf([] { checkedSqrt(-1); }), kErrInvalidCall);
    EXPECT_EQ(errorOf([] { checkedLong(3e9); }), kErrOverflow);
    EXPECT_EQ(errorOf([] { checkedShort(40000); }), kErrOverflow);
}

}  // namespace
