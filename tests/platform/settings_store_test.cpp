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

TEST(FileDialogFilters, MatchBothCasesOfAnExtension) {
    EXPECT_EQ(modal::nameFilters("All Files (*.*)|*|Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb"),
              (QStringList{"All Files (*)", "Main File (*.min *.MIN)", "System Sub (*.ssb *.SSB)"}));
}

}  // namespace
