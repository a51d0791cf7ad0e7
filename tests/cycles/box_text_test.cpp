#include <gtest/gtest.h>

#include "common/read_number.h"
#include "cycles/process_dialog_layout.h"

using namespace quillmar;

namespace {

TEST(BoxText, PlainNumberTextAsABoxShowsIt) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {-0.5, "-0.5"}, {1.2345678901234567, "1.23456789012346"}, {0.88, "0.88"}, {1e20, "1E+20"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(boxText(c.value).toStdString(), c.text);
        EXPECT_EQ(ReadNumber(boxText(c.value)), ReadNumber(QString::fromLatin1(c.text)));
    }
}

TEST(BoxText, SinglePrecisionWithSevenDigitsAtMost) {
    EXPECT_EQ(boxText(Single(1.114f)), QStringLiteral("1.114"));
    EXPECT_EQ(boxText(Single(1.0f / 3.0f)), QStringLiteral("0.3333333"));
}

}  // namespace
