#include <QAction>
#include <QMdiArea>
#include <QtTest>

#include "common/shared_state.h"
#include "app/frmMain.h"
#include "app/window_arrangement.h"
#include "app/menu_tree.h"
#include "app/startup.h"
#include "platform/key_locks.h"
#include "platform/settings_store.h"
#include "support/main_window.h"
#include "support/test_support.h"

using namespace quillmar;

class StartupTest : public QObject {
    Q_OBJECT

    using Fixture = test::MainWindowFixture;

private slots:
    void firstStartUsesTheDefaults() {
        Fixture f;
        frmMain w(f.state, f.settings, f.keys);
        startMainWindow(w, QString());
        QCOMPARE(w.windowTitle(), QStringLiteral("Quillmar inch Ver.2.77"));
        // 1000 twips at 15 twips a pixel, fitted into the screen.
        QCOMPARE(QRect(w.pos(), w.size()), fitIntoArea(QRect(67, 67, 1000, 800), w.screen()->availableGeometry()));
        QCOMPARE(f.state.gOpenDir, QDir::homePath());
        QCOMPARE(f.state.gSaveDir, QDir::homePath());
        QCOMPARE(f.state.gInsertDir, QCoreApplication::applicationDirPath() + "/Program");
        QCOMPARE(f.state.gTextFontName, QStringLiteral("ＭＳ ゴシック"));
        QCOMPARE(f.state.gTextFontSize, 12L);
        QCOMPARE(f.state.gPrintFontName, QStringLiteral("ＭＳ 明朝"));
        QCOMPARE(f.state.gPrintFontSize, 11L);
        QCOMPARE(f.state.gPrintOrientation, 1);
        QCOMPARE(f.state.gPrintLeft, 10L);
        QCOMPARE(f.state.gPrintRight, 0L);
        QCOMPARE(f.state.gPrintLineMode, 1);
        QCOMPARE(f.state.gCsvDir, QCoreApplication::applicationDirPath());
        QCOMPARE(f.state.gCsvFileName, QCoreApplication::applicationDirPath() + "/S45C.CSV");
        for (int n = 1; n <= 5; ++n) {
            QAction* item = w.menus().action("mnuFileRecentFile", n);
            QVERIFY(item);
            QVERIFY(!item->isVisible());
            QCOMPARE(item->text(), QStringLiteral("RecentFile%1").arg(n));
        }
        QVERIFY(f.keys.isOn(kVkCapsLock));
    }

    void hostileStoredPlacementReadsAsTheDefault() {
        for (const char* value : {"1E12", "1D308", "1E9", "&HFFFFFFFF", "2147483648", "-1", "0"}) {
            Fixture f;
            for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
                f.settings.write("Settings", key, value);
            f.settings.write("Settings", "ScreenFontSize", value);
            f.settings.write("Settings", "PrintFontSize", "100000");
            frmMain w(f.state, f.settings, f.keys);
            w.MDIForm_Load(QString());
            const QRect area = w.screen()->availableGeometry();
            // "-1" and "0" are positions within reach; every one of them is no size.
            const QPoint at = QByteArray(value) == "-1" || QByteArray(value) == "0" ? QPoint(0, 0) : QPoint(67, 67);
            QCOMPARE(w.geometry(), fitIntoArea(QRect(at, QSize(1000, 800)), area));
            QCOMPARE(f.state.gTextFontSize, 12L);
            QCOMPARE(f.state.gPrintFontSize, 11L);
        }
    }

    void storedSettingsAreApplied() {
        Fixture f;
        f.settings.write("Settings", "MainLeft", "1500");
        f.settings.write("Settings", "MainTop", "3000");
        f.settings.write("Settings", "MainWidth", "9000");
        f.settings.write("Settings", "MainHeight", "abc");  // not a number: default
        f.settings.write("Settings", "ScreenFontSize", "14");
        f.settings.write("Settings", "PrintLineNo", "2");
        f.settings.write("Settings", "RecentFile2", "/work/B.MIN");
        f.settings.write("Parameter", "CsvFileName", "/data/SUS304.CSV");
        frmMain w(f.state, f.settings, f.keys);
        w.MDIForm_Load(QString());
        QCOMPARE(w.geometry(), fitIntoArea(QRect(100, 200, 600, 800), w.screen()->availableGeometry()));
        QCOMPARE(f.state.gTextFontSize, 14L);
        QCOMPARE(f.state.gPrintLineMode, 2);
        QCOMPARE(f.state.gCsvFileName, QStringLiteral("/data/SUS304.CSV"));
        QVERIFY(!w.menus().action("mnuFileRecentFile", 1)->isVisible());
        QVERIFY(w.menus().action("mnuFileRecentFile", 2)->isVisible());
        QCOMPARE(w.menus().action("mnuFileRecentFile", 2)->text(), QStringLiteral("/work/B.MIN"));
    }

    void exitWritesTheSettings() {
        Fixture f;
        {
            frmMain w(f.state, f.settings, f.keys);
            startMainWindow(w, QString());
            w.move(30, 40);
            w.resize(700, 500);
            f.state.gOpenDir = "/nc/open";
            f.state.gPrintRight = 5;
            f.state.gCsvDir = "/nc/csv";
            w.setRecentFileCaption(1, "/nc/A.MIN");
            w.setRecentFileCaption(2, "/nc/B.MIN");
            w.mnuFileExit_Click();
        }
        SettingsStore s(f.temp.path());
        QCOMPARE(s.read("Settings", "MainLeft", ""), QStringLiteral("450"));
        QCOMPARE(s.read("Settings", "MainTop", ""), QStringLiteral("600"));
        QCOMPARE(s.read("Settings", "MainWidth", ""), QStringLiteral("10500"));
        QCOMPARE(s.read("Settings", "MainHeight", ""), QStringLiteral("7500"));
        QCOMPARE(s.read("Settings", "OpenPathName", ""), QStringLiteral("/nc/open"));
        QCOMPARE(s.read("Settings", "ScreenFontName", ""), QStringLiteral("ＭＳ ゴシック"));
        QCOMPARE(s.read("Settings", "ScreenFontSize", ""), QStringLiteral("12"));
        QCOMPARE(s.read("Settings", "PrinterOrientation", ""), QStringLiteral("1"));
        QCOMPARE(s.read("Settings", "RightMerge", ""), QStringLiteral("5"));
        QCOMPARE(s.read("Settings", "PrintLineNo", ""), QStringLiteral("1"));
        QCOMPARE(s.read("Parameter", "CsvPathName", ""), QStringLiteral("/nc/csv"));
        QCOMPARE(s.read("Settings", "RecentFile1", ""), QStringLiteral("/nc/A.MIN"));
        QCOMPARE(s.read("Settings", "RecentFile2", ""), QStringLiteral("/nc/B.MIN"));
        QVERIFY(!s.contains("Settings", "RecentFile3"));
        // Caps Lock was off when the program started: it is off again.
        QVERIFY(!f.keys.isOn(kVkCapsLock));
        QCOMPARE(f.keys.presses(kVkCapsLock), 2);
    }

    void exitWhileMinimizedKeepsThePlacement() {
        Fixture f;
        f.settings.write("Settings", "MainLeft", "1234");
        f.settings.write("Settings", "OpenPathName", "/old");
        f.settings.write("Settings", "RecentFile3", "/old/C.MIN");
        {
            frmMain w(f.state, f.settings, f.keys);
            startMainWindow(w, QString());
            f.state.gOpenDir = "/new";
            w.setRecentFileCaption(1, "/new/A.MIN");
            w.showMinimized();
            QVERIFY(w.isMinimized());
            w.close();
        }
        SettingsStore s(f.temp.path());
        QCOMPARE(s.read("Settings", "MainLeft", ""), QStringLiteral("1234"));
        QCOMPARE(s.read("Settings", "OpenPathName", ""), QStringLiteral("/old"));
        QVERIFY(!s.contains("Settings", "MainTop"));
        QVERIFY(!s.contains("Parameter", "CsvFileName"));
        QCOMPARE(s.read("Settings", "RecentFile1", ""), QStringLiteral("/new/A.MIN"));
        QCOMPARE(s.read("Settings", "RecentFile3", ""), QStringLiteral("/old/C.MIN"));
    }

    void capsLockOnAtStartStaysOn() {
        Fixture f;
        f.keys.set(kVkCapsLock, true);
        frmMain w(f.state, f.settings, f.keys);
        startMainWindow(w, QString());
        QCOMPARE(f.keys.presses(kVkCapsLock), 0);
        w.close();
        QVERIFY(f.keys.isOn(kVkCapsLock));
        QCOMPARE(f.keys.presses(kVkCapsLock), 0);
    }

    void exitWhileMaximizedStoresTheMaximizedSize() {
        Fixture f;
        frmMain w(f.state, f.settings, f.keys);
        startMainWindow(w, QString());
        w.showMaximized();
        QTRY_VERIFY(w.isMaximized());
        const QSize maxSize = w.size();
        w.close();
        SettingsStore s(f.temp.path());
        QCOMPARE(s.read("Settings", "MainWidth", ""), QString::number(maxSize.width() * 15));
        QCOMPARE(s.read("Settings", "MainHeight", ""), QString::number(maxSize.height() * 15));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_frmMain_startup.moc"
