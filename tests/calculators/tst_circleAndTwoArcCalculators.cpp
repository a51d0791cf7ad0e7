#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "calculators/frmCircleCircle.h"
#include "calculators/frmLine2Circle2.h"
#include "common/shared_state.h"
#include "platform/PictureBox.h"
#include "platform/key_locks.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"
#include "support/test_support.h"
#include "calculator_window_fixture.h"

using namespace quillmar;
using namespace quillmar::test;
using Drawn = RecordingSurface::Drawn;

namespace {

const QStringList kWorkedExample = {"0",     "10.954", "84.615", "4.213",  "90",     "0",
                                    "2.692", "-4.213", "76",     "10.954", "-4.308", "6.741"};

QList<QLineEdit*> blendResults(frmLine2Circle2& w) {
    return {w.Text2,  w.Text5,  w.Text7,  w.Text8,  w.Text9,  w.Text10,
            w.Text11, w.Text12, w.Text13, w.Text14, w.Text15, w.Text16};
}

}  // namespace

class TestCircleAndTwoArcCalculators : public QObject {
    Q_OBJECT

private slots:
    void openedFromMenuAndToolbarAndInsertIntoTheDocument();
    void circleCircleChainsAndCaptions();
    void circleCircleComputesSwitchesPlaneAndFails();
    void blendEmptyingRuleAndModes();
    void blendEnterChainPassesTextEightInBothModes();
    void blendRecomputesOnlyOnItsEvents();
    void printing();
};

void TestCircleAndTwoArcCalculators::openedFromMenuAndToolbarAndInsertIntoTheDocument() {
    TempSettings temp;
    SettingsStore settings{temp.path()};
    SharedState state;
    InProcessKeyLocks keys;
    frmMain main{state, settings, keys};
    main.MDIForm_Load(QString());
    main.show();
    main.mnuFileNew_Click();
    frmDocument* doc = main.activeDocument();
    QVERIFY(doc);

    main.toolbarButton(29)->trigger();
    auto* circles = qobject_cast<frmCircleCircle*>(main.toolWindow("frmCircleCircle"));
    QVERIFY(circles && circles->isVisible());
    main.runCommand("CircleCircle");
    QCOMPARE(main.toolWindow("frmCircleCircle"), static_cast<QWidget*>(circles));
    main.runCommand("Line2Circle2");
    auto* blend = qobject_cast<frmLine2Circle2*>(main.toolWindow("frmLine2Circle2"));
    QVERIFY(blend && blend->isVisible());
    main.toolbarButton(30)->trigger();
    QCOMPARE(main.toolWindow("frmLine2Circle2"), static_cast<QWidget*>(blend));

    // A user fills both windows, recomputes and inserts.
    for (const auto& [box, text] : {std::pair{circles->Text1, "0"}, {circles->Text2, "0"}, {circles->Text3, "5"},
                                    {circles->Text4, "0"}, {circles->Text5, "6"}, {circles->Text6, "5"}})
        box->setText(text);
    circles->OptionXY->click();
    circles->Command3->click();
    for (const auto& [box, text] : {std::pair{blend->Text1, "100"}, {blend->Text4, "60"}, {blend->Text3, "5"},
                                    {blend->Text6, "8"}, {blend->Text2, "0"}})
        box->setText(text);
    blend->Option1->click();
    blend->Command5->click();
    QCOMPARE(doc->txtText->Text(), QStringLiteral(" X4 Y3\r\nI2.692 K-4.213\r\n"));
    circles->close();
    blend->close();
    QTRY_VERIFY(!main.toolWindow("frmCircleCircle") && !main.toolWindow("frmLine2Circle2"));
    doc->txtText->setModified(false);
}

void TestCircleAndTwoArcCalculators::circleCircleChainsAndCaptions() {
    CalculatorWindow<frmCircleCircle> c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    auto& w = c.w;
    c.expectEnterChain({w.Text1, w.Text2, w.Text3, w.Text4, w.Text5, w.Text6, w.Text1});
    // The picture stands second in the Tab order and recomputes when it takes the focus.
    QCOMPARE(w.Text1->nextInFocusChain(), static_cast<QWidget*>(w.Picture1));
    QCOMPARE(w.Command1->text(), QStringLiteral("X Z Insert"));
    QCOMPARE(w.Command3->text(), QStringLiteral("X Z Insert"));
    w.OptionXZ->click();
    QCOMPARE(w.Command1->text(), QStringLiteral("X Z 挿入"));
    w.OptionXY->click();
    for (QLabel* label : {w.Label2, w.Label5, w.Label8, w.Label14})
        QCOMPARE(label->text(), QStringLiteral("Y"));
    QCOMPARE(w.Command3->text(), QStringLiteral("X Y 挿入"));
    QCOMPARE(w.Label3->text(), QStringLiteral("R"));
    QCOMPARE(QApplication::focusWidget(), w.Text1);
}

void TestCircleAndTwoArcCalculators::circleCircleComputesSwitchesPlaneAndFails() {
    CalculatorWindow<frmCircleCircle> c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    auto& w = c.w;
    const QList<QLineEdit*> results = {w.Text7, w.Text8, w.Text11, w.Text12};
    c.type({{w.Text1, "0"}, {w.Text2, "0"}, {w.Text3, "5"}, {w.Text4, "0"}, {w.Text5, "6"}, {w.Text6, "5"}});
    QCOMPARE(c.texts(results), (QStringList{"8", "3", "-8", "3"}));
    const auto labels = c.shownOfKind(Drawn::Text);
    QCOMPARE(labels.size(), std::size_t(2));
    QCOMPARE(labels[0].text, QStringLiteral(" 1"));
    QCOMPARE(labels[0].colour, kLabelColour);
    QCOMPARE(c.shownOfKind(Drawn::Circle).size(), std::size_t(6));
    w.Command1->click();
    w.Command3->click();
    QCOMPARE(c.inserted, (QStringList{" X8 Z3\r\n", " X-8 Z3\r\n"}));

    w.OptionXY->click();
    QCOMPARE(c.texts(results), (QStringList{"-4", "3", "4", "3"}));
    // The centres swapped: centre 2 straight toward smaller Y.
    c.type({{w.Text2, "6"}, {w.Text5, "0"}});
    QCOMPARE(c.texts(results), (QStringList{"4", "3", "-4", "3"}));
    // Apart: the failure text in red, the results kept.
    c.type({{w.Text5, "-5"}});
    QCOMPARE(c.texts(results), (QStringList{"4", "3", "-4", "3"}));
    QCOMPARE(c.surface.shown().size(), std::size_t(1));
    QCOMPARE(c.surface.shown()[0].text, kNoCrossingText);
    QCOMPARE(c.surface.shown()[0].colour, kMarkerColour);
}

void TestCircleAndTwoArcCalculators::blendEmptyingRuleAndModes() {
    CalculatorWindow<frmLine2Circle2> c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    auto& w = c.w;
    QVERIFY(w.Option3->isChecked() && w.Option1->isChecked());
    QVERIFY(w.Text7->isReadOnly() && !w.Text8->isReadOnly());
    QCOMPARE(w.Label21->text(), QStringLiteral("※Z軸位置は接点１・接点２．接点３のいずれかを入力してください。"));
    c.type({{w.Text1, "100"}, {w.Text4, "60"}, {w.Text3, "5"}, {w.Text6, "8"}, {w.Text2, "0"}});
    QCOMPARE(c.texts(blendResults(w)), kWorkedExample);
    c.inserted.clear();
    w.Command5->click();
    w.Command6->click();
    w.Command4->click();
    QCOMPARE(c.inserted, (QStringList{"I2.692 K-4.213\r\n", "I-4.308 K6.741\r\n", "X84.615 Z4.213\r\n"}));

    // Leaving a filled Text8 makes P3 the given position: Text2 and Text5 are emptied
    // first and come back from it.
    c.type({{w.Text8, "10"}});
    QCOMPARE(w.Text2->text(), QStringLiteral("5.786"));
    QCOMPARE(w.Text5->text(), QStringLiteral("16.741"));
    QCOMPARE(w.Text8->text(), QStringLiteral("10"));
    // A new radius keeps P1 where it is.
    c.type({{w.Text3, "6"}});
    QCOMPARE(w.Text2->text(), QStringLiteral("5.786"));

    // "Verti": the lock moves to Text8, the note changes, the boxes are read anew.
    w.Option4->click();
    QVERIFY(!w.Text7->isReadOnly() && w.Text8->isReadOnly());
    QCOMPARE(w.Label21->text(), QStringLiteral("※X軸位置は接点１・接点２．接点３のいずれかを入力してください。"));
    QCOMPARE(QApplication::focusWidget(), w.Text1);
    c.type({{w.Text2, "0"}, {w.Text5, "-20"}, {w.Text3, "5"}, {w.Text6, "8"}, {w.Text1, "50"}});
    QCOMPARE(c.texts(blendResults(w)),
             (QStringList{"0", "-20", "58.426", "-7.693", "50", "-5", "-4.213", "2.693", "71.908", "-12", "6.741",
                          "-4.307"}));
    QCOMPARE(w.Text4->text(), QStringLiteral("71.908"));
    // In "Verti" leaving Text8 empties nothing; leaving a filled X box empties the others.
    w.Text8->setFocus(Qt::MouseFocusReason);
    w.Text2->setFocus(Qt::MouseFocusReason);
    QCOMPARE(w.Text4->text(), QStringLiteral("71.908"));
    c.type({{w.Text7, "58.426"}});
    QCOMPARE(w.Text1->text(), QStringLiteral("49.999"));
    QCOMPARE(w.Text7->text(), QStringLiteral("58.426"));
    w.Option3->click();
    QVERIFY(w.Text7->isReadOnly() && !w.Text8->isReadOnly());
}

void TestCircleAndTwoArcCalculators::blendEnterChainPassesTextEightInBothModes() {
    CalculatorWindow<frmLine2Circle2> c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    auto& w = c.w;
    const QList<QWidget*> chain = {w.Text1, w.Text2, w.Text3, w.Text4, w.Text5, w.Text6, w.Text8, w.Text1};
    c.expectEnterChain(chain);
    c.expectEnterChain({w.Text7, w.Text1});
    w.Option4->click();
    c.expectEnterChain(chain);  // Text8 is locked now, and still in the chain
}

void TestCircleAndTwoArcCalculators::blendRecomputesOnlyOnItsEvents() {
    CalculatorWindow<frmLine2Circle2> c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    auto& w = c.w;
    c.type({{w.Text1, "40"}});
    QCOMPARE(c.surface.shown().size(), std::size_t(1));
    QCOMPARE(c.surface.shown()[0].scale, (UserScale{-906.0f, -520.0f, 1812.0f, 1000.0f}));
    c.type({{w.Text4, "60"}, {w.Text3, "5"}, {w.Text6, "8"}, {w.Text2, "0"}, {w.Text1, "100"}});
    QCOMPARE(c.texts(blendResults(w)), kWorkedExample);
    const std::size_t drawn = c.surface.drawn.size();
    w.Text5->setText("3");
    w.Picture1->setFocus(Qt::MouseFocusReason);  // no recompute when the picture takes the focus
    w.repaint();
    QCOMPARE(c.surface.drawn.size(), drawn);
    // Lines too far apart for the radii: the failure text in red, the boxes kept.
    c.type({{w.Text4, "20"}});
    QCOMPARE(w.Text7->text(), QStringLiteral("84.615"));
    QCOMPARE(c.surface.shown().back().text, kNoCrossingText);
    QCOMPARE(c.surface.shown().back().colour, kMarkerColour);
}

void TestCircleAndTwoArcCalculators::printing() {
    {
        CalculatorWindow<frmCircleCircle> c;
        QVERIFY(QTest::qWaitForWindowActive(&c.w));
        c.type({{c.w.Text1, "0"}, {c.w.Text2, "0"}, {c.w.Text3, "5"},
                {c.w.Text4, "0"}, {c.w.Text5, "6"}, {c.w.Text6, "5"}});
        c.expectPrintRedrawsOnWhite(QStringLiteral("Command7"));
    }
    {
        CalculatorWindow<frmLine2Circle2> c;
        QVERIFY(QTest::qWaitForWindowActive(&c.w));
        c.type({{c.w.Text1, "100"}, {c.w.Text4, "60"}, {c.w.Text3, "5"}, {c.w.Text6, "8"}, {c.w.Text2, "0"}});
        c.expectPrintRedrawsOnWhite();
        QCOMPARE(c.texts(blendResults(c.w)), kWorkedExample);
    }
}

QTEST_MAIN(TestCircleAndTwoArcCalculators)
#include "tst_circleAndTwoArcCalculators.moc"
