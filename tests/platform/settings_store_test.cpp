#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/modal.h"
#include "platform/settings_store.h"

using namespace quillmar;

namespace {

TEST(SettingsStore, KeepsTextAndReadsNumbersStrictly) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q.ini"));
    {
        SettingsStore s(path);
        EXPECT_EQ(s.read("Settings", "OpenPathName", "x"), QStringLiteral("x"));
        s.write("Settings", "ScreenFontName", QStringLiteral("ＭＳ ゴシック"));
        s.writeNumber("Settings", "Neg", -2.25);
        s.writeBool("Parameter", "MacTurn", true);
    }
    SettingsStore s(path);
    EXPECT_EQ(s.read("Settings", "ScreenFontName", ""), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(s.read("Settings", "Neg", ""), QStringLiteral("-2.25"));
    EXPECT_EQ(s.read("Parameter", "MacTurn", ""), QStringLiteral("True"));
    s.write("Settings", "ScreenFontSize", "big");
    s.write("Settings", "LeftMerge", "12.5");
    s.write("Settings", "RightMerge", "13.5");
    s.write("Settings", "PrintLineNo", "99999");
    s.write("Settings", "MainTop", "  250 ");
    s.write("Parameter", "Flag", "maybe");
    EXPECT_EQ(s.readLong("Settings", "ScreenFontSize", 12), 12);
    EXPECT_EQ(s.readLong("Settings", "LeftMerge", 10), 12);  // halves to even
    EXPECT_EQ(s.readLong("Settings", "RightMerge", 0), 14);
    EXPECT_EQ(s.readShort("Settings", "PrintLineNo", 1), 1);  // out of range
    EXPECT_EQ(s.readDouble("Settings", "MainTop", 1000), 250);
    EXPECT_TRUE(s.readBool("Parameter", "Flag", true));
    EXPECT_FALSE(s.readBool("Parameter", "Flag", false));
    EXPECT_EQ(settingText(1000.0), QStringLiteral("1000"));
    EXPECT_EQ(settingText(false), QStringLiteral("False"));
}

TEST(FileDialogFilters, MatchBothCasesOfAnExtension) {
    EXPECT_EQ(modal::nameFilters("All Files (*.*)|*|Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb"),
              (QStringList{"All Files (*)", "Main File (*.min *.MIN)", "System Sub (*.ssb *.SSB)"}));
    EXPECT_TRUE(modal::nameFilters("").isEmpty());
}

}  // namespace
