#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <cerrno>

#include "cycles/frmProcessSetup.h"
#include "cycles/machine_profile_settings.h"
#include "platform/settings_store.h"
#include "support/test_support.h"

using namespace quillmar;

namespace {

const QString kParameter = QStringLiteral("Parameter");

// The dialog as the command opens it: filled from the profile.
struct OpenedSetup : frmProcessSetup {
    OpenedSetup(MachineProfile& profile, SettingsStore& store) : frmProcessSetup(profile, store) { fillFromProfile(); }
};

}  // namespace

class TestFrmProcessSetup : public QObject {
    Q_OBJECT

private slots:
    // Clicked in turn from an Other machine: MULTUS has no second head and selects H1, which
    // MacTurn keeps; the home point shows on Other machines only.
    void machineTypeRelabelsAndEnables() {
        MachineProfile profile;
        SettingsStore store(freshIni());
        OpenedSetup d(profile, store);
        QVERIFY(d.H2->isChecked());
        const struct {
            QRadioButton* option;
            bool homeShown;
            QString caption;
            bool groupsEnabled, h2Enabled;
        } steps[] = {{d.mcMULTUS, false, "G20 HP=4 M867", true, false},
                     {d.mcMacTurn, false, "G21 HP=4", true, true},
                     {d.mcOther, true, "X", false, false}};
        for (const auto& step : steps) {
            QTest::mouseClick(step.option, Qt::LeftButton);
            QVERIFY(step.option->isChecked());
            QCOMPARE(!d.txtHomeX->isHidden() && !d.LabelAppZ->isHidden(), step.homeShown);
            QCOMPARE(d.LabelAppX->text(), step.caption);
            QCOMPARE(d.TurretH->isEnabled() && d.H1->isEnabled() && d.M321->isEnabled(), step.groupsEnabled);
            QCOMPARE(d.H2->isEnabled(), step.h2Enabled);
            QVERIFY(d.H1->isChecked());
        }
        // Hidden boxes keep the values they were filled with.
        QTest::mouseClick(d.mcMacTurn, Qt::LeftButton);
        QCOMPARE(d.txtHomeX->text(), QStringLiteral("500"));
    }

    // What the user cannot see is neither checked nor taken: the stored turret index stays.
    void setReadsOnlyTheBoxesItShows() {
        const struct {
            QRadioButton* frmProcessSetup::*option;
            QString homeX, homeZ;  // typed while the boxes show, on the Other machine
            QString refusal;       // empty: "Set" closes the dialog
            QString savedX, savedZ;
        } cases[] = {
            {&frmProcessSetup::mcMacTurn, "abc", "xyz", "", "500", "500"},
            {&frmProcessSetup::mcMULTUS, "abc", "xyz", "", "500", "500"},
            {&frmProcessSetup::mcMacTurn, "321", "7", "", "500", "500"},
            {&frmProcessSetup::mcOther, "abc", "7", "Turret index X: enter a number.", "", ""},
            {&frmProcessSetup::mcOther, "321", "7", "", "321", "7"},
        };
        for (const auto& c : cases) {
            MachineProfile profile;
            SettingsStore store(freshIni());
            OpenedSetup d(profile, store);
            d.txtHomeX->setText(c.homeX);
            d.txtHomeZ->setText(c.homeZ);
            QTest::mouseClick(d.*c.option, Qt::LeftButton);
            test::ScriptedResponder responder;
            responder.answerMessage(modal::kOk);
            d.Command1_Click();
            QCOMPARE(responder.messages.size(), size_t(c.refusal.isEmpty() ? 0 : 1));
            if (!c.refusal.isEmpty()) {
                QCOMPARE(responder.messages[0].text, c.refusal);
                QCOMPARE(d.result(), 0);
                continue;
            }
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(profileNumberText(profile.gHomeX), c.savedX);
            QCOMPARE(profileNumberText(profile.gHomeZ), c.savedZ);
            QCOMPARE(store.read(kParameter, QStringLiteral("HomeX"), QString()), c.savedX);
            QCOMPARE(store.read(kParameter, QStringLiteral("HomeZ"), QString()), c.savedZ);
        }
    }

    // A plain file where the settings folder belongs: "Set" says so, and the new machine
    // stays in force for this run.
    void setThatCannotBeSavedSaysSoAndKeepsTheProfile() {
        QFile blocker(dir_.filePath(QStringLiteral("Quillmar")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = blocker.fileName() + QStringLiteral("/Quillmar.ini");
        MachineProfile profile;
        SettingsStore store(path);
        OpenedSetup d(profile, store);
        QTest::mouseClick(d.mcMacTurn, Qt::LeftButton);
        test::ScriptedResponder responder;
        responder.answerMessage(modal::kOk);
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QCOMPARE(responder.messages.size(), size_t(1));
        QCOMPARE(responder.messages[0].text, QStringLiteral("The settings could not be saved.\r\n") +
                                                 qt_error_string(ENOTDIR) + QStringLiteral(": ") + path);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(MachineType(profile), MachineKind::MacTurn);
    }

    void otherMachineStillSavesDisabledGroups() {
        MachineProfile profile;
        profile.gTurretType = 1;
        profile.gAtcMacro = QStringLiteral("M321");
        SettingsStore store(freshIni());
        OpenedSetup d(profile, store);
        QVERIFY(!d.H1->isEnabled() && d.H1->isChecked() && !d.M321->isEnabled() && d.M321->isChecked());
        d.Command1_Click();
        QCOMPARE(store.read(kParameter, QStringLiteral("TurretType"), QString()), QStringLiteral("1"));
        QCOMPARE(store.read(kParameter, QStringLiteral("AtcMacroType"), QString()), QStringLiteral("M321"));
        // A macro it does not know (the comparison is case-sensitive) opens as M441.
        profile.gAtcMacro = QStringLiteral("m421");
        OpenedSetup again(profile, store);
        QVERIFY(again.M441->isChecked());
    }

    void setSavesTheProfileAndTheStore() {
        MachineProfile profile;
        SettingsStore store(freshIni());
        OpenedSetup d(profile, store);
        QTest::mouseClick(d.mcMacTurn, Qt::LeftButton);
        d.txtMaxS->setText(QStringLiteral("3500.5"));
        d.txtAppX->setText(QStringLiteral("12.5abc"));  // the leading-number rule
        d.txtAppZ->setText(QStringLiteral("0.2"));
        for (QCheckBox* box : {d.ChkOsp, d.ChkOptionalStop})
            box->setChecked(!box->isChecked());
        d.H1->setChecked(true);
        d.M321->setChecked(true);
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(profile.gMaxSpindleSpeed.value(), 3500.5f);
        QCOMPARE(profile.gApproachX + profile.gApproachZ, 12.7);
        QCOMPARE(MachineType(profile), MachineKind::MacTurn);
        QVERIFY(!profile.gOspU100 && profile.gOptionalStop && profile.gTurretType == 1);
        QCOMPARE(profile.gAtcMacro, QStringLiteral("M321"));
    }

    void setRefusesABadSpindleSpeed() {
        const std::pair<QString, QString> cases[] = {{"1E39", "Max.Spindle S: the value is out of range."},
                                                     {"", "Max.Spindle S: enter a number."}};
        for (const auto& [text, message] : cases) {
            MachineProfile profile;
            SettingsStore store(freshIni());
            OpenedSetup d(profile, store);
            d.txtAppX->setText(QStringLiteral("7"));
            d.txtMaxS->setText(text);
            test::ScriptedResponder responder;
            responder.answerMessage(modal::kOk);
            d.Command1_Click();
            QCOMPARE(responder.messages.size(), size_t(1));
            QCOMPARE(responder.messages[0].text, message);
            QCOMPARE(d.result(), 0);
            QCOMPARE(profile.gApproachX, 200.0);
            QVERIFY(!store.contains(kParameter, QStringLiteral("AppX")));
            QCOMPARE(d.txtMaxS->text(), text);
        }
    }

    // Enter and Esc neither set nor cancel; only Cancel does, and it keeps the profile.
    void keysDoNothingAndCancelChangesNothing() {
        MachineProfile profile;
        SettingsStore store(freshIni());
        OpenedSetup d(profile, store);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::mouseClick(d.mcMacTurn, Qt::LeftButton);
        d.txtMaxS->setText(QStringLiteral("9999"));
        for (QWidget* target : std::initializer_list<QWidget*>{d.txtMaxS, d.Command1, d.Command2}) {
            target->setFocus();
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(target, key);
        }
        QVERIFY(d.isVisible());
        QCOMPARE(d.result(), 0);
        QTest::mouseClick(d.Command2, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(profile.gMaxSpindleSpeed.value(), 2500.0f);
        QVERIFY(!profile.gMacTurn);
        QVERIFY(!store.contains(kParameter, QStringLiteral("MaxS")));
    }

    void enteringABoxSelectsItsText() {
        MachineProfile profile;
        SettingsStore store(freshIni());
        OpenedSetup d(profile, store);
        d.txtHomeZ->clear();
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.txtAppX->setFocus(Qt::OtherFocusReason);
        QCOMPARE(d.txtAppX->selectedText(), QStringLiteral("200"));
        d.txtHomeZ->setFocus(Qt::OtherFocusReason);
        QVERIFY(!d.txtHomeZ->hasSelectedText());
        QTest::mouseClick(d.txtMaxS, Qt::LeftButton, {}, QPoint(2, d.txtMaxS->height() / 2));
        QTRY_COMPARE(d.txtMaxS->selectedText(), QStringLiteral("2500"));
    }

private:
    QTemporaryDir dir_;
    int files_ = 0;
    QString freshIni() { return dir_.filePath(QStringLiteral("q%1.ini").arg(++files_)); }
};

QTEST_MAIN(TestFrmProcessSetup)
#include "tst_frmProcessSetup.moc"
