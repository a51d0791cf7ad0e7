#include <gtest/gtest.h>

#include <QString>

#include "app/text_tools/occurrences.h"
#include "app/text_tools/size_shift.h"

using namespace quillmar;

namespace {

using Reason = SizeShiftRefused::Reason;

TEST(ShiftAll, RewritesTheNumberAfterEveryAddress) {
    // Only what differs from "address X, +50, from the top".
    struct Case {
        const char16_t* text;
        const char16_t* expected;
        qint64 count = 1;
        const char16_t* address = u"X";
        const char16_t* calculation = u"+50";
        qint64 start = 0;
    } cases[] = {
        {u"X100", u"X150"}, {u"X=100", u"X=150"}, {u"X 100", u"X150"}, {u"X-0.5", u"X49.5"}, {u"X1", u"X13.5", 1, u"X", u"12.5mm"}, {u"X3", u"X6", 1, u"X", u"* 2"},
        {u"X+5.", u"X10", 1, u"X", u"*2"}, {u"Z10", u"Z-0.5", 1, u"Z", u"-10.5"}, {u"X100", u"X33.3333", 1, u"X", u"/3"},
        {u"X1.3125", u"X1.3125", 1, u"X", u"+0"},
        {u"SB100 X5", u"SB150 X5", 1, u"SB"}, {u"XA X1", u"XA X51"},  // a letter after the address: passed over
        {u"X=A", u"X=A", 0}, {u"X1", u"X1", 0, u""}, {u"x1 X1", u"x1 X2", 1, u"X", u"+1"},
        // Where the number ends.
        {u"X123456789012", u"X123456789013", 1, u"X", u"+1"}, {u"X10=5", u"X11=5", 1, u"X", u"+1"},
        {u"X1.2.3", u"X2.2.3", 1, u"X", u"+1"}, {u"X-5-3", u"X-4-3", 1, u"X", u"+1"}, {u"X 1 2", u"X2 2", 1, u"X", u"+1"},
        {u"X-", u"X1", 1, u"X", u"+1"}, {u"X0.", u"X0", 1, u"X", u"+0"},
        {u"X999999999999998", u"X999999999999999", 1, u"X", u"+1"},
        {u"X-99999999999999.9999", u"X-100000000000000", 1, u"X", u"+0"},
        // Each run resumes after the word it rewrote, so it never meets its own output.
        {u"X.5", u"X.5.5", 1, u".", u"+0.5"}, {u"X0 0", u"X0100", 1, u"0", u"+100"},
        {u"G01 X1.\r\nX2. Z-3.\r\n", u"G01 X2\r\nX3 Z-3.\r\n", 2, u"X", u"+1"},
        // From the caret: the hit before it stays; a hit starting there counts.
        {u"X1\r\nX2\r\nX3", u"X1\r\nX3\r\nX4", 2, u"X", u"+1", 4}, {u"X1\r\nX2\r\nX3", u"X1\r\nX2\r\nX4", 1, u"X", u"+1", 5},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        const TextToolResult r =
            shiftAll(text, {QString::fromUtf16(c.address), parseCalculation(QString::fromUtf16(c.calculation)), c.start});
        EXPECT_EQ(r.text, QString::fromUtf16(c.expected)) << text.toStdString();
        EXPECT_EQ(r.count, c.count) << text.toStdString();
    }
    const QString tiny = QStringLiteral("X0.") + QString(400, u'0') + QStringLiteral("1 Z1");
    EXPECT_EQ(shiftAll(tiny, {QStringLiteral("X"), parseCalculation(u"+1"), 0}).text, QStringLiteral("X1 Z1"));
    const TextToolResult r = shiftAll(QStringLiteral("X1 X2 Z3"), {QStringLiteral("X"), parseCalculation(u"*10"), 0});
    EXPECT_EQ(r.end, 7) << "after the last rewrite";
    // The search goes on at the second character of the last address, with or without its number.
    for (const auto& [text, start, searchPos] :
         {std::tuple{u"X1 X2 Z3", 0, 4}, {u"X9 XA", 0, 5}, {u"X=A XB", 0, 5}, {u"G00 Z5.", 2, 2}})
        EXPECT_EQ(shiftAll(QString::fromUtf16(text), {QStringLiteral("X"), parseCalculation(u"+1"), start}).searchPos,
                  searchPos) << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(shiftAll(QStringLiteral("G00 Z5."), {QStringLiteral("X"), parseCalculation(u"+1"), 2}).end, 2);
}

TEST(ShiftAll, ReadsEachCharacterAFewTimesWhateverTheAddressAndText) {
    const qint64 n = 1 << 13;
    for (const auto& [address, text] :
         {std::pair{QStringLiteral(" "), QString(n, u' ')}, {QStringLiteral("="), QStringLiteral("= ").repeated(n / 2)},
          {QStringLiteral(" "), QStringLiteral("X") + QString(n, u' ') + QStringLiteral("A1")},
          {QString(n / 8, u'A'), QString(n, u'A')},
          {QStringLiteral("X"), QStringLiteral("X1 XA Z2 ").repeated(n / 9)}}) {
        const qint64 before = textToolCharactersRead();
        shiftAll(text, {address, parseCalculation(u"+1"), 0});
        EXPECT_LE(textToolCharactersRead() - before, 4 * n) << address.size() << " " << text.left(9).toStdString();
    }
}

TEST(ShiftAll, RefusesTheWholeRun) {
    const QString one = QStringLiteral("X1");
    for (const auto& [calculation, reason, text] :
         {std::tuple{u"*", Reason::NoNumber, one}, {u" *2", Reason::NoNumber, one}, {u"/", Reason::DivisionByZero, one},
          {u"/0.0", Reason::DivisionByZero, one}, {u"1e999", Reason::OutOfRange, one},
          // A number in the text, or a result, beyond double range.
          {u"+1", Reason::OutOfRange, QStringLiteral("X1 X") + QString(400, u'9')},
          {u"*1e300", Reason::OutOfRange, QStringLiteral("X1 X1") + QString(300, u'0')},
          // A result whose text would need 1e15 or more.
          {u"+1", Reason::OutOfRange, QStringLiteral("X1 X999999999999999")}, {u"*-1e21", Reason::OutOfRange, one},
          {u"+0", Reason::OutOfRange, QStringLiteral("X100000000000000000000000")},
          {u"+100", Reason::OutOfRange, QStringLiteral("X1") + QString(308, u'0')}}) {
        try {
            shiftAll(text, {QStringLiteral("X"), parseCalculation(QStringView(calculation)), 0});
            ADD_FAILURE() << QString::fromUtf16(calculation).toStdString();
        } catch (const SizeShiftRefused& refused) {
            EXPECT_EQ(refused.reason(), reason) << QString::fromUtf16(calculation).toStdString();
        }
    }
}

TEST(ShiftedNumberText, RoundsHalfAwayFromZeroOnTheShortestDigits) {
    const std::pair<double, const char*> rows[] = {
        {12.3456, "12.3456"}, {12.34567, "12.3457"}, {-0.0, "0"}, {0.00049, "0.0005"}, {-0.000049, "0"},
        {-9.9995, "-9.9995"}, {-9.99995, "-10"}, {2.675, "2.675"},
        {0.1 + 0.2, "0.3"}, {-999999999999999.9, "-999999999999999.9"}};
    for (const auto& [value, text] : rows)
        EXPECT_EQ(shiftedNumberText(value), QString::fromLatin1(text)) << value;
}

}  // namespace
