#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "calculators/frmNeck.h"
#include "calculators/frmXY_XC.h"
#include "calculators/xy_xc.h"
#include "platform/recording_surface.h"
#include "platform/window_printer.h"
#include "support/documents.h"

using namespace quillmar;
using Drawn = RecordingSurface::Drawn;

namespace {

class FakePrinter : public WindowPrinter {
public:
    std::function<void()> whilePrinting;
    PrintOutcome printWindow(QWidget&) override {
        whilePrinting();
        return PrintOutcome::Printed;
    }
};

// A calculator window on a recording picture, inserting into a document.
template <typename Window>
struct Calculator {
    test::Document doc;
    RecordingSurface surface{{0.0f, 0.0f, 8835.0f, 4875.0f}};
    Window w{[this](const QString& text) {
        doc.box.setSelText(text);
        return true;
    }};
    Calculator() {
        w.setDrawingSurface(&surface);
        w.show();
        w.activateWindow();
    }
    // Types each text and leaves the box for the next, as a person would.
    void type(const QList<std::pair<QLineEdit*, const char*>>& entries, QWidget* leaveTo) {
        for (const auto& [box, text] : entries) {
            box->setFocus(Qt::TabFocusReason);
            box->setText(QString::fromUtf8(text));
        }
        leaveTo->setFocus(Qt::TabFocusReason);
    }
    std::vector<Drawn> shown(Drawn::Kind kind) const {
        std::vector<Drawn> result;
        for (const Drawn& d : surface.shown())
            if (d.kind == kind)
                result.push_back(d);
        return result;
    }
};

}  // namespace

class TestNeckXyXc : public QObject {
    Q_OBJECT

private slots:
    void neckEnterRing();
    void neckContourIsThreeChanges();
    void neckPrintsInverted();
    void xyXcNewWindowShowsTheMiddle();
    void xyXcRingsModeAndSelectAll();
    void xyXcInsertsAndReadouts();
};

void TestNeckXyXc::neckEnterRing() {
    Calculator<frmNeck> c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    const QList<QWidget*> ring = {c.w.Text1, c.w.Text2, c.w.Text3, c.w.Text4, c.w.Text5, c.w.Text1};
    c.w.Text1->setFocus(Qt::OtherFocusReason);
    for (qsizetype i = 0; i + 1 < ring.size(); ++i) {
        QCOMPARE(QApplication::focusWidget(), ring[i]);
        QTest::keyClick(ring[i], Qt::Key_Return);
    }
    QCOMPARE(QApplication::focusWidget(), c.w.Text1);
}

void TestNeckXyXc::neckContourIsThreeChanges() {
    Calculator<frmNeck> c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    c.w.Option1->click();
    c.type({{c.w.Text1, "40"}, {c.w.Text2, "-10"}, {c.w.Text3, "1"}, {c.w.Text4, "45"}, {c.w.Text5, "50"}}, c.w.Text1);
    QCOMPARE(c.w.Text15->text(), QStringLiteral("-16.415"));
    QCOMPARE(c.shown(Drawn::Text).size(), std::size_t{4});  // the labels 1 to 4
    c.w.Command5->click();
    QCOMPARE(c.doc.changes, 3);
    QCOMPARE(c.doc.box.Text(), test::crlf("N000 G01 X42 Z-10\nN000 G02 X40.585 Z-11.708 L1\nN000 G01 X50 Z-16.415\n"));

    c.type({{c.w.Text3, ""}}, c.w.Text1);  // face without R and an angle: not a case
    QCOMPARE(c.shown(Drawn::Text).back().text, QStringLiteral("交点が求まりません!!"));
    QCOMPARE(c.shown(Drawn::Text).back().colour, kMarkerColour);
    QCOMPARE(c.w.Text15->text(), QStringLiteral("-16.415"));
}

void TestNeckXyXc::neckPrintsInverted() {
    Calculator<frmNeck> c;
    FakePrinter printer;
    std::vector<Drawn> whilePrinting;
    printer.whilePrinting = [&] { whilePrinting = c.surface.shown(); };
    c.w.setPrinter(&printer);
    c.type({{c.w.Text1, "40"}}, c.w.Text2);
    c.w.Command7->click();
    QCOMPARE(whilePrinting.size(), std::size_t{1});
    QCOMPARE(whilePrinting[0].colour, invertedColour(kGeometryColour));
    QCOMPARE(c.surface.backColor(), kPictureBlack);
    QCOMPARE(c.shown(Drawn::Line).at(0).colour, kGeometryColour);
    QVERIFY(c.w.Picture3->isVisibleTo(&c.w));
}

void TestNeckXyXc::xyXcNewWindowShowsTheMiddle() {
    Calculator<frmXY_XC> c;
    QCOMPARE(c.surface.scale(), xyXcScale());
    const auto lines = c.shown(Drawn::Line);
    QCOMPARE(lines.size(), std::size_t{7});  // two axes, two crosses, the line
    QCOMPARE(lines[0].colour, kAxisColour);
    QCOMPARE(lines[4].colour, kSecondPointColour);
    QCOMPARE(lines[6].from, QPointF(0, 0));
    QCOMPARE(lines[6].to, QPointF(0, 0));
}

void TestNeckXyXc::xyXcRingsModeAndSelectAll() {
    Calculator<frmXY_XC> c;
    QVERIFY(QTest::qWaitForWindowActive(&c.w));
    auto& w = c.w;
    for (const QList<QLineEdit*>& ring : {QList<QLineEdit*>{w.Text1, w.Text2, w.Text5, w.Text6, w.Text1},
                                          QList<QLineEdit*>{w.Text3, w.Text4, w.Text7, w.Text8, w.Text3}}) {
        ring[0]->setFocus(Qt::OtherFocusReason);
        for (qsizetype i = 0; i + 1 < ring.size(); ++i) {
            QCOMPARE(QApplication::focusWidget(), ring[i]);
            QTest::keyClick(ring[i], Qt::Key_Return);
        }
    }
    c.type({{w.Text1, "3"}, {w.Text2, "4"}}, w.Text5);
    QCOMPARE(w.Text3->text(), QStringLiteral("10"));
    QVERIFY(w.Text3->isReadOnly());

    w.OptionXC->click();  // changes which boxes take input, recomputes nothing
    QCOMPARE(QApplication::focusWidget(), w.Text3);
    QVERIFY(!w.Text3->isReadOnly());
    QVERIFY(w.Text1->isReadOnly());
    QTRY_COMPARE(w.Text3->selectedText(), QStringLiteral("10"));
    w.Text4->setFocus(Qt::TabFocusReason);
    w.Text4->setText("90");
    w.Text3->setFocus(Qt::TabFocusReason);
    QCOMPARE(w.Text1->text(), QStringLiteral("-0.001"));
    QCOMPARE(w.Text2->text(), QStringLiteral("5"));
}

void TestNeckXyXc::xyXcInsertsAndReadouts() {
    Calculator<frmXY_XC> c;
    auto& w = c.w;
    w.Command5->click();
    w.Text3->setText("20");
    w.Text4->setText("90");
    w.Command5->click();
    w.Command8->click();  // no line end
    QCOMPARE(c.doc.box.Text(), test::crlf("C X\nC90 X20\nC"));

    w.Picture1_MouseMove(-10.0f, -10.0f);
    QCOMPARE(w.Picture3->text(), QStringLiteral("X-10  Y 10 "));
    QCOMPARE(w.Picture5->text(), QStringLiteral("X 28.284  C 135 "));
    QCOMPARE(w.Picture4->text(), QStringLiteral("X C0"));
    w.Form_MouseMove();
    QVERIFY(!w.Picture5->isVisibleTo(&w));
    QVERIFY(w.Picture2->isVisibleTo(&w));
}

QTEST_MAIN(TestNeckXyXc)
#include "tst_neck_xy_xc.moc"
