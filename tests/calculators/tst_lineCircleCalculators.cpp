#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "calculators/frmCirclePoint.h"
#include "calculators/frmLineR.h"
#include "calculators/frmLineRPoint.h"
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

class TestLineCircleCalculators : public QObject {
    Q_OBJECT

private slots:
    void openedFromMenuAndToolbarAndInsertIntoTheDocument();
    void enterChains();
    void lineCircleComputesDrawsAndKeepsResultsOnFailure();
    void lineCirclePlaneSwitch();
    void lineCircleInserts();
    void arcThroughPointOptionsAndFailureColour();
    void circlePointCaptionsAndInsertsWithoutLineEnd();
    void printing();
    void insertWithoutADocumentDoesNothing();
};

void TestLineCircleCalculators::openedFromMenuAndToolbarAndInsertIntoTheDocument() {
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

    main.runCommand("LineCycle");
    auto* lineCircle = qobject_cast<frmLineR*>(main.toolWindow("frmLineR"));
    QVERIFY(lineCircle && lineCircle->isVisible());
    main.toolbarButton(26)->trigger();
    auto* arc = qobject_cast<frmLineRPoint*>(main.toolWindow("frmLineRPoint"));
    QVERIFY(arc && arc->isVisible());
    main.toolbarButton(27)->trigger();
    auto* tangent = qobject_cast<frmCirclePoint*>(main.toolWindow("frmCirclePoint"));
    QVERIFY(tangent && tangent->isVisible());
    main.runCommand("CirclePoint");
    QCOMPARE(main.toolWindow("frmCirclePoint"), static_cast<QWidget*>(tangent));

    // A user fills the tangent calculator, switches to X-Y and back, and inserts.
    tangent->Text1->setText("40");
    tangent->Text2->setText("-20");
    tangent->Text3->setText("5");
    tangent->Text4->setText("45");
    tangent->OptionXY->click();
    QCOMPARE(tangent->Text5->text(), QStringLiteral("43.535"));
    tangent->OptionXZ->click();
    tangent->Command1->click();
    tangent->Command3->click();
    QCOMPARE(doc->txtText->Text(), QStringLiteral(" X32.928 Z-16.465 I3.535 K-3.536"));

    lineCircle->Text1->setText("20");
    lineCircle->Text2->setText("0");
    lineCircle->Text3->setText("0");
    lineCircle->Text4->setText("20");
    lineCircle->Text5->setText("10");
    lineCircle->Text6->setText("5");
    lineCircle->OptionXZ->click();
    lineCircle->Command5->click();
    QVERIFY(doc->txtText->Text().endsWith(QStringLiteral("N000 G0* X20 Z15 L5\r\n")));
    for (QWidget* w : {static_cast<QWidget*>(lineCircle), static_cast<QWidget*>(arc), static_cast<QWidget*>(tangent)})
        w->close();
    QTRY_VERIFY(!main.toolWindow("frmLineR") && !main.toolWindow("frmLineRPoint") &&
                !main.toolWindow("frmCirclePoint"));
    doc->txtText->setModified(false);
}

void TestLineCircleCalculators::enterChains() {
    {
        CalculatorWindow<frmLineR> c;
        QVERIFY(QTest::qWaitForWindowActive(&c.w));
        c.expectEnterChain({c.w.Text1, c.w.Text2, c.w.Text3, c.w.Text4, c.w.Text5, c.w.Text6, c.w.Command1});
    }
    {
        CalculatorWindow<frmLineRPoint> c;
        QVERIFY(QTest::qWaitForWindowActive(&c.w));
        c.expectEnterChain({c.w.Text1, c.w.Text2, c.w.Text3, c.w.Text4, c.w.Text5, c.w.Text8, c.w.Command1});
        c.expectEnterChain({c.w.Text6, c.w.Text9});
        QVERIFY(c.w.Text6->isReadOnly() && c.w.Text9->isReadOnly());
    }
    {
        CalculatorWindow<frmCirclePoint> c;
        QVERIFY(QTest::qWaitForWindowActive(&c.w));
        c.expectEnterChain({c.w.Text1, c.w.Text2, c.w.Text3, c.w.Text4, c.w.Command3});
        // Enter on the button presses it.
        QTest::keyClick(c.w.Command3, Qt::Key_Return);
        QCOMPARE(c.inserted, QStringList{QStringLiteral(" I K")});
    }
}

void TestLineCircleCalculators::lineCircleComputesDrawsAndKeepsResultsOnFailure() {
    CalculatorWindow<frmLineR> c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    auto& w = c.w;
    const QList<QLineEdit*> results = {w.Text9, w.Text13, w.Text7, w.Text8, w.Text10, w.Text11, w.Text12, w.Text14};
    c.type({{w.Text1, "0"}, {w.Text2, "0"}, {w.Text3, "30"}});
    QCOMPARE(c.surface.shown().size(), std::size_t(1));  // the line alone at the default scale
    QCOMPARE(c.surface.shown()[0].scale, defaultCalculatorScale());
    c.type({{w.Text4, "20"}, {w.Text5, "10"}, {w.Text6, "5"}});
    const QStringList worked = {"4.873", "1.466", "10.254", "8.88", "1.119", "17.066", "14.78", "-4.78"};
    QCOMPARE(c.texts(results), worked);
    QCOMPARE(c.shownOfKind(Drawn::Circle).size(), std::size_t(4));
    const auto labels = c.shownOfKind(Drawn::Text);
    QCOMPARE(labels.size(), std::size_t(2));
    QCOMPARE(labels[0].colour, kLabelColour);

    // A line that misses: the failure text in red, the results as they were.
    c.type({{w.Text5, "40"}});
    QCOMPARE(c.texts(results), worked);
    QCOMPARE(c.surface.shown().size(), std::size_t(1));
    QCOMPARE(c.surface.shown()[0].text, kNoCrossingText);
    QCOMPARE(c.surface.shown()[0].colour, kMarkerColour);
    // Emptying a line box afterwards changes nothing at all.
    const std::size_t drawn = c.surface.drawn.size();
    c.type({{w.Text1, ""}});
    QCOMPARE(c.surface.drawn.size(), drawn);
    QCOMPARE(c.texts(results), worked);
}

void TestLineCircleCalculators::lineCirclePlaneSwitch() {
    CalculatorWindow<frmLineR> c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    auto& w = c.w;
    c.type({{w.Text1, "0"}, {w.Text2, "0"}, {w.Text3, "30"}, {w.Text4, "-20"}, {w.Text5, "-10"}, {w.Text6, "5"}});
    w.OptionXY->click();
    QCOMPARE(QApplication::focusWidget(), w.Text1);
    for (QLabel* label : {w.Label2, w.Label5, w.Label6, w.Label11})
        QCOMPARE(label->text(), QStringLiteral("Y"));
    QCOMPARE(w.Label18->text() + w.Label19->text(), QStringLiteral("JJ"));
    QCOMPARE(w.Command4->text(), QStringLiteral("X Y 挿入"));
    QCOMPARE(w.Command7->text(), QStringLiteral("I J 挿入"));
    QCOMPARE(w.Command5->text(), QStringLiteral("XYL挿入"));
    QCOMPARE(c.texts({w.Text9, w.Text13, w.Text7, w.Text8, w.Text10, w.Text11, w.Text12, w.Text14}),
             (QStringList{"3.502", "-4.842", "-23.502", "-13.569", "3.568", "-15.159", "-8.752", "-1.249"}));
    w.OptionXZ->click();
    QCOMPARE(w.Label6->text(), QStringLiteral("Z"));
    QCOMPARE(w.Command5->text(), QStringLiteral("XZL挿入"));
    QCOMPARE(w.Label18->text(), QStringLiteral("K"));
}

void TestLineCircleCalculators::lineCircleInserts() {
    CalculatorWindow<frmLineR> c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    auto& w = c.w;
    c.type({{w.Text1, "20"}, {w.Text2, "0"}, {w.Text3, "0"}, {w.Text4, "20"}, {w.Text5, "10"}, {w.Text6, "5"}});
    for (QPushButton* b : {w.Command1, w.Command3, w.Command4, w.Command6, w.Command5, w.Command7})
        b->click();
    QCOMPARE(c.inserted, (QStringList{" X20 Z0\r\n", " X20 Z10\r\n", "N000 G01 X20 Z5\r\n", " I0 K5\r\n",
                                      "N000 G0* X20 Z15 L5\r\n", " I0 K-5\r\n"}));
    c.inserted.clear();
    w.OptionXY->setChecked(true);  // the letters follow the option at the click
    w.Command5->click();
    w.Command7->click();
    QCOMPARE(c.inserted, (QStringList{"N000 G0* X20 Y15 L5\r\n", " I0 J-5\r\n"}));
}

void TestLineCircleCalculators::arcThroughPointOptionsAndFailureColour() {
    CalculatorWindow<frmLineRPoint> c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    auto& w = c.w;
    const QList<QLineEdit*> results = {w.Text6, w.Text7, w.Text9, w.Text10, w.Text11, w.Text12};
    c.type({{w.Text1, "0"}, {w.Text2, "0"}, {w.Text3, "30"}, {w.Text4, "40"}, {w.Text5, "50"}, {w.Text8, "10"}});
    QCOMPARE(c.texts(results), (QStringList{"26.253", "42.736", "43.574", "37.736", "-8.661", "5"}));
    w.Option2->click();
    QCOMPARE(c.texts(results), (QStringList{"45.707", "59.584", "63.028", "54.584", "-8.661", "5"}));
    QCOMPARE(c.shownOfKind(Drawn::Circle).size(), std::size_t(7));
    QCOMPARE(c.shownOfKind(Drawn::Text).size(), std::size_t(0));
    w.OptionXY->click();
    QCOMPARE(w.Label11->text(), QStringLiteral("CY"));
    QCOMPARE(w.Command6->text(), QStringLiteral("I J 挿入"));
    QCOMPARE(w.Label10->text(), QStringLiteral("R"));
    w.Option1->click();
    c.type({{w.Text4, "50"}, {w.Text5, "20"}});
    const QStringList xy = {"42.736", "13.126", "37.736", "21.787", "5", "-8.661"};
    QCOMPARE(c.texts(results), xy);
    // Farther than 2R from the line: the failure text in the picture's own red.
    c.type({{w.Text8, "-1"}});
    QCOMPARE(c.texts(results), xy);
    QCOMPARE(c.surface.shown().back().text, kNoCrossingText);
    QCOMPARE(c.surface.shown().back().colour, kMarkerColour);
    w.Command5->click();
    QCOMPARE(c.inserted.back(), QStringLiteral(" X") + xy[2] + QStringLiteral(" Y") + xy[3] + QStringLiteral("\r\n"));
}

void TestLineCircleCalculators::circlePointCaptionsAndInsertsWithoutLineEnd() {
    CalculatorWindow<frmCirclePoint> c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    auto& w = c.w;
    QCOMPARE(w.windowTitle(), QStringLiteral(" Circle with tangent point"));
    QCOMPARE(w.Command1->text(), QStringLiteral("X Z Insert"));
    c.type({{w.Text1, "40"}, {w.Text2, "-20"}, {w.Text3, "5"}, {w.Text4, "45"}});
    w.Command1->click();
    w.Command1->click();
    QCOMPARE(c.inserted.join(QString()), QStringLiteral(" X32.928 Z-16.465 X32.928 Z-16.465"));
    w.OptionXZ->click();  // the first click on a plane option relabels, even the one that is on
    QCOMPARE(w.Command1->text(), QStringLiteral("X Z 挿入"));
    QCOMPARE(w.Command3->text(), QStringLiteral("I K 挿入"));
    w.Option2->click();
    QCOMPARE(c.texts({w.Text5, w.Text6, w.Text7, w.Text8}), (QStringList{"47.071", "-23.536", "-3.536", "3.535"}));
    w.OptionXY->click();
    QCOMPARE(w.Label14->text(), QStringLiteral("Y"));
    QCOMPARE(w.Command3->text(), QStringLiteral("I J 挿入"));
    c.inserted.clear();
    w.Command3->click();
    QCOMPARE(c.inserted, QStringList{QStringLiteral(" I") + w.Text7->text() + QStringLiteral(" J") + w.Text8->text()});
}

void TestLineCircleCalculators::printing() {
    {
        CalculatorWindow<frmLineR> c;
        QVERIFY(QTest::qWaitForWindowActive(&c.w));
        c.type({{c.w.Text1, "0"}, {c.w.Text2, "0"}, {c.w.Text3, "30"},
                {c.w.Text4, "20"}, {c.w.Text5, "10"}, {c.w.Text6, "5"}});
        c.expectPrintRedrawsOnWhite();
    }
    {
        CalculatorWindow<frmLineRPoint> c;
        QVERIFY(QTest::qWaitForWindowActive(&c.w));
        c.type({{c.w.Text1, "0"}, {c.w.Text2, "0"}, {c.w.Text3, "30"},
                {c.w.Text4, "40"}, {c.w.Text5, "50"}, {c.w.Text8, "10"}});
        c.expectPrintRedrawsOnWhite();
    }
    {
        CalculatorWindow<frmCirclePoint> c;
        QVERIFY(QTest::qWaitForWindowActive(&c.w));
        c.type({{c.w.Text1, "100"}, {c.w.Text2, "0"}, {c.w.Text3, "10"}, {c.w.Text4, "30"}});
        c.expectPrintRedrawsOnWhite();
    }
}

void TestLineCircleCalculators::insertWithoutADocumentDoesNothing() {
    CalculatorWindow<frmLineR> c;
    c.documentOpen = false;
    c.w.Command5->click();
    QVERIFY(c.inserted.isEmpty());
    frmCirclePoint noTarget;
    noTarget.Command1->click();
    QVERIFY(noTarget.Text5->text().isEmpty());
}

QTEST_MAIN(TestLineCircleCalculators)
#include "tst_lineCircleCalculators.moc"
