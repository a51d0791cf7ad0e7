#include <gtest/gtest.h>

#include <QString>

#include "app/text_tools/find_replace.h"

using namespace quillmar;

namespace {

struct FindCase {
    const char16_t* text;
    const char16_t* find;
    qint64 from;
    qint64 hit;
};

class FindText : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindText, FirstHitFromThePosition) {
    const FindCase& c = GetParam();
    EXPECT_EQ(findText(QStringView(c.text), QStringView(c.find), c.from), c.hit)
        << QString::fromUtf16(c.text).toStdString() << " from " << c.from;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindText,
    ::testing::Values(FindCase{u"AAA", u"AA", 0, 0}, FindCase{u"AAA", u"AA", 1, 1},  // overlapping, one by one
                      FindCase{u"AAA", u"AA", 2, -1}, FindCase{u"G01 x", u"X", 0, -1},  // case matters
                      FindCase{u"Ｘ1 X2", u"X", 0, 3},                                  // so does width
                      FindCase{u"G01", u"", 0, -1},                                     // empty never matches
                      FindCase{u"G01", u"1", 3, -1}, FindCase{u"G01", u"1", 99, -1},
                      FindCase{u"G01\r\nG01", u"G01", 1, 5}));

// Only what differs from "replace every G01 by G1 from the top".
struct ReplaceCase {
    const char16_t* text;
    const char16_t* expected;
    qint64 count;
    qint64 end;
    const char16_t* find = u"G01";
    const char16_t* replacement = u"G1";
    qint64 start = 0;
};

class ReplaceAll : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAll, ReplacesEveryHitFromTheStart) {
    const ReplaceCase& c = GetParam();
    const TextToolResult r = replaceAll(QString::fromUtf16(c.text), {QString::fromUtf16(c.find),
                                                                     QString::fromUtf16(c.replacement), c.start});
    EXPECT_EQ(r.text, QString::fromUtf16(c.expected));
    EXPECT_EQ(r.count, c.count);
    EXPECT_EQ(r.end, c.end);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReplaceAll,
    ::testing::Values(
        ReplaceCase{u"G01G01", u"G1G1", 2, 4},
        // The search resumes after the replacement, which holds the find text.
        ReplaceCase{u"X X", u"XX XX", 2, 5, u"X", u"XX"},
        // From the caret, never two characters early; a selected hit at the start counts.
        ReplaceCase{u"AB AB AB", u"AB AB X", 1, 7, u"AB", u"X", 5},
        ReplaceCase{u"ABC ABC ABC", u"ABC X X", 2, 7, u"ABC", u"X", 4},
        ReplaceCase{u"AB AB AB", u"AB AB AB", 0, 7, u"AB", u"X", 7},
        ReplaceCase{u"G01 X1 G01", u" X1 ", 2, 4, u"G01", u""},  // an empty replacement deletes
        ReplaceCase{u"G01 X1", u"G01 X1", 0, 0, u"g01"},
        ReplaceCase{u"G01 X1", u"G01 X1", 0, 0, u""},
        // CR LF counts two characters, LF one.
        ReplaceCase{u"G01\r\nG01\r\nG01\r\n", u"G01\r\nG1\r\nG1\r\n", 2, 11, u"G01", u"G1", 5},
        ReplaceCase{u"G01\nG01\nG01\n", u"G01\nG1\nG1\n", 2, 9, u"G01", u"G1", 4},
        ReplaceCase{u"(荒加工)G01", u"(荒加工)G100", 1, 9, u"G01", u"G100"},
        ReplaceCase{u"G01", u"G01", 0, 3, u"G01", u"G1", 99}));

TEST(ReplaceAll, PositionsBeyondSixteenBits) {
    QString text = QString(70000, u' ') + QStringLiteral("G01");
    const TextToolResult r = replaceAll(text, {QStringLiteral("G01"), QStringLiteral("G1"), 40000});
    EXPECT_EQ(r.count, 1);
    EXPECT_EQ(r.end, 70002);
    EXPECT_TRUE(r.text.endsWith(QStringLiteral(" G1")));
}

}  // namespace
