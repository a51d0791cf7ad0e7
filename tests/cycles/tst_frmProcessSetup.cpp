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
    void firstRunWithEmptyStore();
    void machineTypeRelabelsAndEnables_data();
    void machineTypeRelabelsAndEnables();
    void fillingByStoredMachineType_data();
    void fillingByStoredMachineType();
    void multusSelectsH1AndMacTurnKeepsIt();
    void otherMachineStillSavesDisabledGroups();
    void unknownAtcMacroOpensAsM441();
    void setSavesEveryKeyAndTheProfile();
    void setReadsBoxesByTheLeadingNumberRule();
    void setReadsHiddenBoxes();
    void setRefusesAValueOutOfRange_data();
    void setRefusesAValueOutOfRange();
    void cancelChangesNothing();
    void enterAndEscDoNothing();
    void enteringABoxSelectsItsText();
    void tabOrder();
    void runThroughTheModalSeam();

private:
    QTemporaryDir dir_;
    int files_ = 0;
    QString freshIni() { return dir_.filePath(QStringLiteral("q%1.ini").arg(++files_)); }
};

void TestFrmProcessSetup::firstRunWithEmptyStore() {
    SettingsStore store(freshIni());
    MachineProfile profile = readMachineProfile(store);
    frmProcessSetup d(profile, store);
    d.fillFromProfile();
    QCOMPARE(d.txtMaxS->text(), QStringLiteral("2500"));
    QVERIFY(d.mcOther->isChecked());
    QVERIFY(!d.txtHomeX->isHidden() && !d.txtHomeZ->isHidden() && !d.LabelAppZ->isHidden());
    QVERIFY(!d.TurretH->isEnabled() && !d.AtcMacro->isEnabled());
    QVERIFY(d.H2->isChecked() && d.M421->isChecked());
    QVERIFY(d.ChkOsp->isChecked() && d.ChkPanel->isChecked() && !d.ChkDoor->isChecked());
}

void TestFrmProcessSetup::machineTypeRelabelsAndEnables_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("homeShown");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("groupsEnabled");
    QTest::addColumn<bool>("h1Enabled");
    QTest::addColumn<bool>("h2Enabled");
    const int mac = int(MachineKind::MacTurn), mul = int(MachineKind::Multus), oth = int(MachineKind::Other);
    QTest::newRow("Other to MacTurn") << oth << mac << false << "G21 HP=4" << true << true << true;
    QTest::newRow("Other to MULTUS") << oth << mul << false << "G20 HP=4 M867" << true << true << false;
    QTest::newRow("MacTurn to Other") << mac << oth << true << "X" << false << false << false;
}

void TestFrmProcessSetup::machineTypeRelabelsAndEnables() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, homeShown);
    QFETCH(QString, caption);
    QFETCH(bool, groupsEnabled);
    QFETCH(bool, h1Enabled);
    QFETCH(bool, h2Enabled);
    MachineProfile profile = profileOf(MachineKind(from));
    SettingsStore store(freshIni());
    frmProcessSetup d(profile, store);
    d.fillFromProfile();
    QTest::mouseClick(machineOption(d, MachineKind(to)), Qt::LeftButton);
    QVERIFY(machineOption(d, MachineKind(to))->isChecked());
    QCOMPARE(!d.txtHomeX->isHidden(), homeShown);
    QCOMPARE(!d.txtHomeZ->isHidden(), homeShown);
    QCOMPARE(!d.LabelAppZ->isHidden(), homeShown);
    QCOMPARE(d.LabelAppX->text(), caption);
    QCOMPARE(d.TurretH->isEnabled(), groupsEnabled);
    QCOMPARE(d.AtcMacro->isEnabled(), groupsEnabled);
    QCOMPARE(d.H1->isEnabled(), h1Enabled);
    QCOMPARE(d.H2->isEnabled(), h2Enabled);
    for (QRadioButton* m : {d.M321, d.M421, d.M441})
        QCOMPARE(m->isEnabled(), groupsEnabled);
    // Hidden boxes keep the values they were filled with.
    QCOMPARE(d.txtHomeX->text(), QStringLiteral("500"));
    QCOMPARE(d.txtHomeZ->text(), QStringLiteral("500"));
}

void TestFrmProcessSetup::fillingByStoredMachineType_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("turretType");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("h1Checked");
    QTest::addColumn<bool>("h2Enabled");
    QTest::newRow("MacTurn H2") << int(MachineKind::MacTurn) << 2 << "G21 HP=4" << false << true;
    QTest::newRow("MacTurn H1") << int(MachineKind::MacTurn) << 1 << "G21 HP=4" << true << true;
    // The stored turret type is applied after the machine type: H2 opens selected though disabled.
    QTest::newRow("MULTUS H2") << int(MachineKind::Multus) << 2 << "G20 HP=4 M867" << false << false;
    QTest::newRow("MULTUS H1") << int(MachineKind::Multus) << 1 << "G20 HP=4 M867" << true << false;
    QTest::newRow("Other H1") << int(MachineKind::Other) << 1 << "X" << true << false;
}

void TestFrmProcessSetup::fillingByStoredMachineType() {
    QFETCH(int, kind);
    QFETCH(int, turretType);
    QFETCH(QString, caption);
    QFETCH(bool, h1Checked);
    QFETCH(bool, h2Enabled);
    MachineProfile profile = profileOf(MachineKind(kind));
    profile.gTurretType = static_cast<short>(turretType);
    SettingsStore store(freshIni());
    frmProcessSetup d(profile, store);
    d.fillFromProfile();
    QVERIFY(machineOption(d, MachineKind(kind))->isChecked());
    QCOMPARE(d.LabelAppX->text(), caption);
    QCOMPARE(d.H1->isChecked(), h1Checked);
    QCOMPARE(d.H2->isChecked(), !h1Checked);
    QCOMPARE(d.H2->isEnabled(), h2Enabled);
}

void TestFrmProcessSetup::multusSelectsH1AndMacTurnKeepsIt() {
    MachineProfile profile;
    SettingsStore store(freshIni());
    frmProcessSetup d(profile, store);
    d.fillFromProfile();
    QVERIFY(d.H2->isChecked());
    QTest::mouseClick(d.mcMULTUS, Qt::LeftButton);
    QVERIFY(d.H1->isChecked());
    QVERIFY(!d.H2->isEnabled());
    QTest::mouseClick(d.mcMacTurn, Qt::LeftButton);
    QVERIFY(d.H2->isEnabled());
    QVERIFY(d.H1->isChecked());
    QTest::mouseClick(d.mcMULTUS, Qt::LeftButton);
    QTest::mouseClick(d.Command1, Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(store.read(kParameter, QStringLiteral("TurretType"), QString()), QStringLiteral("1"));
    QCOMPARE(store.read(kParameter, QStringLiteral("MULTUS"), QString()), QStringLiteral("True"));
    QCOMPARE(store.read(kParameter, QStringLiteral("MacTurn"), QString()), QStringLiteral("False"));
    QCOMPARE(MachineType(profile), MachineKind::Multus);
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
}

void TestFrmProcessSetup::unknownAtcMacroOpensAsM441() {
    MachineProfile profile;
    profile.gAtcMacro = QStringLiteral("m421");  // the comparison is case-sensitive
    SettingsStore store(freshIni());
    frmProcessSetup d(profile, store);
    d.fillFromProfile();
    QVERIFY(d.M441->isChecked());
    d.Command1_Click();
    QCOMPARE(profile.gAtcMacro, QStringLiteral("M441"));
    QCOMPARE(store.read(kParameter, QStringLiteral("AtcMacroType"), QString()), QStringLiteral("M441"));
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
        d.txtHomeX->setText(QStringLiteral("12.5"));
        d.txtHomeZ->setText(QStringLiteral("-3"));
        d.txtAppX->setText(QStringLiteral("8"));
        d.txtAppZ->setText(QStringLiteral("0.2"));
        for (QCheckBox* box : {d.ChkBturret, d.chkToolLife, d.ChkDoor, d.ChkOsp, d.ChkMeasuer, d.ChkPanel,
                               d.ChkToolFrom, d.ChkLoadMoniter, d.ChkOptionalStop})
            box->setChecked(!box->isChecked());
        d.H1->setChecked(true);
        d.M321->setChecked(true);
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
    QCOMPARE(profile.gMaxSpindleSpeed.value(), 3500.5f);
    QCOMPARE(profile.gHomeX, 12.5);
    QCOMPARE(profile.gApproachZ, 0.2);
    QCOMPARE(MachineType(profile), MachineKind::MacTurn);

    SettingsStore reopened(ini);
    const std::pair<const char*, const char*> expected[] = {
        {"MaxS", "3500.5"},     {"HomeX", "12.5"},      {"HomeZ", "-3"},        {"AppX", "8"},
        {"AppZ", "0.2"},        {"TG", "True"},         {"OSPU100", "False"},   {"MacTurn", "True"},
        {"MULTUS", "False"},    {"Bturret", "True"},    {"Measuer", "True"},    {"PanelChk", "False"},
        {"AutoDoor", "True"},   {"TurretType", "1"},    {"AtcMacroType", "M321"}, {"ToolFrom", "False"},
        {"LoadMoniter", "True"}, {"OptionalStop", "True"},
    };
    for (auto [key, text] : expected)
        QCOMPARE(reopened.read(kParameter, QString::fromLatin1(key), QStringLiteral("<absent>")),
                 QString::fromLatin1(text));

    // The next opening shows what was saved.
    MachineProfile again = readMachineProfile(reopened);
    frmProcessSetup next(again, reopened);
    next.fillFromProfile();
    QCOMPARE(next.txtMaxS->text(), QStringLiteral("3500.5"));
    QCOMPARE(next.txtAppZ->text(), QStringLiteral("0.2"));
    QVERIFY(next.mcMacTurn->isChecked());
    QVERIFY(next.H1->isChecked() && next.M321->isChecked());
    QVERIFY(!next.ChkPanel->isChecked() && next.ChkOptionalStop->isChecked());
}

void TestFrmProcessSetup::setReadsBoxesByTheLeadingNumberRule() {
    MachineProfile profile;
    SettingsStore store(freshIni());
    frmProcessSetup d(profile, store);
    d.fillFromProfile();
    d.txtMaxS->setText(QStringLiteral(" 3 000"));
    d.txtAppX->setText(QStringLiteral("12.5abc"));
    d.txtAppZ->setText(QStringLiteral("-.5"));
    d.Command1_Click();
    QCOMPARE(profile.gMaxSpindleSpeed.value(), 3000.0f);
    QCOMPARE(profile.gApproachX, 12.5);
    QCOMPARE(profile.gApproachZ, -0.5);
    QCOMPARE(store.read(kParameter, QStringLiteral("MaxS"), QString()), QStringLiteral("3000"));
    QCOMPARE(store.read(kParameter, QStringLiteral("AppX"), QString()), QStringLiteral("12.5"));
    QCOMPARE(store.read(kParameter, QStringLiteral("AppZ"), QString()), QStringLiteral("-0.5"));
}

void TestFrmProcessSetup::setReadsHiddenBoxes() {
    MachineProfile profile = profileOf(MachineKind::MacTurn);
    SettingsStore store(freshIni());
    frmProcessSetup d(profile, store);
    d.fillFromProfile();
    QVERIFY(d.txtHomeX->isHidden());
    d.txtHomeX->setText(QStringLiteral("321"));
    d.Command1_Click();
    QCOMPARE(profile.gHomeX, 321.0);
    QCOMPARE(store.read(kParameter, QStringLiteral("HomeX"), QString()), QStringLiteral("321"));
}

void TestFrmProcessSetup::setRefusesAValueOutOfRange_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("spindle beyond single precision")
        << "txtMaxS" << "1E39" << "Max.Spindle S: the value is out of range.";
    QTest::newRow("home X beyond double precision")
        << "txtHomeX" << "1E400" << "Turret index X: the value is out of range.";
    QTest::newRow("home Z") << "txtHomeZ" << "-1D999" << "Turret index Z: the value is out of range.";
    QTest::newRow("approach X") << "txtAppX" << "9E999" << "Apploch X: the value is out of range.";
    QTest::newRow("approach Z") << "txtAppZ" << "1E309" << "Apploch Z: the value is out of range.";
    QTest::newRow("spindle without a number") << "txtMaxS" << "abc" << "Max.Spindle S: enter a number.";
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
    QVERIFY(edit);
    edit->setText(text);

    test::ScriptedResponder responder;
    responder.answerMessage(modal::kOk);
    d.Command1_Click();
    QCOMPARE(responder.messages.size(), size_t(1));
    QCOMPARE(responder.messages[0].text, message);
    QCOMPARE(responder.messages[0].style, int(modal::kOkOnly) | modal::kExclamation);
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
    d.ChkOptionalStop->setChecked(true);
    QTest::mouseClick(d.Command2, Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(profile.gMaxSpindleSpeed.value(), 2500.0f);
    QVERIFY(!profile.gMacTurn && !profile.gOptionalStop);
    QVERIFY(!store.contains(kParameter, QStringLiteral("MaxS")));
    QVERIFY(!store.contains(kParameter, QStringLiteral("MacTurn")));
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

void TestFrmProcessSetup::tabOrder() {
    MachineProfile profile;
    SettingsStore store(freshIni());
    frmProcessSetup d(profile, store);
    const QList<QWidget*> expected = {
        d.txtMaxS, d.txtHomeX, d.txtHomeZ, d.txtAppX, d.txtAppZ, d.Command1, d.Command2,
        d.H1, d.H2, d.M321, d.M421, d.M441,
        d.ChkDoor, d.ChkPanel, d.ChkMeasuer, d.ChkBturret, d.ChkOsp, d.chkToolLife, d.ChkToolFrom, d.ChkLoadMoniter,
        d.mcOther, d.mcMacTurn, d.mcMULTUS, d.ChkOptionalStop,
    };
    // Labels and frames sit in the focus chain too but never take the focus.
    QList<QWidget*> chain;
    QWidget* w = d.txtMaxS;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w;
        w = w->nextInFocusChain();
    } while (w != d.txtMaxS);
    QCOMPARE(chain, expected);
}

void TestFrmProcessSetup::runThroughTheModalSeam() {
    MachineProfile profile;
    SettingsStore store(freshIni());
    test::ScriptedResponder responder;
    responder.dialogHandler = [](QDialog* dialog) {
        auto* d = qobject_cast<frmProcessSetup*>(dialog);
        if (!d || d->txtMaxS->text() != QStringLiteral("2500"))
            return int(QDialog::Rejected);
        d->txtMaxS->setText(QStringLiteral("4000"));
        QTest::mouseClick(d->mcMULTUS, Qt::LeftButton);
        QTest::mouseClick(d->Command1, Qt::LeftButton);
        return d->result();
    };
    QVERIFY(runProcessSetup(profile, store, nullptr));
    QCOMPARE(profile.gMaxSpindleSpeed.value(), 4000.0f);
    QCOMPARE(MachineType(profile), MachineKind::Multus);
    QVERIFY(showsMachineTypeMenus(MachineType(profile)));

    responder.dialogHandler = [](QDialog* dialog) {
        auto* d = qobject_cast<frmProcessSetup*>(dialog);
        QTest::mouseClick(d->mcOther, Qt::LeftButton);
        QTest::mouseClick(d->Command2, Qt::LeftButton);
        return d->result();
    };
    QVERIFY(!runProcessSetup(profile, store, nullptr));
    QCOMPARE(MachineType(profile), MachineKind::Multus);
    QCOMPARE(store.read(kParameter, QStringLiteral("MaxS"), QString()), QStringLiteral("4000"));
}

QTEST_MAIN(TestFrmProcessSetup)
#include "tst_frmProcessSetup.moc"
