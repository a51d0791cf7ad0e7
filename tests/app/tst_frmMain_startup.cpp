#include <QtTest>
#include <cerrno>

#include "app/startup.h"
#include "platform/window_frame.h"
#include "support/main_window.h"

using namespace quillmar;

class StartupTest : public QObject {
    Q_OBJECT

    using Fixture = test::MainWindowFixture;

private slots:
    void hostileStoredPlacementReadsAsTheDefault() {
        for (const char* value : {"1E12", "1D308", "1E9", "&HFFFFFFFF", "2147483648", "-1", "0"}) {
            Fixture f;
            for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
                f.settings.write("Settings", key, value);
            f.settings.write("Settings", "ScreenFontSize", value);
            f.settings.write("Settings", "PrintFontSize", "100000");
            frmMain& w = f.start(false);
            // "-1" and "0" are positions within reach; every one of them is no size.
            const QPoint at = QByteArray(value) == "-1" || QByteArray(value) == "0" ? QPoint(0, 0) : QPoint(67, 67);
            QCOMPARE(w.geometry(), fitIntoArea(QRect(at, QSize(1000, 800)), w.screen()->availableGeometry()));
            QCOMPARE(f.state.gTextFontSize, 12L);
            QCOMPARE(f.state.gPrintFontSize, 11L);
        }
    }

    void storedSettingsAreApplied() {
        Fixture f;
        for (const auto& [key, value] : {std::pair{"MainLeft", "1500"}, {"MainTop", "3000"}, {"MainWidth", "9000"},
                                         {"MainHeight", "abc"}, {"ScreenFontSize", "14"}, {"RecentFile2", "/work/B.MIN"}})
            f.settings.write("Settings", key, value);  // a height that is no number is the default
        f.settings.write("Parameter", "CsvFileName", "/data/SUS304.CSV");
        frmMain& w = f.start(false);
        QCOMPARE(w.geometry(), fitIntoArea(QRect(100, 200, 600, 800), w.screen()->availableGeometry()));
        QCOMPARE(f.state.gTextFontSize, 14L);
        QCOMPARE(f.state.gCsvFileName, QStringLiteral("/data/SUS304.CSV"));
        QVERIFY(!f.item("mnuFileRecentFile", 1)->isVisible());
        QCOMPARE(f.item("mnuFileRecentFile", 2)->text(), QStringLiteral("/work/B.MIN"));
    }

    void aFirstStartUsesTheDefaultsAndExitWritesTheSettingsAndPutsCapsLockBack() {
        Fixture f;
        {
            frmMain w(f.state, f.settings, f.keys);
            startMainWindow(w, QString());
            // 1000 twips at 15 twips a pixel, fitted into the screen with the window's frame.
            const QSize framed = QSize(1000, 800).grownBy(windowFrame(w));
            QTRY_COMPARE(w.frameGeometry(), fitIntoArea(QRect(QPoint(67, 67), framed), w.screen()->availableGeometry()));
            QCOMPARE(f.state.gInsertDir, QCoreApplication::applicationDirPath() + "/Program");
            QVERIFY(f.keys.isOn(kVkCapsLock));
            w.move(30, 40);
            w.resize(700, 500);
            f.state.gOpenDir = "/nc/open";
            f.state.gPrintRight = 5;
            f.state.gCsvDir = "/nc/csv";
            w.setRecentFileCaption(1, "/nc/A.MIN");
            w.mnuFileExit_Click();
        }
        SettingsStore s(f.temp.path());
        for (const auto& [key, value] : {std::pair{"MainLeft", "450"}, {"MainTop", "600"}, {"MainWidth", "10500"},
                                         {"MainHeight", "7500"}, {"OpenPathName", "/nc/open"}, {"ScreenFontSize", "12"},
                                         {"ScreenFontName", "ＭＳ ゴシック"}, {"PrinterOrientation", "1"}, {"RightMerge", "5"},
                                         {"PrintLineNo", "1"}, {"RecentFile1", "/nc/A.MIN"}})
            QCOMPARE(s.read("Settings", key, ""), QString::fromUtf8(value));
        QCOMPARE(s.read("Parameter", "CsvPathName", ""), QStringLiteral("/nc/csv"));
        QVERIFY(!s.contains("Settings", "RecentFile2"));
        // Caps Lock was off when the program started: it is off again.
        QVERIFY(!f.keys.isOn(kVkCapsLock));
        // On at start, it stays on and is never pressed.
        Fixture on;
        on.keys.set(kVkCapsLock, true);
        frmMain w(on.state, on.settings, on.keys);
        startMainWindow(w, QString());
        w.close();
        QCOMPARE(on.keys.presses(kVkCapsLock), 0);
    }

    void exitWhileMinimizedKeepsThePlacementAndMaximizedStoresTheMaximizedSize() {
        Fixture f;
        f.settings.write("Settings", "MainLeft", "1234");
        {
            frmMain w(f.state, f.settings, f.keys);
            startMainWindow(w, QString());
            w.setRecentFileCaption(1, "/new/A.MIN");
            w.showMinimized();
            w.close();
        }
        for (const auto& [key, value] : {std::pair{"MainLeft", "1234"}, {"RecentFile1", "/new/A.MIN"}})
            QCOMPARE(SettingsStore(f.temp.path()).read("Settings", key, ""), QString::fromUtf8(value));
        frmMain w(f.state, f.settings, f.keys);
        startMainWindow(w, QString());
        w.showMaximized();
        QTRY_VERIFY(w.isMaximized());
        const int width = w.width();
        w.close();
        QCOMPARE(SettingsStore(f.temp.path()).read("Settings", "MainWidth", ""), QString::number(width * 15));
    }

    // A plain file where the settings folder belongs: exit says the settings were not
    // saved, and where, and still ends.
    void anExitThatCannotSaveTheSettingsSaysSo() {
        Fixture f;
        QFile blocker(f.files.filePath(QStringLiteral("Quillmar")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = blocker.fileName() + QStringLiteral("/Quillmar.ini");
        SettingsStore store(path);
        f.answers.answerMessage(modal::kOk);
        {
            frmMain w(f.state, store, f.keys);
            startMainWindow(w, QString());
            w.setRecentFileCaption(1, "/nc/A.MIN");
            QVERIFY(w.close());
        }
        QCOMPARE(f.answers.messages.size(), size_t(1));
        QCOMPARE(f.answers.messages[0].text, QStringLiteral("The settings could not be saved.\r\n") +
                                                 qt_error_string(ENOTDIR) + QStringLiteral(": ") + path);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_frmMain_startup.moc"
