#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "cycles/frmProcessSetup.h"
#include "cycles/machine_profile_settings.h"
#include "platform/settings_store.h"
#include "support/test_support.h"

using namespace quillmar;

namespace {

const QString kParameter = QStringLiteral("Parameter");

QRadioButton* machineOption(frmProcessSetup& d, MachineKind kind) {
    switch (kind) {
        case MachineKind::MacTurn: return d.mcMacTurn;
        case MachineKind::Multus: return d.mcMULTUS;
        case MachineKind::Other: break;
    }
    return d.mcOther;
}

MachineProfile profileOf(MachineKind kind) {
    MachineProfile p;
    p.gMacTurn = kind == MachineKind::MacTurn;
    p.gMultus = kind == MachineKind::Multus;
    return p;
}

}  // namespace

class TestFrmProcessSetup : public QObject {
    Q_OBJECT

private slots:
    void machineTypeRelabelsAndEnables_data();
    void machineTypeRelabelsAndEnables();
    void multusSelectsH1AndMacTurnKeepsIt();
    void otherMachineStillSavesDisabledGroups();
    void setSavesEveryKeyAndTheProfile();
    void setRefusesAValueOutOfRange_data();
    void setRefusesAValueOutOfRange();
    void cancelChangesNothing();
    void enterAndEscDoNothing();
    void enteringABoxSelectsItsText();

private:
    QTemporaryDir dir_;
    int files_ = 0;
    QString freshIni() { return dir_.filePath(QStringLiteral("q%1.ini").arg(++files_)); }
};

void TestFrmProcessSetup::machineTypeRelabelsAndEnables_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("homeShown");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("groupsEnabled");
    QTest::addColumn<bool>("h2Enabled");
    const int mac = int(MachineKind::MacTurn), mul = int(MachineKind::Multus), oth = int(MachineKind::Other);
    QTest::newRow("Other to MacTurn") << oth << mac << false << "G21 HP=4" << true << true;
    QTest::newRow("Other to MULTUS") << oth << mul << false << "G20 HP=4 M867" << true << false;
    QTest::newRow("MacTurn to Other") << mac << oth << true << "X" << false << false;
}

void TestFrmProcessSetup::machineTypeRelabelsAndEnables() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, homeShown);
    QFETCH(QString, caption);
    QFETCH(bool, groupsEnabled);
    QFETCH(bool, h2Enabled);
    MachineProfile profile = profileOf(MachineKind(from));
    SettingsStore store(freshIni());
    frmProcessSetup d(profile, store);
    d.fillFromProfile();
    QTest::mouseClick(machineOption(d, MachineKind(to)), Qt::LeftButton);
    QVERIFY(machineOption(d, MachineKind(to))->isChecked());
    QCOMPARE(!d.txtHomeX->isHidden(), homeShown);
    QCOMPARE(!d.LabelAppZ->isHidden(), homeShown);
    QCOMPARE(d.LabelAppX->text(), caption);
    QCOMPARE(d.TurretH->isEnabled() && d.H1->isEnabled() && d.M321->isEnabled(), groupsEnabled);
    QCOMPARE(d.H2->isEnabled(), h2Enabled);
    // Hidden boxes keep the values they were filled with, and are still read.
    QCOMPARE(d.txtHomeX->text(), QStringLiteral("500"));
    d.txtHomeX->setText(QStringLiteral("321"));
    d.Command1_Click();
    QCOMPARE(profile.gHomeX, 321.0);
}

void TestFrmProcessSetup::multusSelectsH1AndMacTurnKeepsIt() {
    MachineProfile profile;
    SettingsStore store(freshIni());
    frmProcessSetup d(profile, store);
    d.fillFromProfile();
    QVERIFY(d.H2->isChecked());
    QTest::mouseClick(d.mcMULTUS, Qt::LeftButton);
    QVERIFY(d.H1->isChecked() && !d.H2->isEnabled());
    QTest::mouseClick(d.mcMacTurn, Qt::LeftButton);
    QVERIFY(d.H1->isChecked() && d.H2->isEnabled());
}

void TestFrmProcessSetup::otherMachineStillSavesDisabledGroups() {
    MachineProfile profile;
    profile.gTurretType = 1;
    profile.gAtcMacro = QStringLiteral("M321");
    SettingsStore store(freshIni());
    frmProcessSetup d(profile, store);
    d.fillFromProfile();
    QVERIFY(!d.H1->isEnabled() && d.H1->isChecked());
    QVERIFY(!d.M321->isEnabled() && d.M321->isChecked());
    d.Command1_Click();
    QCOMPARE(store.read(kParameter, QStringLiteral("TurretType"), QString()), QStringLiteral("1"));
    QCOMPARE(store.read(kParameter, QStringLiteral("AtcMacroType"), QString()), QStringLiteral("M321"));
    // A macro it does not know (the comparison is case-sensitive) opens as M441.
    profile.gAtcMacro = QStringLiteral("m421");
    frmProcessSetup again(profile, store);
    again.fillFromProfile();
    QVERIFY(again.M441->isChecked());
}

void TestFrmProcessSetup::setSavesEveryKeyAndTheProfile() {
    const QString ini = freshIni();
    MachineProfile profile;
    {
        SettingsStore store(ini);
        frmProcessSetup d(profile, store);
        d.fillFromProfile();
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
    }
    QCOMPARE(profile.gMaxSpindleSpeed.value(), 3500.5f);
    QCOMPARE(profile.gApproachX, 12.5);
    QCOMPARE(profile.gApproachZ, 0.2);
    QCOMPARE(MachineType(profile), MachineKind::MacTurn);
    // The next opening shows what was saved.
    SettingsStore reopened(ini);
    MachineProfile again = readMachineProfile(reopened);
    frmProcessSetup next(again, reopened);
    next.fillFromProfile();
    QCOMPARE(next.txtMaxS->text(), QStringLiteral("3500.5"));
    QVERIFY(next.mcMacTurn->isChecked() && next.H1->isChecked() && next.M321->isChecked());
    QVERIFY(!next.ChkOsp->isChecked() && next.ChkOptionalStop->isChecked());
}

void TestFrmProcessSetup::setRefusesAValueOutOfRange_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("spindle beyond single precision")
        << "txtMaxS" << "1E39" << "Max.Spindle S: the value is out of range.";
    QTest::newRow("empty spindle") << "txtMaxS" << "" << "Max.Spindle S: enter a number.";
}

void TestFrmProcessSetup::setRefusesAValueOutOfRange() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    MachineProfile profile;
    SettingsStore store(freshIni());
    frmProcessSetup d(profile, store);
    d.fillFromProfile();
    d.txtAppX->setText(QStringLiteral("7"));
    auto* edit = d.findChild<QLineEdit*>(box);
    edit->setText(text);

    test::ScriptedResponder responder;
    responder.answerMessage(modal::kOk);
    d.Command1_Click();
    QCOMPARE(responder.messages.size(), size_t(1));
    QCOMPARE(responder.messages[0].text, message);
    QCOMPARE(d.result(), 0);
    QCOMPARE(profile.gApproachX, 200.0);
    QVERIFY(!store.contains(kParameter, QStringLiteral("AppX")));
    QCOMPARE(edit->text(), text);
}

void TestFrmProcessSetup::cancelChangesNothing() {
    MachineProfile profile;
    SettingsStore store(freshIni());
    frmProcessSetup d(profile, store);
    d.fillFromProfile();
    QTest::mouseClick(d.mcMacTurn, Qt::LeftButton);
    d.txtMaxS->setText(QStringLiteral("9999"));
    QTest::mouseClick(d.Command2, Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(profile.gMaxSpindleSpeed.value(), 2500.0f);
    QVERIFY(!profile.gMacTurn);
    QVERIFY(!store.contains(kParameter, QStringLiteral("MaxS")));
}

void TestFrmProcessSetup::enterAndEscDoNothing() {
    MachineProfile profile;
    SettingsStore store(freshIni());
    frmProcessSetup d(profile, store);
    d.fillFromProfile();
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    for (QWidget* target : std::initializer_list<QWidget*>{d.txtMaxS, d.Command1, d.Command2}) {
        target->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(target, key);
    }
    QVERIFY(d.isVisible());
    QCOMPARE(d.result(), 0);
    QVERIFY(!store.contains(kParameter, QStringLiteral("MaxS")));
}

void TestFrmProcessSetup::enteringABoxSelectsItsText() {
    MachineProfile profile;
    SettingsStore store(freshIni());
    frmProcessSetup d(profile, store);
    d.fillFromProfile();
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

QTEST_MAIN(TestFrmProcessSetup)
#include "tst_frmProcessSetup.moc"
