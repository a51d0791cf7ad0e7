#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>

#include "platform/modal.h"
#include "platform/settings_store.h"

using namespace quillmar;

namespace {

TEST(SettingsStore, KeepsTextAndReadsNumbersStrictly) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q.ini"));
    {
        SettingsStore s(path);
        s.write("Settings", "ScreenFontName", QStringLiteral("ＭＳ ゴシック"));
        s.writeNumber("Settings", "Neg", -2.25);
        s.writeBool("Parameter", "MacTurn", true);
    }
    SettingsStore s(path);
    EXPECT_EQ(s.read("Settings", "ScreenFontName", ""), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(s.read("Settings", "Neg", ""), QStringLiteral("-2.25"));
    EXPECT_EQ(s.read("Parameter", "MacTurn", ""), QStringLiteral("True"));
    const std::pair<const char*, double> doubles[] = {{"big", 7}, {"  250 ", 250}, {"-2.25", -2.25}};
    const std::pair<const char*, long> longs[] = {{"big", 7}, {"12.5", 12}, {"13.5", 14}, {"-2.5", -2}};  // halves to even
    for (const auto& [text, value] : doubles) { s.write("S", "D", text); EXPECT_EQ(s.readDouble("S", "D", 7), value) << text; }
    for (const auto& [text, value] : longs) { s.write("S", "L", text); EXPECT_EQ(s.readLong("S", "L", 7), value) << text; }
    s.write("S", "Short", "99999");
    EXPECT_EQ(s.readShort("S", "Short", 1), 1);  // out of range
    s.write("S", "Flag", "maybe");
    EXPECT_TRUE(s.readBool("S", "Flag", true));
    EXPECT_FALSE(s.readBool("S", "Flag", false));
}

// A plain file where the settings folder should be makes every write fail for real.
TEST(SettingsStore, ReportsAWriteThatFailsAndKeepsItForTheNextOne) {
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("Quillmar"));
    QFile plain(blocker);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString path = blocker + QStringLiteral("/Quillmar.ini");
    SettingsStore s(path);
    s.write("Parameter", "MacTurn", "True");
    EXPECT_FALSE(s.sync());
    EXPECT_EQ(s.fileName(), path);
    EXPECT_EQ(s.syncError(), qt_error_string(ENOTDIR));
    EXPECT_EQ(settingsNotSavedText(s),
              QStringLiteral("The settings could not be saved.\r\n") + qt_error_string(ENOTDIR) + QStringLiteral(": ") + path);
    EXPECT_EQ(s.read("Parameter", "MacTurn", ""), QStringLiteral("True"));
    // Once the folder can be made, the next write is judged by itself and takes the change along.
    ASSERT_TRUE(QFile::remove(blocker));
    s.write("Settings", "MainLeft", "1500");
    EXPECT_TRUE(s.sync());
    EXPECT_EQ(s.syncError(), QString());
    SettingsStore reread(path);
    EXPECT_EQ(reread.read("Parameter", "MacTurn", ""), QStringLiteral("True"));
    EXPECT_EQ(reread.read("Settings", "MainLeft", ""), QStringLiteral("1500"));
}

// A hand-edited file that does not parse is no failure to save.
TEST(SettingsStore, WritesOverAFileThatDoesNotParse) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Settings\nMainLeft=1\n");
    file.close();
    SettingsStore s(path);
    s.write("Settings", "MainTop", "2");
    EXPECT_TRUE(s.sync());
    EXPECT_EQ(SettingsStore(path).read("Settings", "MainTop", ""), QStringLiteral("2"));
}

TEST(FileDialogFilters, MatchBothCasesOfAnExtension) {
    EXPECT_EQ(modal::nameFilters("All Files (*.*)|*|Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb"),
              (QStringList{"All Files (*)", "Main File (*.min *.MIN)", "System Sub (*.ssb *.SSB)"}));
}

}  // namespace
