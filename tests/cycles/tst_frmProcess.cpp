#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "common/shared_state.h"
#include "cycles/frmProcess.h"
#include "window_test.h"

using namespace quillmar;
using test::focusName;
using test::showAndActivate;

class TestFrmProcess : public QObject {
    Q_OBJECT

private slots:
    void layoutIsAppliedAndUnknownNamesAreFound() {
        SharedState state;
        frmProcess d(state);
        ProcessDialogLayout layout;
        layout.caption = QStringLiteral("Face Rough");
        layout.captions = {{"LabelD", "Deepth"}, {"Frame3", "R/C"}, {"LabelQ", "x"}};
        layout.hidden = {"StartC", "Endz"};
        layout.shown = {"SZ"};
        layout.toolTips = {{"U", "M3=2.6 M4=3.4"}};
        layout.texts = {{"StartZ", "0"}};
        QCOMPARE(d.unknownControls(layout), (QStringList{"LabelQ", "Endz"}));
        d.applyLayout(layout);
        QCOMPARE(d.windowTitle() + d.LabelD->text() + d.Frame3->title(), QStringLiteral("Face RoughDeepthR/C"));
        QVERIFY(d.StartC->isHidden() && !d.SZ->isHidden());
        QCOMPARE(d.U->toolTip(), QStringLiteral("M3=2.6 M4=3.4"));
        // Box texts wait for the defaults.
        QCOMPARE(d.StartZ->text(), QString());
        d.setBoxTexts(layout.texts);
        QCOMPARE(d.StartZ->text(), QStringLiteral("0"));
    }

    // B and the tip options only on MacTurn and MULTUS; SZ and the chamfer options nowhere at
    // design.
    void tabOrderPassesOverHiddenControls() {
        for (MachineKind kind : {MachineKind::Other, MachineKind::MacTurn, MachineKind::Multus}) {
            const bool bAxis = kind != MachineKind::Other;
            SharedState state;
            state.profile.gMacTurn = kind == MachineKind::MacTurn;
            state.profile.gMultus = kind == MachineKind::Multus;
            frmProcess d(state);
            d.ShowBAxisFields();
            d.SpindleCW->setChecked(true);
            d.CoolantON->setChecked(true);
            showAndActivate(d);
            d.ToolNumber->setFocus();
            QStringList seen = {focusName(d)};
            for (int i = 0; i < 19; ++i) {
                QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
                seen << focusName(d);
            }
            QStringList order = {"ToolNumber", "V", "F", "U", "W", "D", "L", "C", "StartX", "StartZ", "StartC",
                                 "EndX", "EndZ", "EndC", "Command1", "Command2", "SpindleCW", "CoolantON"};
            if (bAxis) {
                order.insert(1, QStringLiteral("B"));
                order << QStringLiteral("M602");
            }
            order << QStringLiteral("ToolNumber") << QStringLiteral("V");
            QCOMPARE(seen, order.mid(0, 20));
        }
    }

    void enterMovesOnFromTheFirstThreeBoxesOnly() {
        SharedState state;
        frmProcess d(state);
        showAndActivate(d);
        d.ToolNumber->setFocus();
        QTest::keyClick(d.ToolNumber, Qt::Key_Return);
        QTest::keyClick(d.V, Qt::Key_Enter);
        QTest::keyClick(d.F, Qt::Key_Return);
        QCOMPARE(focusName(d), QStringLiteral("U"));
        QTest::keyClick(d.U, Qt::Key_Return);
        QCOMPARE(focusName(d), QStringLiteral("U"));
        QCOMPARE(d.result(), 0);
        // Enter on a button that has the focus presses it.
        d.Command2->setFocus();
        QTest::keyClick(d.Command2, Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }

    void enteringABoxSelectsItsText() {
        SharedState state;
        frmProcess d(state);
        d.V->setText(QStringLiteral("300"));
        showAndActivate(d);
        d.ToolNumber->setFocus();
        QTest::keyClick(d.ToolNumber, Qt::Key_Tab);
        QCOMPARE(d.V->selectedText(), QStringLiteral("300"));
        d.StartX->setText(QStringLiteral("1.5"));
        QTest::mouseClick(d.StartX, Qt::LeftButton, {}, QPoint(2, d.StartX->height() / 2));
        QTRY_COMPARE(d.StartX->selectedText(), QStringLiteral("1.5"));
        QTest::keyClicks(d.StartX, QStringLiteral("2"));
        QCOMPARE(d.StartX->text(), QStringLiteral("2"));
    }

    // B is read as written (90.0004 is 90; too large is not 90) when the user tabs on.
    void bLostFocusRelabelsTheTiltedDialogs() {
        const struct {
            bool relabel;
            const char *typed, *label;
        } cases[] = {{true, "90", "X"},     {true, "45", "Z"},  {true, "90.0004", "X"},
                     {true, "1E400", "Z"},  {false, "90", "C"}};
        for (const auto& c : cases) {
            SharedState state;
            frmProcess d(state);
            ProcessDialogLayout layout;
            layout.relabelEndCOnB = c.relabel;
            layout.shown = {"LabelB", "LabelB2", "B"};
            d.applyLayout(layout);
            showAndActivate(d);
            d.B->setFocus();
            d.B->setText(QString::fromLatin1(c.typed));
            QTest::keyClick(d.B, Qt::Key_Tab);
            QCOMPARE(focusName(d), QStringLiteral("V"));
            QCOMPARE(d.LabelEndC->text(), QString::fromLatin1(c.label));
        }
    }

    void executeReadsTheBoxesAndAccepts() {
        SharedState state;
        state.profile.gMacTurn = true;
        frmProcess d(state);
        d.ShowBAxisFields();
        d.V->setText(QStringLiteral("12.5mm"));
        d.B->setText(QStringLiteral("45"));
        d.EndC->setText(QStringLiteral("1 2"));
        d.SpindleCW->setChecked(true);
        d.M603->setChecked(true);
        QTest::mouseClick(d.Command1, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(state.gDialogAccepted);
        const ProcessParameters& p = state.params;
        QCOMPARE(p.gParamV, 12.5);
        QCOMPARE(p.gEndC.value(), 12.0f);
        QCOMPARE(p.gSpindleCode + p.gCoolantCode + p.gTipCode + p.gBAxisShift + p.gBAxisCode,
                 QStringLiteral(" M03 M63 M09 M603 G52 BA=45"));
    }

    // Cancel, Escape and the close button reject, and leave the parameters as they were.
    void cancelEscapeAndCloseReject() {
        SharedState state;
        state.params.gParamV = 12.5;
        for (int how : {0, 1, 2}) {
            state.gDialogAccepted = true;
            frmProcess d(state);
            showAndActivate(d);
            d.V->setText(QStringLiteral("7"));
            d.V->setFocus();
            switch (how) {
                case 0: QTest::mouseClick(d.Command2, Qt::LeftButton); break;
                case 1: QTest::keyClick(d.V, Qt::Key_Escape); break;
                default: d.close(); break;
            }
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QVERIFY(!state.gDialogAccepted);
            QCOMPARE(state.params.gParamV, 12.5);
        }
    }
};

QTEST_MAIN(TestFrmProcess)
#include "tst_frmProcess.moc"
