// The rotary-tool entries of the Process menu write into the active document.
#include <QAction>
#include <QtTest>

#include "common/shared_state.h"
#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "app/menu_tree.h"
#include "cycles/cutting_table.h"
#include "cycles/fake_process_dialog.h"
#include "platform/key_locks.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"
#include "support/main_window.h"
#include "support/test_support.h"

using namespace quillmar;

class RotaryMenuTest : public QObject {
    Q_OBJECT

private slots:
    void entriesInsertTheirBlocks_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("header");
        QTest::newRow("face") << "ProcessMDrillFace" << "(-----< FACE DRILL D0.25 >-----)\r\n";
        QTest::newRow("side") << "ProcessMDrillSide" << "(-----< SIDE DRILL D0.25 >-----)\r\n";
        QTest::newRow("tilted") << "ProcessMDrillSlant" << "(-----< DRILL D0.25 >-----)\r\n";
        QTest::newRow("face tap") << "ProcessMTapFace" << "(-----< FACE TAP M0.25*P0.004 >-----)\r\n";
        QTest::newRow("side tap") << "ProcessMTapSide" << "(-----< SIDE TAP M0.25*P0.004 >-----)\r\n";
        QTest::newRow("tilted tap") << "ProcessMTapSlant" << "(-----< TAP M0.25 >-----)\r\n";
        QTest::newRow("face key") << "ProcessMKeyFace" << "(-----< FACE KEY W0.25 >-----)\r\n";
        QTest::newRow("side key") << "ProcessMKeySide" << "(-----< SIDE KEY W0.25 >-----)\r\n";
        QTest::newRow("tilted key") << "ProcessMKeySlant" << "(-----< SLANT KEY W0.25 >-----)\r\n";
        QTest::newRow("face cut") << "ProcessMSouseiFace" << "(-----< FACE ENDMILL D0.25 >-----)\r\n";
        QTest::newRow("side cut") << "ProcessMSouseiSide" << "(-----< SIDE ENDMILL D0.25 >-----)\r\n";
        QTest::newRow("circle") << "ProcessMCircleSlant" << "(-----< SLANT CIRCLE D0 >-----)\r\n";
        QTest::newRow("planet") << "ProcessMPlanetTapSlant" << "(-----< PLANET TAP M0 P0 >-----)\r\n";
    }

    void entriesInsertTheirBlocks() {
        QFETCH(QString, entry);
        QFETCH(QString, header);
        test::MainWindowFixture f;
        SharedState& state = f.state;
        test::FakeProcessDialog user(false);
        f.answers.dialogHandler = [&user](QDialog* dialog) { return user.handle(dialog); };
        frmMain& w = f.start();
        for (int row : {17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 30, 33}) {
            const QStringList fields = {"", "", "7", "0", "1", "200", "0.004", "0", "0", "0.25", "0", "1"};
            for (int c = 0; c < fields.size(); ++c)
                state.gCuttingTable.setCell(row, c + 1, fields[c]);
        }
        w.mnuFileNew_Click();

        w.menus().action(entry)->trigger();

        QCOMPARE(user.showings, 1);
        QVERIFY(f.answers.messages.empty());
        const QString text = w.activeDocument()->txtText->Text();
        QVERIFY2(text.startsWith(header), qPrintable(text));
        QVERIFY(text.endsWith(QStringLiteral("\t\r\n")));
        QCOMPARE(text, state.gOutputText);
    }

    // With the shipped cutting conditions on MacTurn: a face tap with the defaults, then a
    // tilted keyway twice; the second offers the first's B and zero shifts, and fails on a
    // cutter of no diameter without touching the document.
    void theTiltedKeywayRemembersItsPlaneAcrossAFailure() {
        test::TempSettings temp;
        SettingsStore settings{temp.path()};
        SharedState state;
        InProcessKeyLocks keys;
        frmMain w{state, settings, keys};
        test::ScriptedResponder answers;
        test::FakeProcessDialog user(false);
        answers.dialogHandler = [&user](QDialog* dialog) { return user.handle(dialog); };
        w.MDIForm_Load(QString());
        QVERIFY(LoadCuttingTable(QStringLiteral(QUILLMAR_SOURCE_DIR "/resources/beside/S45C.CSV"), state.gCuttingTable));
        state.profile.gMacTurn = true;
        w.mnuFileNew_Click();
        RichTextBox* text = w.activeDocument()->txtText;

        w.menus().action(QStringLiteral("ProcessMTapFace"))->trigger();
        QVERIFY(text->Text().startsWith(QStringLiteral("(-----< FACE TAP M0.25*P0.05 >-----)\r\n")));

        user.type("B", QStringLiteral("45")).type("C", QStringLiteral("2.5")).type("SZ", QStringLiteral("0.1"));
        w.menus().action(QStringLiteral("ProcessMKeySlant"))->trigger();
        QVERIFY(answers.messages.empty());
        QVERIFY(text->Text().contains(QStringLiteral("N000 G174 SX=2.5 SZ=0.1\r\nN000 G127 B45\r\n")));
        const QString before = text->Text();

        user.clearScript();
        user.type("U", QStringLiteral("0"));
        answers.answerMessage(modal::kOk);
        w.menus().action(QStringLiteral("ProcessMKeySlant"))->trigger();
        QCOMPARE(user.seen.text("B") + user.seen.text("C") + user.seen.text("SZ"), QStringLiteral("452.50.1"));
        QCOMPARE(int(answers.messages.size()), 1);
        QCOMPARE(answers.messages[0].title, QStringLiteral("Error 11"));
        QCOMPARE(text->Text(), before);
    }

    // The circle milling and planet tapping menus offer only their tilted-plane entries.
    void faceAndSideMillingEntriesStayDisabled() {
        test::TempSettings temp;
        SettingsStore settings{temp.path()};
        SharedState state;
        InProcessKeyLocks keys;
        frmMain w{state, settings, keys};
        test::ScriptedResponder answers;
        w.MDIForm_Load(QString());
        w.mnuFileNew_Click();
        for (const char* name : {"ProcessMCircleFace", "ProcessMCircleSide", "ProcessMPlanetTapFace",
                                 "ProcessMPlanetTapSide"}) {
            QAction* action = w.menus().action(QString::fromLatin1(name));
            QVERIFY2(action && !action->isEnabled(), name);
        }
        for (const char* name : {"ProcessMCircleSlant", "ProcessMPlanetTapSlant"})
            QVERIFY2(w.menus().action(QString::fromLatin1(name))->isEnabled(), name);
    }
};

QTEST_MAIN(RotaryMenuTest)
#include "tst_rotary_menu.moc"
