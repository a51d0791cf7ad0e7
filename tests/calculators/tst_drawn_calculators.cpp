#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/quillmar_application.h"
#include "calculators/frmCircleCircle.h"
#include "calculators/frmCirclePoint.h"
#include "calculators/frmLine2Circle2.h"
#include "calculators/frmLineR.h"
#include "calculators/frmLineRLine.h"
#include "calculators/frmLineRPoint.h"
#include "calculators/frmNeck.h"
#include "calculators/frmXY_XC.h"
#include "calculators/xy_xc.h"
#include "platform/PictureBox.h"
#include "platform/recording_surface.h"
#include "platform/window_printer.h"
#include "support/test_support.h"

using namespace quillmar;
using Drawn = RecordingSurface::Drawn;

namespace {

class FakePrinter : public WindowPrinter {
public:
    PrintOutcome outcome = PrintOutcome::Printed;
    std::function<void()> whilePrinting = [] {};
    int calls = 0;
    PrintOutcome printWindow(QWidget&) override {
        ++calls;
        whilePrinting();
        return outcome;
    }
};

// A calculator window on a recording picture (or its own, when not recording), inserting into a list.
template <typename Window>
struct Calculator {
    QStringList inserted;
    RecordingSurface surface{kCalculatorPictureSize};
    FakePrinter printer;
    Window w{[this](const QString& text) { return inserted << text, true; }};

    explicit Calculator(bool recording = true) {
        if (recording)
            w.setDrawingSurface(&surface);
        w.setPrinter(&printer);
        w.show();
        w.activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(&w)); }();
    }
    // Types into each box as a person would, then leaves for `leaveTo` (firing LostFocus).
    void type(const QList<std::pair<QLineEdit*, const char*>>& entries, QWidget* leaveTo = nullptr) {
        for (const auto& [box, text] : entries) {
            box->setFocus(Qt::TabFocusReason);
            box->setText(QString::fromUtf8(text));
        }
        (leaveTo ? leaveTo : w.template findChild<QPushButton*>(QStringLiteral("Command2")))
            ->setFocus(Qt::TabFocusReason);
    }
    QStringList texts(const QList<QLineEdit*>& boxes) const {
        QStringList list;
        for (QLineEdit* box : boxes)
            list << box->text();
        return list;
    }
    // Enter (main or keypad, in turn) from each widget of the chain moves the focus to the next.
    void expectEnterChain(const QList<QWidget*>& chain) {
        for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
            chain[i]->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(chain[i], i % 2 ? Qt::Key_Enter : Qt::Key_Return);
            QVERIFY2(QApplication::focusWidget() == chain[i + 1], qPrintable(chain[i]->objectName()));
        }
    }
};

// The arc between two lines: the square example, R 10.
void typeSquare(Calculator<frmLineRLine>& c) {
    auto& w = c.w;
    c.type({{w.Text1, "100"}, {w.Text2, "0"}, {w.Text3, "0"}, {w.Text4, "0"}, {w.Text5, "-50"}, {w.Text6, "90"},
            {w.Text9, "10"}});
}

}  // namespace

class TestDrawnCalculators : public QObject {
    Q_OBJECT

private slots:
    void arcWorkedExample() {
        Calculator<frmLineRLine> c;
        auto& w = c.w;
        for (QLineEdit* box : w.findChildren<QLineEdit*>())  // Tab skips the result boxes
            QVERIFY2(bool(box->focusPolicy() & Qt::TabFocus) != box->isReadOnly(), qPrintable(box->objectName()));
        c.expectEnterChain({w.Text1, w.Text2, w.Text3, w.Text4, w.Text5, w.Text6, w.Text9, w.Command1});
        QTest::keyClick(w.Command1, Qt::Key_Return);  // Enter on the focused button presses it
        QCOMPARE(c.inserted, QStringList{QStringLiteral("N000 G01 X Z\r\n")});
        c.inserted.clear();
        w.Option2->click();
        typeSquare(c);
        QCOMPARE(c.texts({w.Text7, w.Text8, w.Text10, w.Text11, w.Text12, w.Text13, w.Text16, w.Text17, w.Text14,
                          w.Text15, w.Text18, w.Text19}),
                 (QStringList{"100", "-50", "80", "-60", "100", "-60", "-10", "0", "80", "-50", "0", "-10"}));
        w.Command5->click();
        w.Command9->click();
        QCOMPARE(c.inserted, (QStringList{"N000 G01 X80 Z-60\r\n", "N000 G0* X80 Z-50 L10\r\n"}));
        QVERIFY(w.Check1->isEnabled());
        w.Check1->click();  // the zoomed figure: the arc drawn in a 50-wide scale
        QCOMPARE(c.surface.shown().back().scale.width, 50.0f);
        // The plane relabels, recomputes (y = 0 and x = 0 cross at the origin) and gives the
        // insert buttons its letters.
        w.OptionXY->click();
        QCOMPARE(w.Label2->text(), QStringLiteral("Y"));
        QCOMPARE(c.texts({w.Text7, w.Text8}), (QStringList{"0", "0"}));
        QCOMPARE(QApplication::focusWidget(), w.Text1);
        c.inserted.clear();
        w.Command1->click();
        QCOMPARE(c.inserted, QStringList{"N000 G01 X100 Y0\r\n"});
        w.Command2->click();  // Cancel closes the window
        QTRY_VERIFY(!w.isVisible());
    }

    void arcInsertButtonsJoinTheirWordsAndBoxes() {
        Calculator<frmLineRLine> c;
        auto& w = c.w;
        // Each box holds its own number; the radius box keeps its text as typed.
        auto numberTheBoxes = [&w] {
            for (QLineEdit* box : w.findChildren<QLineEdit*>())
                box->setText(box == w.Text9 ? QStringLiteral("9.0") : box->objectName().mid(4));
        };
        numberTheBoxes();
        for (QPushButton* button :
             {w.Command1, w.Command3, w.Command4, w.Command5, w.Command8, w.Command6, w.Command9, w.Command7})
            button->click();
        w.OptionXY->click();
        numberTheBoxes();
        w.Command9->click();
        w.Command7->click();
        QCOMPARE(c.inserted, (QStringList{"N000 G01 X1 Z2\r\n", "N000 G01 X4 Z5\r\n", "N000 G01 X7 Z8\r\n",
                                          "N000 G01 X10 Z11\r\n", "N000     X12 Z13\r\n", " I16 K17\r\n",
                                          "N000 G0* X14 Z15 L9.0\r\n", " I18 K19\r\n",
                                          "N000 G0* X14 Y15 L9.0\r\n", " I18 J19\r\n"}));
    }

    void arcStagesThatStopEarlyKeepTheResults() {
        Calculator<frmLineRLine> c;
        auto& w = c.w;
        typeSquare(c);
        const QList<QLineEdit*> results = {w.Text7, w.Text8, w.Text10, w.Text14};
        const QStringList before = c.texts(results);
        c.type({{w.Text9, ""}});
        QVERIFY(!w.Check1->isEnabled());
        c.type({{w.Text9, "10"}, {w.Text6, ""}});  // line 2 incomplete
        QCOMPARE(c.texts(results), before);
    }

    void printRedrawsInvertedOnWhiteAndRestores_data() {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");
        QTest::newRow("printed") << int(PrintOutcome::Printed) << QString();
        QTest::newRow("no printer") << int(PrintOutcome::NoPrinter) << QStringLiteral("プリンタが見つかりません。");
        QTest::newRow("threw") << -1 << QStringLiteral("印刷できませんでした。");
    }

    void printRedrawsInvertedOnWhiteAndRestores() {
        QFETCH(int, outcome);
        QFETCH(QString, message);
        test::ScriptedResponder responder;
        responder.answerMessage(modal::kOk);
        Calculator<frmLineRLine> c;
        typeSquare(c);
        std::vector<Drawn> during;
        bool readoutHidden = false;
        QRgb background = 0;
        c.printer.outcome = outcome < 0 ? PrintOutcome::Printed : PrintOutcome(outcome);
        c.printer.whilePrinting = [&] {
            during = c.surface.shown();
            readoutHidden = c.w.Picture3->isHidden();
            background = c.surface.backColor();
            if (outcome < 0)
                throw std::runtime_error("spooler gone");
        };
        const auto before = c.surface.shown();
        c.w.Command10->click();
        QCOMPARE(c.printer.calls, 1);
        QVERIFY(readoutHidden);
        QCOMPARE(background, kPictureWhite);
        QCOMPARE(during.size(), before.size());
        for (std::size_t i = 0; i < during.size(); ++i)  // the labels keep their colour
            QCOMPARE(during[i].colour,
                     during[i].kind == Drawn::Text ? before[i].colour : invertedColour(before[i].colour));
        QCOMPARE(responder.messages.size(), std::size_t(message.isEmpty() ? 0 : 1));
        if (!message.isEmpty())
            QCOMPARE(responder.messages[0].text, message);
        QCOMPARE(c.surface.backColor(), kPictureBlack);
        QCOMPARE(c.surface.drawMode(), DrawMode::CopyPen);
        QVERIFY(!c.w.Picture3->isHidden());
        const auto after = c.surface.shown();
        QCOMPARE(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i)
            QCOMPARE(after[i].colour, before[i].colour);
    }

    void readoutFromARealMouseMove() {
        Calculator<frmLineRLine> c(false);
        auto& w = c.w;
        // A new picture counts in twips from its top left corner, 15 to a pixel.
        const QPoint origin = w.Picture1->contentsRect().topLeft();
        QTest::mouseMove(w.Picture1, origin + QPoint(100, 50));
        QTRY_COMPARE(w.Picture3->text(), QStringLiteral("X-1500  Z 1500 "));
        // After a drawing, in the figure's own scale: the default scale puts 0, 0 mid-picture.
        c.type({{w.Text1, "0"}, {w.Text2, "0"}, {w.Text3, "0"}});
        QTest::mouseMove(w.Picture1, origin + QPoint(294, 160));
        QTRY_COMPARE(w.Picture3->text(), QStringLiteral("X 75  Z-7.5 "));
        QCOMPARE(w.Picture1->cursor().shape(), Qt::CrossCursor);
        w.Form_MouseMove();
        QVERIFY(w.Picture3->isHidden());
    }

    // Over a figure whose points no program can hold, the read-out shows nothing and never
    // a message; the last values it can write show whole, on the picture.
    void readoutOfAHugeFigureShowsNothing() {
        test::ScriptedResponder responder;
        for (int i = 0; i < 3; ++i)
            responder.answerMessage(modal::kOk);
        Calculator<frmCircleCircle> c(false);
        auto& w = c.w;
        c.type({{w.Text1, "0"}, {w.Text2, "0"}, {w.Text3, "1E36"}});
        const QPoint origin = w.Picture1->contentsRect().topLeft();
        // Right of the middle the thousandths overflow; near it the values need an exponent.
        for (const QPoint at : {QPoint(500, 100), QPoint(300, 160)}) {
            w.Form_MouseMove();
            QTest::mouseMove(w.Picture1, origin + at);
            QTRY_VERIFY(!w.Picture3->isHidden());
            QCOMPARE(w.Picture3->text(), QString());
        }
        QCOMPARE(responder.messages.size(), std::size_t(0));

        w.Picture1_MouseMove(9.999999e14f, -4.9999995e14f);
        const QString longest = QStringLiteral("X 999999900000000  Z 999999900000000 ");
        QCOMPARE(w.Picture3->text(), longest);
        QVERIFY(w.Picture3->contentsRect().width() >= w.Picture3->fontMetrics().horizontalAdvance(longest));
        QVERIFY(w.Picture1->contentsRect().contains(w.Picture3->geometry()));
    }

    void paintingNeverRecomputes() {
        Calculator<frmLineRLine> c;
        auto& w = c.w;
        c.surface.drawn.clear();
        for (auto [box, text] : {std::pair{w.Text1, "100"}, {w.Text2, "0"}, {w.Text3, "0"}})
            box->setText(text);
        w.repaint();
        w.Picture1->repaint();
        (void)w.grab();
        QVERIFY(c.surface.drawn.empty());
        w.Picture1->setFocus(Qt::MouseFocusReason);  // the picture taking the focus does recompute
        QVERIFY(!c.surface.drawn.empty());
    }

    void lineCircle() {
        Calculator<frmLineR> c;
        auto& w = c.w;
        c.expectEnterChain({w.Text1, w.Text2, w.Text3, w.Text4, w.Text5, w.Text6, w.Command1});
        const QList<QLineEdit*> results = {w.Text9, w.Text13, w.Text7, w.Text8, w.Text10, w.Text11, w.Text12, w.Text14};
        c.type({{w.Text1, "0"}, {w.Text2, "0"}, {w.Text3, "30"}, {w.Text4, "-20"}, {w.Text5, "-10"}, {w.Text6, "5"}});
        w.OptionXY->click();  // recomputes in the other plane
        const QStringList xy = {"3.5019", "-4.8417",  "-23.5019", "-13.5688",
                                "3.5688", "-15.1583", "-8.7517",  "-1.2483"};
        QCOMPARE(c.texts(results), xy);

        // A line that misses: the failure text in red, the results as they were.
        c.type({{w.Text4, "20"}});
        QCOMPARE(c.texts(results), xy);
        QCOMPARE(c.surface.shown().back().text, kNoCrossingText);

        w.OptionXZ->click();
        c.type({{w.Text1, "20"}, {w.Text2, "0"}, {w.Text3, "0"}, {w.Text4, "20"}, {w.Text5, "10"}});
        w.Command5->click();
        QCOMPARE(c.inserted, QStringList{"N000 G0* X20 Z15 L5\r\n"});
    }

    void arcThroughPoint() {
        Calculator<frmLineRPoint> c;
        auto& w = c.w;
        c.expectEnterChain({w.Text1, w.Text2, w.Text3, w.Text4, w.Text5, w.Text8, w.Command1});
        c.type({{w.Text1, "0"}, {w.Text2, "0"}, {w.Text3, "30"}, {w.Text4, "40"}, {w.Text5, "50"}, {w.Text8, "10"}});
        w.Option2->click();  // the other arc, recomputed
        QCOMPARE(c.texts({w.Text6, w.Text7, w.Text9, w.Text10}),
                 (QStringList{"45.7078", "59.5841", "63.0283", "54.5841"}));
        w.Command5->click();
        QCOMPARE(c.inserted, QStringList{" X63.0283 Z54.5841\r\n"});
    }

    void circleTangentPoint() {
        Calculator<frmCirclePoint> c;
        auto& w = c.w;
        c.expectEnterChain({w.Text1, w.Text2, w.Text3, w.Text4, w.Command3});
        c.type({{w.Text1, "40"}, {w.Text2, "-20"}, {w.Text3, "5"}, {w.Text4, "45"}});
        w.Command1->click();
        QTest::keyClick(w.Command3, Qt::Key_Return);  // Enter on the button presses it
        QCOMPARE(c.inserted, (QStringList{" X32.9289 Z-16.4645", " I3.5355 K-3.5356"}));
    }

    void circleCircle() {
        Calculator<frmCircleCircle> c;
        auto& w = c.w;
        c.expectEnterChain({w.Text1, w.Text2, w.Text3, w.Text4, w.Text5, w.Text6, w.Text1});
        c.type({{w.Text1, "0"}, {w.Text2, "0"}, {w.Text3, "5"}, {w.Text4, "0"}, {w.Text5, "6"}, {w.Text6, "5"}});
        w.OptionXY->click();
        QCOMPARE(c.texts({w.Text7, w.Text8, w.Text11, w.Text12}), (QStringList{"-4", "3", "4", "3"}));
        w.Command3->click();
        QCOMPARE(c.inserted, QStringList{" X4 Y3\r\n"});
    }

    void twoLinesTwoArcs() {
        Calculator<frmLine2Circle2> c;
        auto& w = c.w;
        const QList<QWidget*> chain = {w.Text1, w.Text2, w.Text3, w.Text4, w.Text5, w.Text6, w.Text8, w.Text1};
        c.expectEnterChain(chain);
        c.type({{w.Text1, "100"}, {w.Text4, "60"}, {w.Text3, "5"}, {w.Text6, "8"}, {w.Text2, "0"}});
        QCOMPARE(w.Text16->text(), QStringLiteral("6.7412"));
        w.Command5->click();
        QCOMPARE(c.inserted, QStringList{"I2.6923 K-4.2132\r\n"});

        // Leaving a filled Text8 makes P3 the given position; a repaint never recomputes.
        c.type({{w.Text8, "10"}});
        QCOMPARE(c.texts({w.Text2, w.Text5}), (QStringList{"5.7867", "16.7412"}));
        w.Text5->setText("3");
        w.Picture1->setFocus(Qt::MouseFocusReason);
        w.repaint();
        QCOMPARE(w.Text2->text(), QStringLiteral("5.7867"));

        // "Verti": the lock moves to Text8, still in the chain; leaving it empties nothing.
        w.Option4->click();
        QVERIFY(!w.Text7->isReadOnly() && w.Text8->isReadOnly());
        c.expectEnterChain(chain);
        c.type({{w.Text2, "0"}, {w.Text5, "-20"}, {w.Text3, "5"}, {w.Text6, "8"}, {w.Text1, "50"}});
        QCOMPARE(w.Text4->text(), QStringLiteral("71.9089"));
        w.Text8->setFocus(Qt::MouseFocusReason);
        w.Text2->setFocus(Qt::MouseFocusReason);
        QCOMPARE(w.Text4->text(), QStringLiteral("71.9089"));
        c.type({{w.Text7, "58.426"}});  // leaving a filled X box empties the others
        QCOMPARE(w.Text1->text(), QStringLiteral("49.9994"));
    }

    void neck() {
        Calculator<frmNeck> c;
        auto& w = c.w;
        c.expectEnterChain({w.Text1, w.Text2, w.Text3, w.Text4, w.Text5, w.Text1});
        w.Option1->click();
        c.type({{w.Text1, "40"}, {w.Text2, "-10"}, {w.Text3, "1"}, {w.Text4, "45"}, {w.Text5, "50"}}, w.Text1);
        w.Command5->click();
        QCOMPARE(c.inserted, (QStringList{"N000 G01 X42 Z-10\r\n", "N000 G02 X40.5857 Z-11.7072 L1\r\n",
                                          "N000 G01 X50 Z-16.4143\r\n"}));

        // A refused left edge keeps the edges of the run before; the new width and height stand.
        const UserScale before = c.surface.scale();
        for (const auto& [box, text] : {std::pair{w.Text1, "7.5347"}, {w.Text2, "3.4E38"}, {w.Text3, "2"}, {w.Text4, ""},
                                        {w.Text5, ""}})
            box->setText(text);
        w.Option2->click();
        QCOMPARE(c.surface.shown().back().text, kNoCrossingText);
        QCOMPARE(c.surface.scale(), (UserScale{before.left, before.top, 20, 11.0356541f}));
        QCOMPARE(w.Text6->text(), QStringLiteral("42"));
    }

    void xyXc() {
        Calculator<frmXY_XC> c;
        auto& w = c.w;
        QCOMPARE(c.surface.scale(), xyXcScale());
        c.expectEnterChain({w.Text1, w.Text2, w.Text5, w.Text6, w.Text1});
        c.expectEnterChain({w.Text3, w.Text4, w.Text7, w.Text8, w.Text3});
        c.type({{w.Text1, "3"}, {w.Text2, "4"}}, w.Text5);
        QCOMPARE(w.Text3->text(), QStringLiteral("10"));
        QVERIFY(w.Text3->isReadOnly());

        w.OptionXC->click();  // changes which boxes take input, recomputes nothing
        QCOMPARE(QApplication::focusWidget(), w.Text3);
        QVERIFY(!w.Text3->isReadOnly() && w.Text1->isReadOnly());
        QTRY_COMPARE(w.Text3->selectedText(), QStringLiteral("10"));
        c.type({{w.Text3, "20"}, {w.Text4, "90"}}, w.Text3);
        QCOMPARE(c.texts({w.Text1, w.Text2}), (QStringList{"-0.0001", "10"}));
        w.Command5->click();
        w.Text3->setText("");
        w.Text4->setText("");
        w.Command5->click();
        QCOMPARE(c.inserted, (QStringList{"C90 X20\r\n", "C X\r\n"}));

        w.Picture1_MouseMove(-10.0f, -10.0f);
        QCOMPARE(w.Picture5->text(), QStringLiteral("X 28.284  C 135 "));
        w.Form_MouseMove();
        QVERIFY(!w.Picture5->isVisibleTo(&w));

        // A tiny x is not zero: point 1 is written, point 2's quotient overflows and ends the run.
        w.OptionXY->click();
        c.type({{w.Text1, "-100.4"}, {w.Text2, "25.4823"}, {w.Text5, "1E-320"}, {w.Text6, "110"}}, w.Text1);
        QCOMPARE(c.texts({w.Text3, w.Text4, w.Text7, w.Text8, w.Text[9]}),
                 (QStringList{"207.1666", "165.758", "", "", ""}));
        QCOMPARE(c.surface.shown().back().text, kNoCrossingText);
    }
};

// The program's own application: a failure that escapes a window's handler is reported in
// a message box, which the tests see through the modal seam.
int main(int argc, char** argv) {
    QuillmarApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestDrawnCalculators test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_drawn_calculators.moc"
