// The rotary-tool entries of the Process menu write into the active document.
#include <QAction>
#include <QtTest>

#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "app/menu_tree.h"
#include "common/shared_state.h"
#include "cycles/fake_process_dialog.h"
#include "platform/rich_text_box.h"
#include "support/main_window.h"
#include "support/test_support.h"

using namespace quillmar;

class RotaryMenuTest : public QObject {
    Q_OBJECT

private slots:
    void entriesInsertTheirBlocks() {
        const std::pair<const char*, const char*> entries[] = {
            {"ProcessMDrillFace", "FACE DRILL D0.25"},       {"ProcessMDrillSide", "SIDE DRILL D0.25"},
            {"ProcessMDrillSlant", "DRILL D0.25"},           {"ProcessMTapFace", "FACE TAP M0.25*P0.004"},
            {"ProcessMTapSide", "SIDE TAP M0.25*P0.004"},    {"ProcessMTapSlant", "TAP M0.25"},
            {"ProcessMKeyFace", "FACE KEY W0.25"},           {"ProcessMKeySide", "SIDE KEY W0.25"},
            {"ProcessMKeySlant", "SLANT KEY W0.25"},         {"ProcessMSouseiFace", "FACE ENDMILL D0.25"},
            {"ProcessMSouseiSide", "SIDE ENDMILL D0.25"},    {"ProcessMCircleSlant", "SLANT CIRCLE D0"},
            {"ProcessMPlanetTapSlant", "PLANET TAP M0 P0"},
        };
        for (const auto& [entry, header] : entries) {
            test::MainWindowFixture f;
            test::FakeProcessDialog user(false);
            f.answers.dialogHandler = [&user](QDialog* dialog) { return user.handle(dialog); };
            frmMain& w = f.start();
            const QStringList fields = {"", "", "7", "0", "1", "200", "0.004", "0", "0", "0.25", "0", "1"};
            for (int row : {17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 30, 33})
                for (int c = 0; c < fields.size(); ++c)
                    f.state.gCuttingTable.setCell(row, c + 1, fields[c]);
            w.mnuFileNew_Click();

            w.menus().action(QString::fromLatin1(entry))->trigger();

            QCOMPARE(user.showings, 1);
            QVERIFY(f.answers.messages.empty());
            const QString text = w.activeDocument()->txtText->Text();
            QVERIFY2(text.startsWith(QStringLiteral("(-----< %1 >-----)\r\n").arg(QLatin1String(header))), entry);
            QCOMPARE(text, f.state.gOutputText);
        }
    }

    // The circle milling and planet tapping menus offer only their tilted-plane entries.
    void faceAndSideMillingEntriesStayDisabled() {
        test::MainWindowFixture f;
        frmMain& w = f.start();
        w.mnuFileNew_Click();
        for (const char* name : {"ProcessMCircleFace", "ProcessMCircleSide", "ProcessMPlanetTapFace",
                                 "ProcessMPlanetTapSide"}) {
            QAction* action = w.menus().action(QString::fromLatin1(name));
            QVERIFY2(action && !action->isEnabled(), name);
        }
    }
};

QTEST_MAIN(RotaryMenuTest)
#include "tst_rotary_menu.moc"
