#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "common/shared_state.h"
#include "cycles/frmProcess.h"

using namespace quillmar;

namespace {

MachineProfile profileOf(MachineKind kind) {
    MachineProfile p;
    p.gMacTurn = kind == MachineKind::MacTurn;
    p.gMultus = kind == MachineKind::Multus;
    return p;
}

QString focusName(const QWidget& window) {
    QWidget* w = window.focusWidget();
    return w ? w->objectName() : QString();
}

}  // namespace

class TestFrmProcess : public QObject {
    Q_OBJECT

private slots:
    void layoutIsAppliedByOneFunction();
    void unknownNamesInALayoutAreFound();
    void showBAxisFields_data();
    void showBAxisFields();
    void tabOrder_data();
    void tabOrder();
    void enterChain();
    void enterElsewhereDoesNothing();
    void enteringABoxSelectsItsText();
    void bLostFocusRelabelsTheTiltedDialogs_data();
    void bLostFocusRelabelsTheTiltedDialogs();
    void executeReadsAndAccepts();
    void cancelEscapeAndCloseReject_data();
    void cancelEscapeAndCloseReject();
    void readFailureStillCloses();

private:
    void showAndActivate(frmProcess& d) {
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
    }
};

void TestFrmProcess::layoutIsAppliedByOneFunction() {
    SharedState state;
    frmProcess d(state);
    ProcessDialogLayout layout;
    layout.caption = QStringLiteral("Face Rough");
    layout.captions = {{"LabelD", "Deepth"}, {"LabelD2", "X"}, {"LabelCZ", "Face end"}, {"Frame3", "R/C"},
                       {"LabelAttn", "Attn.Start Z-axis is munes"}, {"EndZ2", ""}};
    layout.hidden = {"StartC", "EndC", "TipPostion"};
    layout.shown = {"LabelSZ", "SZ"};
    layout.toolTips = {{"U", "M3=2.6 M4=3.4"}, {"F", "pitch"}};
    layout.texts = {{"StartZ", "0"}};
    d.applyLayout(layout);
    QCOMPARE(d.windowTitle(), QStringLiteral("Face Rough"));
    QCOMPARE(d.LabelD->text(), QStringLiteral("Deepth"));
    QCOMPARE(d.LabelD2->text(), QStringLiteral("X"));
    QCOMPARE(d.LabelCZ->text(), QStringLiteral("Face end"));
    QCOMPARE(d.Frame3->title(), QStringLiteral("R/C"));
    QCOMPARE(d.LabelAttn->text(), QStringLiteral("Attn.Start Z-axis is munes"));
    QCOMPARE(d.EndZ2->text(), QString());
    QVERIFY(d.StartC->isHidden() && d.EndC->isHidden() && d.TipPostion->isHidden());
    QVERIFY(!d.LabelSZ->isHidden() && !d.SZ->isHidden());
    QCOMPARE(d.U->toolTip(), QStringLiteral("M3=2.6 M4=3.4"));
    QCOMPARE(d.F->toolTip(), QStringLiteral("pitch"));
    // Box texts wait for the defaults.
    QCOMPARE(d.StartZ->text(), QString());
    d.setBoxTexts(layout.texts);
    QCOMPARE(d.StartZ->text(), QStringLiteral("0"));
}

void TestFrmProcess::unknownNamesInALayoutAreFound() {
    SharedState state;
    frmProcess d(state);
    ProcessDialogLayout layout;
    layout.captions = {{"LabelD", "x"}, {"LabelQ", "x"}};
    layout.hidden = {"EndZ", "Endz"};
    layout.texts = {{"StartX", "1"}, {"Start", "1"}};
    QCOMPARE(d.unknownControls(layout), (QStringList{"LabelQ", "Endz", "Start"}));
    d.applyLayout(layout);  // unknown names are passed over
    QCOMPARE(d.LabelD->text(), QStringLiteral("x"));
}

void TestFrmProcess::showBAxisFields_data() {
    QTest::addColumn<int>("machine");
    QTest::addColumn<bool>("shown");
    QTest::newRow("MacTurn") << int(MachineKind::MacTurn) << true;
    QTest::newRow("MULTUS") << int(MachineKind::Multus) << true;
    QTest::newRow("Other") << int(MachineKind::Other) << false;
}

void TestFrmProcess::showBAxisFields() {
    QFETCH(int, machine);
    QFETCH(bool, shown);
    SharedState state;
    state.profile = profileOf(MachineKind(machine));
    frmProcess d(state);
    d.TipPostion->hide();
    d.ShowBAxisFields();
    for (QWidget* w : {static_cast<QWidget*>(d.LabelB), static_cast<QWidget*>(d.LabelB2),
                       static_cast<QWidget*>(d.B), static_cast<QWidget*>(d.TipPostion)})
        QCOMPARE(!w->isHidden(), shown);
    QVERIFY(d.SZ->isHidden() && d.Frame3->isHidden());
}

void TestFrmProcess::tabOrder_data() {
    QTest::addColumn<int>("machine");
    QTest::addColumn<QStringList>("order");
    // Hidden controls are passed over: B and the tip options on other machines, SZ and
    // the chamfer options everywhere at design.
    QTest::newRow("Other") << int(MachineKind::Other)
                           << QStringList{"ToolNumber", "V", "F", "U", "W", "D", "L", "C", "StartX", "StartZ",
                                          "StartC", "EndX", "EndZ", "EndC", "Command1", "Command2",
                                          "SpindleCW", "CoolantON", "ToolNumber"};
    QTest::newRow("MacTurn") << int(MachineKind::MacTurn)
                             << QStringList{"ToolNumber", "B", "V", "F", "U", "W", "D", "L", "C", "StartX",
                                            "StartZ", "StartC", "EndX", "EndZ", "EndC", "Command1", "Command2",
                                            "SpindleCW", "CoolantON", "M602", "ToolNumber"};
}

void TestFrmProcess::tabOrder() {
    QFETCH(int, machine);
    QFETCH(QStringList, order);
    SharedState state;
    state.profile = profileOf(MachineKind(machine));
    frmProcess d(state);
    d.ShowBAxisFields();
    d.SpindleCW->setChecked(true);
    d.CoolantON->setChecked(true);
    showAndActivate(d);
    d.ToolNumber->setFocus();
    QStringList seen = {focusName(d)};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
        seen << focusName(d);
    }
    QCOMPARE(seen, order);
}

void TestFrmProcess::enterChain() {
    SharedState state;
    frmProcess d(state);
    showAndActivate(d);
    d.ToolNumber->setFocus();
    QTest::keyClick(d.ToolNumber, Qt::Key_Return);
    QCOMPARE(focusName(d), QStringLiteral("V"));
    QTest::keyClick(d.V, Qt::Key_Enter);
    QCOMPARE(focusName(d), QStringLiteral("F"));
    QTest::keyClick(d.F, Qt::Key_Return);
    QCOMPARE(focusName(d), QStringLiteral("U"));
}

void TestFrmProcess::enterElsewhereDoesNothing() {
    SharedState state;
    frmProcess d(state);
    showAndActivate(d);
    for (QLineEdit* box : {d.U, d.W, d.D, d.L, d.C, d.StartX, d.StartZ, d.StartC, d.EndX, d.EndZ, d.EndC}) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(d.focusWidget(), box);
    }
    QVERIFY(d.isVisible());
    QCOMPARE(d.result(), 0);
    // Enter on a button that has the focus presses it.
    d.Command2->setFocus();
    QTest::keyClick(d.Command2, Qt::Key_Return);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Rejected));
}

void TestFrmProcess::enteringABoxSelectsItsText() {
    SharedState state;
    frmProcess d(state);
    d.V->setText(QStringLiteral("300"));
    d.F->setText(QString());
    showAndActivate(d);
    d.ToolNumber->setFocus();
    QTest::keyClick(d.ToolNumber, Qt::Key_Tab);
    QCOMPARE(d.focusWidget(), d.V);
    QCOMPARE(d.V->selectedText(), QStringLiteral("300"));
    QTest::keyClick(d.V, Qt::Key_Tab);
    QCOMPARE(d.F->selectedText(), QString());
    QVERIFY(!d.F->hasSelectedText());
    // Typing replaces the selected text.
    d.StartX->setText(QStringLiteral("1.5"));
    QTest::mouseClick(d.StartX, Qt::LeftButton, {}, QPoint(2, d.StartX->height() / 2));
    QTRY_COMPARE(d.StartX->selectedText(), QStringLiteral("1.5"));
    QTest::keyClicks(d.StartX, QStringLiteral("2"));
    QCOMPARE(d.StartX->text(), QStringLiteral("2"));
}

void TestFrmProcess::bLostFocusRelabelsTheTiltedDialogs_data() {
    QTest::addColumn<bool>("relabel");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("label");
    QTest::newRow("90") << true << "90" << "X";
    QTest::newRow("45") << true << "45" << "Z";
    QTest::newRow("empty") << true << "" << "Z";
    QTest::newRow("written as 90") << true << "90.0004" << "X";
    QTest::newRow("90.0") << true << "90.0" << "X";
    QTest::newRow("too large") << true << "1E400" << "Z";
    QTest::newRow("not relabelled") << false << "90" << "C";
}

void TestFrmProcess::bLostFocusRelabelsTheTiltedDialogs() {
    QFETCH(bool, relabel);
    QFETCH(QString, typed);
    QFETCH(QString, label);
    SharedState state;
    frmProcess d(state);
    ProcessDialogLayout layout;
    layout.caption = QStringLiteral("Y/B M-Drill");
    layout.relabelEndCOnB = relabel;
    layout.shown = {"LabelB", "LabelB2", "B"};
    d.applyLayout(layout);
    showAndActivate(d);
    d.B->setFocus();
    d.B->setText(typed);
    QTest::keyClick(d.B, Qt::Key_Tab);
    QCOMPARE(focusName(d), QStringLiteral("V"));
    QCOMPARE(d.LabelEndC->text(), label);
}

void TestFrmProcess::executeReadsAndAccepts() {
    SharedState state;
    state.profile = profileOf(MachineKind::MacTurn);
    frmProcess d(state);
    d.ShowBAxisFields();
    showAndActivate(d);
    d.ToolNumber->setText(QStringLiteral("5"));
    d.V->setText(QStringLiteral("12.5mm"));
    d.C->setText(QStringLiteral("0.1"));
    d.B->setText(QStringLiteral("45"));
    d.EndC->setText(QStringLiteral("1 2"));
    d.SpindleCW->setChecked(true);
    d.M603->setChecked(true);
    d.Option2->setChecked(true);
    QTest::mouseClick(d.Command1, Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(state.gDialogAccepted);
    QCOMPARE(d.readError(), 0);
    const ProcessParameters& p = state.params;
    QCOMPARE(p.gToolNo, 5.0);
    QCOMPARE(p.gParamV, 12.5);
    QCOMPARE(p.gParamC.value(), 0.1f);
    QCOMPARE(p.gEndC.value(), 12.0f);
    QCOMPARE(p.gSpindleCode, QStringLiteral(" M03 M63"));
    QCOMPARE(p.gCoolantCode, QStringLiteral(" M09"));
    QCOMPARE(p.gTipCode, QStringLiteral(" M603"));
    QCOMPARE(p.gBAxisShift, QStringLiteral(" G52"));
    QCOMPARE(p.gBAxisCode, QStringLiteral(" BA=45"));
    QVERIFY(!p.gProcessOption1);
}

void TestFrmProcess::cancelEscapeAndCloseReject_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("close") << 2;
}

void TestFrmProcess::cancelEscapeAndCloseReject() {
    QFETCH(int, how);
    SharedState state;
    state.gDialogAccepted = true;
    state.params.gToolNo = 42;
    frmProcess d(state);
    showAndActivate(d);
    d.ToolNumber->setText(QStringLiteral("7"));
    d.ToolNumber->setFocus();
    switch (how) {
        case 0: QTest::mouseClick(d.Command2, Qt::LeftButton); break;
        case 1: QTest::keyClick(d.ToolNumber, Qt::Key_Escape); break;
        default: d.close(); break;
    }
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(!state.gDialogAccepted);
    QCOMPARE(state.params.gToolNo, 42.0);
}

void TestFrmProcess::readFailureStillCloses() {
    SharedState state;
    state.params.gToolNo = 42;
    frmProcess d(state);
    showAndActivate(d);
    d.ToolNumber->setText(QStringLiteral("5"));
    d.StartC->setText(QStringLiteral("1E39"));
    QTest::mouseClick(d.Command1, Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.readError(), 6);
    QCOMPARE(state.params.gToolNo, 42.0);
}

QTEST_MAIN(TestFrmProcess)
#include "tst_frmProcess.moc"
