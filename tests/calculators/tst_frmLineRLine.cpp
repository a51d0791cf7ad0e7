#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "calculators/figure.h"
#include "calculators/frmLineRLine.h"
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
    std::function<void(QWidget&)> whilePrinting;
    int calls = 0;

    PrintOutcome printWindow(QWidget& window) override {
        ++calls;
        if (whilePrinting)
            whilePrinting(window);
        return outcome;
    }
};

// A calculator with a document to insert into and a recording picture.
struct Calculator {
    QStringList inserted;
    bool documentOpen = true;
    RecordingSurface surface;
    FakePrinter printer;
    frmLineRLine w{[this](const QString& text) {
        if (!documentOpen)
            return false;
        inserted << text;
        return true;
    }};

    explicit Calculator(bool recording = true) {
        if (recording)
            w.setDrawingSurface(&surface);
        w.setPrinter(&printer);
        w.show();
        w.activateWindow();
    }

    // Types into each box as a person would: focus in, text, and on to the next box,
    // which fires the box's LostFocus.
    void type(const QList<std::pair<QLineEdit*, QString>>& entries) {
        for (const auto& [box, text] : entries) {
            box->setFocus(Qt::TabFocusReason);
            box->setText(text);
        }
        w.Text1->setFocus(Qt::TabFocusReason);
    }

    void typeExample() {
        type({{w.Text1, "100"}, {w.Text2, "0"}, {w.Text3, "0"}, {w.Text4, "0"}, {w.Text5, "-50"}, {w.Text6, "90"},
              {w.Text9, "10"}});
    }

    QStringList results() const {
        QStringList texts;
        for (QLineEdit* box : {w.Text7, w.Text8, w.Text10, w.Text11, w.Text12, w.Text13, w.Text16, w.Text17, w.Text14,
                               w.Text15, w.Text18, w.Text19})
            texts << box->text();
        return texts;
    }

    std::vector<Drawn> shownOfKind(Drawn::Kind kind) const {
        std::vector<Drawn> result;
        for (const Drawn& d : surface.shown())
            if (d.kind == kind)
                result.push_back(d);
        return result;
    }
};

}  // namespace

class TestFrmLineRLine : public QObject {
    Q_OBJECT

private slots:
    void tabOrderSkipsResultBoxes();
    void enterMovesAlongTheChain();
    void workedExample();
    void emptiedRadiusKeepsTheArcResults();
    void insertWithoutADocumentDoesNothing();
    void printRedrawsOnWhiteAndRestores_data();
    void printRedrawsOnWhiteAndRestores();
    void readoutFromARealMouseMove();
    void paintingNeverRecomputes();
};

void TestFrmLineRLine::tabOrderSkipsResultBoxes() {
    frmLineRLine w;
    w.Check1->setEnabled(true);
    const QList<QWidget*> expected = {w.Text1,    w.Text2,    w.Text3,    w.Text4,    w.Text5,     w.Text6,
                                      w.Text9,    w.Check1,   w.Command1, w.Command3, w.Command4,  w.Command5,
                                      w.Command8, w.Command6, w.Command9, w.Command7, w.Command10, w.Command2,
                                      w.Picture1, w.OptionXZ, w.OptionXY, w.Option1,  w.Option2,   w.Option3,
                                      w.Option4};
    QList<QWidget*> chain;
    QWidget* next = w.Text1;
    do {
        if (next->focusPolicy() & Qt::TabFocus)
            chain << next;
        next = next->nextInFocusChain();
    } while (next != w.Text1);
    QCOMPARE(chain, expected);
}

void TestFrmLineRLine::enterMovesAlongTheChain() {
    Calculator c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    auto& w = c.w;
    const QList<QWidget*> chain = {w.Text1, w.Text2, w.Text3, w.Text4, w.Text5, w.Text6, w.Text9, w.Command1};
    w.Text1->setFocus(Qt::OtherFocusReason);
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        QCOMPARE(QApplication::focusWidget(), chain[i]);
        QTest::keyClick(chain[i], i % 2 ? Qt::Key_Enter : Qt::Key_Return);
    }
    QCOMPARE(QApplication::focusWidget(), w.Command1);
    // Enter on the focused button presses it.
    QTest::keyClick(w.Command1, Qt::Key_Return);
    QCOMPARE(c.inserted, QStringList{QStringLiteral("N000 G01 X Z\r\n")});
}

void TestFrmLineRLine::workedExample() {
    Calculator c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    c.w.Option2->click();
    c.typeExample();
    QCOMPARE(c.results(), (QStringList{"100", "-50", "80", "-60", "100", "-60", "-10", "0", "80", "-50", "0", "-10"}));
    QCOMPARE(c.shownOfKind(Drawn::Circle).size(), std::size_t(2));
    c.w.Command5->click();
    c.w.Command9->click();
    QCOMPARE(c.inserted, (QStringList{"N000 G01 X80 Z-60\r\n", "N000 G0* X80 Z-50 L10\r\n"}));
    QVERIFY(c.w.Check1->isEnabled());
    c.w.Check1->click();
    const auto circles = c.shownOfKind(Drawn::Circle);
    QCOMPARE(circles.size(), std::size_t(2));
    QCOMPARE(circles[0].scale.width, 50.0f);
    QCOMPARE(circles[0].scale.left, -85.0f);
    c.w.Option3->click();
    QCOMPARE((QStringList{c.w.Text10->text(), c.w.Text11->text()}), (QStringList{"120", "-60"}));
    // The plane relabels, recomputes (y = 0 and x = 0 cross at the origin) and gives the
    // insert buttons its letters.
    c.w.OptionXY->click();
    QCOMPARE(c.w.Label2->text(), QStringLiteral("Y"));
    QCOMPARE((QStringList{c.w.Text7->text(), c.w.Text8->text()}), (QStringList{"0", "0"}));
    QCOMPARE(QApplication::focusWidget(), c.w.Text1);
    c.inserted.clear();
    c.w.Command1->click();
    QCOMPARE(c.inserted, QStringList{"N000 G01 X100 Y0\r\n"});
}

void TestFrmLineRLine::emptiedRadiusKeepsTheArcResults() {
    Calculator c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    c.typeExample();
    const QStringList before = c.results();
    c.type({{c.w.Text9, ""}});
    QVERIFY(!c.w.Check1->isEnabled());
    QCOMPARE(c.results(), before);
    QCOMPARE(c.shownOfKind(Drawn::Circle).size(), std::size_t(0));
    QCOMPARE(c.shownOfKind(Drawn::Line).size(), std::size_t(2));  // the rays alone
    // Line 2 incomplete: the crossing boxes keep their values too.
    c.type({{c.w.Text9, "10"}, {c.w.Text6, ""}});
    QVERIFY(c.w.Check1->isEnabled());  // a stage that stops earlier leaves it
    QCOMPARE(c.results(), before);
    QCOMPARE(c.surface.shown().back().scale, defaultCalculatorScale());
    // Parallel lines: the failure text in red, every box as it was.
    c.type({{c.w.Text6, "180"}});
    QCOMPARE(c.results(), before);
    QCOMPARE(c.surface.shown().size(), std::size_t(1));
    QCOMPARE(c.surface.shown()[0].text, kNoCrossingText);
    QCOMPARE(c.surface.shown()[0].colour, kMarkerColour);
}

void TestFrmLineRLine::insertWithoutADocumentDoesNothing() {
    Calculator c;
    c.documentOpen = false;
    c.w.Command1->click();
    QVERIFY(c.inserted.isEmpty());
    frmLineRLine noTarget;
    noTarget.Command9->click();  // no target at all: nothing happens
    c.w.Command2->click();       // Cancel closes the window
    QTRY_VERIFY(!c.w.isVisible());
}

void TestFrmLineRLine::printRedrawsOnWhiteAndRestores_data() {
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("message");
    QTest::newRow("printed") << int(PrintOutcome::Printed) << QString();
    QTest::newRow("no printer") << int(PrintOutcome::NoPrinter) << QStringLiteral("プリンタが見つかりません。");
    QTest::newRow("threw") << -1 << QStringLiteral("印刷できませんでした。");
}

void TestFrmLineRLine::printRedrawsOnWhiteAndRestores() {
    QFETCH(int, outcome);
    QFETCH(QString, message);
    test::ScriptedResponder responder;
    responder.answerMessage(modal::kOk);
    Calculator c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    c.typeExample();
    std::vector<Drawn> duringPrint;
    bool readoutHidden = false;
    QRgb background = 0;
    c.printer.outcome = outcome < 0 ? PrintOutcome::Printed : PrintOutcome(outcome);
    c.printer.whilePrinting = [&](QWidget&) {
        duringPrint = c.surface.shown();
        readoutHidden = c.w.Picture3->isHidden();
        background = c.surface.backColor();
        if (outcome < 0)
            throw std::runtime_error("spooler gone");
    };
    c.w.Command10->click();
    QCOMPARE(c.printer.calls, 1);
    QVERIFY(readoutHidden);
    QCOMPARE(background, kPictureWhite);
    QVERIFY(!duringPrint.empty());
    QCOMPARE(duringPrint[0].colour, qRgb(0, 0, 240));  // yellow prints dark blue
    QCOMPARE(responder.messages.size(), std::size_t(message.isEmpty() ? 0 : 1));
    if (!message.isEmpty())
        QCOMPARE(responder.messages[0].text, message);
    QCOMPARE(c.surface.backColor(), kPictureBlack);
    QCOMPARE(c.surface.drawMode(), DrawMode::CopyPen);
    QVERIFY(!c.w.Picture3->isHidden());
}

void TestFrmLineRLine::readoutFromARealMouseMove() {
    Calculator c(false);
    QVERIFY(QTest::qWaitForWindowExposed(&c.w));
    // A new picture counts in twips from its top left corner, 15 to a pixel.
    const QPoint origin = c.w.Picture1->contentsRect().topLeft();
    QTest::mouseMove(c.w.Picture1, origin + QPoint(100, 50));
    QTRY_COMPARE(c.w.Picture3->text(), QStringLiteral("X-1500  Z 1500 "));
    // After a drawing, in the figure's own scale: the default scale puts 0, 0 mid-picture.
    c.type({{c.w.Text1, "0"}, {c.w.Text2, "0"}, {c.w.Text3, "0"}});
    QCOMPARE(c.w.Picture1->scale(), defaultCalculatorScale());
    QTest::mouseMove(c.w.Picture1, origin + QPoint(294, 160));
    QTRY_COMPARE(c.w.Picture3->text(), QStringLiteral("X 75  Z-7.5 "));
    QCOMPARE(c.w.Picture1->cursor().shape(), Qt::CrossCursor);
    c.w.Form_MouseMove();
    QVERIFY(c.w.Picture3->isHidden());
}

void TestFrmLineRLine::paintingNeverRecomputes() {
    Calculator c;
    QVERIFY(QTest::qWaitForWindowExposed(&c.w));
    c.w.Text1->setText("100");
    c.w.Text2->setText("0");
    c.w.Text3->setText("0");
    c.w.repaint();
    c.w.Picture1->repaint();
    (void)c.w.grab();
    QVERIFY(c.surface.drawn.empty());
    // The picture taking the focus does recompute.
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    c.w.Picture1->setFocus(Qt::MouseFocusReason);
    QVERIFY(!c.surface.drawn.empty());
}

QTEST_MAIN(TestFrmLineRLine)
#include "tst_frmLineRLine.moc"
