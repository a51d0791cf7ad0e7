#include <gtest/gtest.h>

#include "app/editing_rules.h"

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

}  // namespace
