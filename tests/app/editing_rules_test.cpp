#include <gtest/gtest.h>

#include "app/editing_rules.h"
#include "app/undo_ring.h"

using namespace quillmar;

namespace {

TEST(AutoNumber, InsertsByPlaceAndKey) {
    struct Case {
        const char16_t* text;
        qint64 caret;
        char16_t key;
        const char* insert;
    } cases[] = {
        {u"", 0, u'G', "N000 "}, {u"", 0, u'X', "N000     "}, {u"", 0, u'g', "N000     "},  // lower case: the last case
        {u"", 0, u'(', ""}, {u"", 0, u'N', ""}, {u"", 0, u'O', ""}, {u"", 0, 13, ""}, {u"", 0, 8, ""}, {u"G01\r\n", 5, u'P', "N000 "},
        {u"G01\n", 4, u'G', "N000 "}, {u"\r", 1, u'G', " "},  // position 1 is never a line start
        {u"G01", 3, u'X', " "}, {u"X=", 2, u'A', ""}, {u"G01 ", 4, u'X', ""}, {u"X1.", 3, u'Z', " "},
        {u"X-", 2, u'a', " "}, {u"G0", 2, u'1', ""}, {u"GX", 2, u'Y', ""}, {u"G01", 3, 13, ""}, {u"G01", 99, u'X', ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(autoNumberInsert(QString::fromUtf16(c.text), c.caret, c.key).toStdString(), c.insert)
            << QString::fromUtf16(c.text).toStdString() << " @" << c.caret << " key " << int(c.key);
}

TEST(ChangeColor, PaintsEverythingButDigits) {
    using Runs = QList<std::pair<qint64, qint64>>;
    EXPECT_EQ(nonDigitRuns(u"O1234 G00"), (Runs{{0, 1}, {5, 2}}));
    EXPECT_EQ(nonDigitRuns(u"1234"), Runs{});
    EXPECT_EQ(nonDigitRuns(u"X-1.5\r\n"), (Runs{{0, 2}, {3, 1}, {5, 2}}));
}

struct Ring : ::testing::Test {
    UndoRing ring;
    void SetUp() override {
        for (int s = 0; s < UndoRing::kSlots; ++s)
            ring.ResetUndoHistory(s);
    }
};

TEST_F(Ring, NewDocumentTypedAThenUndoEmpties) {
    ring.record(0, "A", 1);
    EXPECT_TRUE(ring.canUndo(0));
    auto undone = ring.undo(0);
    ASSERT_TRUE(undone);
    EXPECT_EQ(undone->text, QString());
    EXPECT_TRUE(ring.canRedo(0));
    auto redone = ring.redo(0);
    ASSERT_TRUE(redone);
    EXPECT_EQ(redone->text, QStringLiteral("A"));
    EXPECT_EQ(redone->caret, 1);
    EXPECT_FALSE(ring.canRedo(0));
}

TEST_F(Ring, TenStepsAtMost) {
    for (int i = 1; i <= 11; ++i)
        ring.record(2, QString(i, QLatin1Char('x')), i);
    for (int i = 1; i <= 10; ++i) {
        auto s = ring.undo(2);
        ASSERT_TRUE(s) << i;
        EXPECT_EQ(s->text.size(), 11 - i);
    }
    EXPECT_FALSE(ring.canUndo(2));
    EXPECT_FALSE(ring.undo(2));
    EXPECT_EQ(ring.depth(2), 10);
}

TEST_F(Ring, OpenTypeUndoTwice) {
    ring.record(1, "FILE", 0);    // the load
    ring.record(1, "FILEx", 5);   // a typed character
    EXPECT_EQ(ring.undo(1)->text, QStringLiteral("FILE"));
    EXPECT_EQ(ring.undo(1)->text, QString());
    EXPECT_EQ(ring.redo(1)->text, QStringLiteral("FILE"));
    EXPECT_EQ(ring.redo(1)->text, QStringLiteral("FILEx"));
}

TEST_F(Ring, SuspendedChangesAreNotRecordedAndSlotsAreApart) {
    ring.record(0, "a", 1);
    ring.setSuspended(0, true);
    ring.record(0, "b", 1);
    ring.setSuspended(0, false);
    ring.record(3, "other", 5);
    EXPECT_EQ(ring.level(0, 0).text, QStringLiteral("a"));
    EXPECT_EQ(ring.level(0, 1).text, QString());
    ring.seed(0, "seed");  // level 0 already holds text
    EXPECT_EQ(ring.level(0, 0).text, QStringLiteral("a"));
    ring.seed(4, "first");
    EXPECT_EQ(ring.level(4, 0).text, QStringLiteral("first"));
}

TEST_F(Ring, NewTypingAfterUndoKeepsTheUndoneStates) {
    ring.record(0, "1", 1);
    ring.record(0, "12", 2);
    ring.undo(0);              // back to "1"
    ring.record(0, "1x", 2);   // new typing
    EXPECT_EQ(ring.undo(0)->text, QStringLiteral("12"));
    EXPECT_EQ(ring.undo(0)->text, QStringLiteral("1"));
}

}  // namespace
