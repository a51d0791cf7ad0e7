#include <gtest/gtest.h>

#include <QString>

#include "app/text_tools/find_replace.h"
#include "app/text_tools/occurrences.h"

using namespace quillmar;

namespace {

TEST(FindText, FirstHitFromThePosition) {
    struct Case {
        const char16_t* text;
        const char16_t* find;
        qint64 from, hit;
    } cases[] = {
        {u"AAA", u"AA", 0, 0}, {u"AAA", u"AA", 1, 1}, {u"AAA", u"AA", 2, -1},  // overlapping, one by one
        {u"G01 x", u"X", 0, -1}, {u"Ｘ1 X2", u"X", 0, 3},                       // case and width matter
        {u"G01", u"", 0, -1}, {u"G01", u"1", 99, -1}, {u"G01\r\nG01", u"G01", 1, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findText(QStringView(c.text), QStringView(c.find), c.from), c.hit)
            << QString::fromUtf16(c.text).toStdString() << " from " << c.from;
}

TEST(FindText, ReadsEachCharacterAFewTimesWhateverTheFindText) {
    const qint64 n = 1 << 13;
    const QString text(n, u'A');
    for (const QString& find : {QString(n / 8, u'A') + u'B', QString(n / 8, u'A')}) {
        const qint64 before = textToolCharactersRead();
        findText(text, find, 0);
        replaceAll(text, {find, QStringLiteral("C"), 0});
        EXPECT_LE(textToolCharactersRead() - before, 2 * 2 * n) << find.size();
    }
}

TEST(ReplaceAll, ReplacesEveryHitFromTheStart) {
    // Only what differs from "replace every G01 by G1 from the top".
    struct Case {
        const char16_t* text;
        const char16_t* expected;
        qint64 count, end;
        const char16_t* find = u"G01";
        const char16_t* replacement = u"G1";
        qint64 start = 0;
    } cases[] = {
        {u"G01G01", u"G1G1", 2, 4},
        // The search resumes after the replacement, which holds the find text.
        {u"X X", u"XX XX", 2, 5, u"X", u"XX"},
        // From the caret, never two characters early; a selected hit at the start counts.
        {u"ABC ABC ABC", u"ABC X X", 2, 7, u"ABC", u"X", 4},
        {u"G01 X1 G01", u" X1 ", 2, 4, u"G01", u""},  // an empty replacement deletes
        {u"G01 X1", u"G01 X1", 0, 0, u""},
        // CR LF counts two characters, LF one.
        {u"G01\r\nG01\r\nG01\r\n", u"G01\r\nG1\r\nG1\r\n", 2, 11, u"G01", u"G1", 5},
        {u"(荒加工)G01", u"(荒加工)G100", 1, 9, u"G01", u"G100"}, {u"G01", u"G01", 0, 3, u"G01", u"G1", 99},
    };
    for (const Case& c : cases) {
        const TextToolResult r = replaceAll(QString::fromUtf16(c.text), {QString::fromUtf16(c.find),
                                                                         QString::fromUtf16(c.replacement), c.start});
        EXPECT_EQ(r.text, QString::fromUtf16(c.expected));
        EXPECT_EQ(r.count, c.count) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(r.end, c.end) << QString::fromUtf16(c.text).toStdString();
    }
    const TextToolResult far = replaceAll(QString(70000, u' ') + QStringLiteral("G01"),
                                          {QStringLiteral("G01"), QStringLiteral("G1"), 40000});
    EXPECT_EQ(far.end, 70002) << "positions beyond sixteen bits";
}

}  // namespace
