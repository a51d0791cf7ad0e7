#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/settings_store.h"

using namespace quillmar;

namespace {

struct Store : ::testing::Test {
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("q.ini")); }
};

TEST_F(Store, ReadsDefaultsAndKeepsText) {
    SettingsStore s(path());
    EXPECT_EQ(s.read("Settings", "OpenPathName", "x"), QStringLiteral("x"));
    s.write("Settings", "ScreenFontName", QStringLiteral("ＭＳ ゴシック"));
    s.writeNumber("Settings", "MainLeft", 1000);
    s.writeNumber("Settings", "Half", 0.5);
    s.writeNumber("Settings", "Neg", -2.25);
    s.writeBool("Parameter", "MacTurn", true);
    s.sync();
    SettingsStore again(path());
    EXPECT_EQ(again.read("Settings", "ScreenFontName", ""), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(again.read("Settings", "MainLeft", ""), QStringLiteral("1000"));
    EXPECT_EQ(again.read("Settings", "Half", ""), QStringLiteral("0.5"));
    EXPECT_EQ(again.read("Settings", "Neg", ""), QStringLiteral("-2.25"));
    EXPECT_EQ(again.read("Parameter", "MacTurn", ""), QStringLiteral("True"));
    EXPECT_TRUE(again.readBool("Parameter", "MacTurn", false));
}

TEST_F(Store, NonNumericTextFallsBackToTheDefault) {
    SettingsStore s(path());
    s.write("Settings", "ScreenFontSize", "big");
    s.write("Settings", "LeftMerge", "12.5");
    s.write("Settings", "RightMerge", "13.5");
    s.write("Settings", "PrintLineNo", "99999");
    s.write("Settings", "MainTop", "  250 ");
    EXPECT_EQ(s.readLong("Settings", "ScreenFontSize", 12), 12);
    EXPECT_EQ(s.readLong("Settings", "LeftMerge", 10), 12);   // halves to even
    EXPECT_EQ(s.readLong("Settings", "RightMerge", 0), 14);
    EXPECT_EQ(s.readShort("Settings", "PrintLineNo", 1), 1);  // out of range
    EXPECT_EQ(s.readDouble("Settings", "MainTop", 1000), 250);
    EXPECT_EQ(s.readDouble("Settings", "Missing", 7.5), 7.5);
    s.write("Parameter", "Flag", "maybe");
    EXPECT_FALSE(s.readBool("Parameter", "Flag", false));
    EXPECT_TRUE(s.readBool("Parameter", "Flag", true));
}

TEST(SettingText, PlainDecimal) {
    EXPECT_EQ(settingText(1000.0), QStringLiteral("1000"));
    EXPECT_EQ(settingText(0.25), QStringLiteral("0.25"));
    EXPECT_EQ(settingText(-0.25), QStringLiteral("-0.25"));
    EXPECT_EQ(settingText(true), QStringLiteral("True"));
    EXPECT_EQ(settingText(false), QStringLiteral("False"));
}

}  // namespace

#include "platform/modal.h"

TEST(FileDialogFilters, MatchBothCasesOfAnExtension) {
    EXPECT_EQ(modal::nameFilters("All Files (*.*)|*|Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb"),
              (QStringList{"All Files (*)", "Main File (*.min *.MIN)", "System Sub (*.ssb *.SSB)"}));
    EXPECT_EQ(modal::nameFilters("LIB File (*.lib)|*.lib"), (QStringList{"LIB File (*.lib *.LIB)"}));
    EXPECT_TRUE(modal::nameFilters("").isEmpty());
}
