#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "common/shared_state.h"
#include "app/frmMain.h"
#include "app/menu_tree.h"
#include "cycles/frmProcessSetup.h"
#include "platform/key_locks.h"
#include "platform/settings_store.h"
#include "support/main_window.h"
#include "support/test_support.h"

using namespace quillmar;

namespace {

const char* const kSixMenus[] = {"ProcessMT", "ProcessMDrillSlant", "ProcessMKeySlant",
                                 "ProcessMTapSlant", "ProcessMCircle", "ProcessMPlanetTap"};

struct Fixture : test::MainWindowFixture {
    void start() { test::MainWindowFixture::start(false); }
    QStringList shown() {
        QStringList names;
        for (const char* name : kSixMenus)
            if (item(name)->isVisible())
                names << name;
        return names;
    }
};

}  // namespace

class MachineMenusTest : public QObject {
    Q_OBJECT

private slots:
    void startUpFollowsTheStoredMachine_data() {
        QTest::addColumn<QString>("macTurn");
        QTest::addColumn<QString>("multus");
        QTest::addColumn<bool>("shown");
        QTest::newRow("other") << "False" << "False" << false;
        QTest::newRow("macturn") << "True" << "False" << true;
        QTest::newRow("multus") << "False" << "True" << true;
        QTest::newRow("both") << "True" << "True" << true;
    }
    void startUpFollowsTheStoredMachine() {
        QFETCH(QString, macTurn);
        QFETCH(QString, multus);
        QFETCH(bool, shown);
        Fixture f;
        f.settings.write("Parameter", "MacTurn", macTurn);
        f.settings.write("Parameter", "MULTUS", multus);
        f.start();
        QCOMPARE(f.shown().size(), shown ? 6 : 0);
    }

    void setupSetChangesTheMenusAndTheStore() {
        Fixture f;
        f.start();
        QVERIFY(f.shown().isEmpty());
        test::ScriptedResponder answers;
        answers.dialogHandler = [](QDialog* d) {
            auto* dialog = qobject_cast<frmProcessSetup*>(d);
            dialog->mcMULTUS->click();
            dialog->Command1->click();
            return dialog->result();
        };
        f.w().menus().action("ProcessSetup")->trigger();
        QVERIFY(f.state.gDialogAccepted);
        QCOMPARE(MachineType(f.state.profile), MachineKind::Multus);
        QCOMPARE(f.shown().size(), 6);
        SettingsStore again(f.temp.path());
        QCOMPARE(again.read("Parameter", "MULTUS", ""), QStringLiteral("True"));
    }

    void setupCancelKeepsTheProfile() {
        Fixture f;
        f.settings.write("Parameter", "MacTurn", "True");
        f.start();
        test::ScriptedResponder answers;
        answers.dialogHandler = [](QDialog* d) {
            auto* dialog = qobject_cast<frmProcessSetup*>(d);
            dialog->mcOther->click();
            dialog->Command2->click();
            return dialog->result();
        };
        f.w().ProcessSetup_Click();
        QVERIFY(!f.state.gDialogAccepted);
        QCOMPARE(MachineType(f.state.profile), MachineKind::MacTurn);
        QCOMPARE(f.shown().size(), 6);
    }

    void startUpLoadsTheCuttingTable() {
        Fixture f;
        QTemporaryDir dir;
        const QString csv = dir.filePath("T.CSV");
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("head1\r\nhead2\r\n1,a,3,0,1,600,0.012,0.1,0,0.02,0.005,0.02\r\n");
        file.close();
        f.settings.write("Parameter", "CsvFileName", csv);
        f.start();
        QCOMPARE(f.state.gCuttingTable.cell(1, 6), QStringLiteral("600"));
    }
};

QTEST_MAIN(MachineMenusTest)
#include "tst_frmMain_machine.moc"
