#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <optional>

#include "app/text_tools/size_shift.h"

using namespace quillmar;

namespace {

using Reason = SizeShiftRefused::Reason;

// Only what differs from "address X, +50, from the top".
struct ShiftCase {
    const char16_t* text;
    const char16_t* expected;
    qint64 count = 1;
    const char16_t* address = u"X";
    const char16_t* calculation = u"+50";
    qint64 start = 0;
};

class ShiftAll : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(ShiftAll, RewritesTheNumberAfterEveryAddress) {
    const ShiftCase& c = GetParam();
    const TextToolResult r =
        shiftAll(QString::fromUtf16(c.text), {QString::fromUtf16(c.address),
                                              parseCalculation(QString::fromUtf16(c.calculation)), c.start});
    EXPECT_EQ(r.text, QString::fromUtf16(c.expected)) << QString::fromUtf16(c.text).toStdString();
    EXPECT_EQ(r.count, c.count) << QString::fromUtf16(c.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Worked, ShiftAll,
    ::testing::Values(ShiftCase{u"X100", u"X150"}, ShiftCase{u"X=100", u"X=150"}, ShiftCase{u"X 100", u"X150"},
                      ShiftCase{u"X-0.5", u"X49.5"}, ShiftCase{u"X.5", u"X50.5"},
                      ShiftCase{u"X+5.", u"X10", 1, u"X", u"*2"}, ShiftCase{u"X0.25", u"X0.5", 1, u"X", u"*2"},
                      ShiftCase{u"Z10", u"Z-0.5", 1, u"Z", u"-10.5"},
                      ShiftCase{u"X100", u"X33.333", 1, u"X", u"/3"},
                      ShiftCase{u"SB100 X5", u"SB150 X5", 1, u"SB"},
                      ShiftCase{u"XA X1", u"XA X51"},  // a letter after the address: passed over
                      ShiftCase{u"X=A", u"X=A", 0}, ShiftCase{u"X1", u"X1", 0, u""}));

INSTANTIATE_TEST_SUITE_P(
    NumberToItsEnd, ShiftAll,
    ::testing::Values(ShiftCase{u"X123456789012", u"X123456789013", 1, u"X", u"+1"},
                      ShiftCase{u"X10=5", u"X11=5", 1, u"X", u"+1"},    // "=" only before the first digit
                      ShiftCase{u"X1.2.3", u"X2.2.3", 1, u"X", u"+1"},  // a second point ends it
                      ShiftCase{u"X-5-3", u"X-4-3", 1, u"X", u"+1"},    // a sign only first
                      ShiftCase{u"X 1 2", u"X2 2", 1, u"X", u"+1"},     // a blank after a digit ends it
                      ShiftCase{u"X-", u"X1", 1, u"X", u"+1"},          // no digit reads 0
                      ShiftCase{u"X.", u"X1", 1, u"X", u"+1"},
                      ShiftCase{u"X-123.4567", u"X-123.457", 1, u"X", u"+0"},
                      ShiftCase{u"X0.", u"X0", 1, u"X", u"+0"}));

INSTANTIATE_TEST_SUITE_P(
    Rounding, ShiftAll,
    ::testing::Values(ShiftCase{u"X1.0005", u"X1.001", 1, u"X", u"+0"},
                      ShiftCase{u"X-1.0005", u"X-1.001", 1, u"X", u"+0"},
                      ShiftCase{u"X-0.0004", u"X0", 1, u"X", u"+0"},  // never "-0"
                      ShiftCase{u"X0.1", u"X0.3", 1, u"X", u"+0.2"},
                      ShiftCase{u"X9.9995", u"X10", 1, u"X", u"+0"},
                      ShiftCase{u"X0.5", u"X-0.5", 1, u"X", u"-1"},
                      ShiftCase{u"X1", u"X1000000000000000000000", 1, u"X", u"*1e21"}));

INSTANTIATE_TEST_SUITE_P(
    Runs, ShiftAll,
    ::testing::Values(
        // Each run resumes after the word it rewrote, so it never meets its own output.
        ShiftCase{u"X.5", u"X.5.5", 1, u".", u"+0.5"}, ShiftCase{u"X0 0", u"X0100", 1, u"0", u"+100"},
        ShiftCase{u"G01 X1.\r\nX2. Z-3.\r\n", u"G01 X2\r\nX3 Z-3.\r\n", 2, u"X", u"+1"},
        ShiftCase{u"G01 X1.\nX2. Z-3.\n", u"G01 X2\nX3 Z-3.\n", 2, u"X", u"+1"},
        // From the caret: the hit before it stays; a hit starting there counts.
        ShiftCase{u"X1\r\nX2\r\nX3", u"X1\r\nX3\r\nX4", 2, u"X", u"+1", 4},
        ShiftCase{u"X1\r\nX2\r\nX3", u"X1\r\nX2\r\nX4", 1, u"X", u"+1", 5},
        ShiftCase{u"x1 X1", u"x1 X2", 1, u"X", u"+1"}));

TEST(ShiftAll, NothingToChangeGivesTheTextBack) {
    const QString text = QStringLiteral("G00 Z5.");
    const TextToolResult r = shiftAll(text, {QStringLiteral("X"), parseCalculation(u"+1"), 2});
    EXPECT_EQ(r.text, text);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(r.end, 2);
}

TEST(ShiftAll, ANumberTooSmallForADoubleIsZero) {
    const QString text = QStringLiteral("X0.") + QString(400, u'0') + QStringLiteral("1 Z1");
    const TextToolResult r = shiftAll(text, {QStringLiteral("X"), parseCalculation(u"+1"), 0});
    EXPECT_EQ(r.text, QStringLiteral("X1 Z1"));
}

TEST(ShiftAll, EndIsAfterTheLastRewrite) {
    const TextToolResult r = shiftAll(QStringLiteral("X1 X2 Z3"), {QStringLiteral("X"), parseCalculation(u"*10"), 0});
    EXPECT_EQ(r.text, QStringLiteral("X10 X20 Z3"));
    EXPECT_EQ(r.end, 7);
}

struct CalculationCase {
    const char16_t* text;
    Calculation::Op op;
    double operand;
};

class ParseCalculation : public ::testing::TestWithParam<CalculationCase> {};

TEST_P(ParseCalculation, ReadsTheOperationAndItsNumber) {
    const Calculation c = parseCalculation(QStringView(GetParam().text));
    EXPECT_EQ(c.op, GetParam().op);
    EXPECT_EQ(c.operand, GetParam().operand);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseCalculation,
    ::testing::Values(CalculationCase{u"100", Calculation::Op::Add, 100}, CalculationCase{u"-10", Calculation::Op::Add, -10},
                      CalculationCase{u"+5", Calculation::Op::Add, 5}, CalculationCase{u"*0.8", Calculation::Op::Multiply, 0.8},
                      CalculationCase{u"/2", Calculation::Op::Divide, 2}, CalculationCase{u"12.5mm", Calculation::Op::Add, 12.5},
                      CalculationCase{u"* 2", Calculation::Op::Multiply, 2}));

struct RefusalCase {
    const char16_t* calculation;
    Reason reason;
    QString text = QStringLiteral("X1");
};

class Refusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, RefusesTheWholeRun) {
    const RefusalCase& c = GetParam();
    try {
        shiftAll(c.text, {QStringLiteral("X"), parseCalculation(QStringView(c.calculation)), 0});
        ADD_FAILURE() << QString::fromUtf16(c.calculation).toStdString();
    } catch (const SizeShiftRefused& refused) {
        EXPECT_EQ(refused.reason(), c.reason) << QString::fromUtf16(c.calculation).toStdString();
        EXPECT_FALSE(refused.message().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Refusal,
    ::testing::Values(RefusalCase{u"*", Reason::NoNumber}, RefusalCase{u"abc", Reason::NoNumber},
                      RefusalCase{u" *2", Reason::NoNumber}, RefusalCase{u"+", Reason::NoNumber},
                      RefusalCase{u"/", Reason::DivisionByZero}, RefusalCase{u"/0", Reason::DivisionByZero},
                      RefusalCase{u"/0.0", Reason::DivisionByZero}, RefusalCase{u"1e999", Reason::OutOfRange},
                      // A number in the text, or a result, beyond double range.
                      RefusalCase{u"+1", Reason::OutOfRange, QStringLiteral("X1 X") + QString(400, u'9')},
                      RefusalCase{u"*1e300", Reason::OutOfRange, QStringLiteral("X1 X1") + QString(300, u'0')}));

TEST(ShiftedNumberText, RoundsHalfAwayFromZeroOnTheShortestDigits) {
    const std::pair<double, const char*> rows[] = {
        {150, "150"},       {12.3456, "12.346"}, {0.5, "0.5"},     {-0.5, "-0.5"},  {-0.0, "0"},
        {0.0005, "0.001"},  {0.00049, "0"},      {-9.9995, "-10"}, {1e-300, "0"},   {2.675, "2.675"},
        {1.0005, "1.001"},  {0.1 + 0.2, "0.3"},  {123456789012.0, "123456789012"},
    };
    for (const auto& [value, text] : rows)
        EXPECT_EQ(shiftedNumberText(value), QString::fromLatin1(text)) << value;
}

TEST(ScanNumber, StopsWhereTheNumberEnds) {
    const ScannedNumber s = scanNumber(u"X = -12.5.3", 1);
    EXPECT_EQ(s.number, QStringLiteral("-12.5"));
    EXPECT_TRUE(s.equals);
    EXPECT_EQ(s.end, 9);
    EXPECT_TRUE(scanNumber(u"XA", 1).number.isEmpty());
    EXPECT_EQ(scanNumber(u"X", 1).end, 1);
}

}  // namespace
