// The rotary drilling entries of the Process menu write into the active document.
#include <QAction>
#include <QtTest>

#include "common/shared_state.h"
#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "app/menu_tree.h"
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
    void drillingEntriesInsertTheirBlocks_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("header");
        QTest::newRow("face") << "ProcessMDrillFace" << "(-----< FACE DRILL D0.25 >-----)\r\n";
        QTest::newRow("side") << "ProcessMDrillSide" << "(-----< SIDE DRILL D0.25 >-----)\r\n";
        QTest::newRow("tilted") << "ProcessMDrillSlant" << "(-----< DRILL D0.25 >-----)\r\n";
    }

    void drillingEntriesInsertTheirBlocks() {
        QFETCH(QString, entry);
        QFETCH(QString, header);
        test::MainWindowFixture f;
        SharedState& state = f.state;
        test::FakeProcessDialog user(false);
        f.answers.dialogHandler = [&user](QDialog* dialog) { return user.handle(dialog); };
        frmMain& w = f.start();
        for (int row : {17, 18, 19}) {
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
};

QTEST_MAIN(RotaryMenuTest)
#include "tst_rotary_menu.moc"
