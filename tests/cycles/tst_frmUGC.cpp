#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "common/shared_state.h"
#include "cycles/frmUGC.h"
#include "cycles/ugc_sketch.h"
#include "support/test_support.h"

using namespace quillmar;

namespace {

using Look = UgcSketch::Look;
using Background = frmUGC::Background;

QString focusName(const QWidget& window) {
    QWidget* w = window.focusWidget();
    return w ? w->objectName() : QString();
}

QColor base(const QLineEdit* box) { return box->palette().color(QPalette::Active, QPalette::Base); }

QByteArray csv(const QString& tool) {
    QByteArray bytes = "S45C,header\r\nNo,Process,T,S,M,V,F,D,L,U,W,C\r\n";
    bytes += "1,x," + tool.toLatin1() + ",0,1,300,0.01,0.1,,0.02,0.005,0.02\r\n";
    return bytes;
}

}  // namespace

class TestFrmUGC : public QObject {
    Q_OBJECT

private slots:
    void graphckEnablesTheGraphicControls();
    void withCenterSwapsTheBoreForTheCentre();
    void focusHighlightsTheSegment_data();
    void focusHighlightsTheSegment();
    void tabOrderWithTheGraphicAndCentre();
    void enterInText1MovesOnWhenNotEmpty();
    void materialFileReloadsTheTableAtOnce();
    void unreadableMaterialFileIsReportedAndKeepsTheOld();

private:
    void showAndActivate(frmUGC& d) {
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
    }
};

void TestFrmUGC::graphckEnablesTheGraphicControls() {
    SharedState state;
    frmUGC d(state);
    d.Check3->click();
    for (QWidget* w : std::initializer_list<QWidget*>{d.ChuckingSelect, d.SpindleSelect, d.Check1, d.Text1})
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(base(d.Text1), frmUGC::colourOf(Background::Window));
    // Without a centre its boxes stay off.
    QVERIFY(!d.Text6->isEnabled());
    QCOMPARE(base(d.Text6), frmUGC::colourOf(Background::ButtonFace));

    d.Check3->click();
    for (QWidget* w : std::initializer_list<QWidget*>{d.ChuckingSelect, d.SpindleSelect, d.Check1, d.Text1})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(base(d.Text1), frmUGC::colourOf(Background::ButtonFace));
}

void TestFrmUGC::withCenterSwapsTheBoreForTheCentre() {
    SharedState state;
    frmUGC d(state);
    d.Check3->click();
    d.Check1->click();
    QVERIFY(!d.Text4->isEnabled());
    QCOMPARE(base(d.Text4), frmUGC::colourOf(Background::MenuBar));
    for (QLineEdit* box : {d.Text6, d.Text7, d.Text8}) {
        QVERIFY(box->isEnabled());
        QCOMPARE(base(box), frmUGC::colourOf(Background::Window));
    }
    QVERIFY(!d.Sketch->segmentVisible(QStringLiteral("Line5")));
    for (const char* name : {"Line12", "Line13", "Line15", "Line16", "Line17"})
        QVERIFY(d.Sketch->segmentVisible(QString::fromLatin1(name)));
    QCOMPARE(d.Sketch->look(QStringLiteral("Line19")), Look::Faded);
    QVERIFY(!d.Label11->isHidden());

    // Clearing the graphic keeps the centre chosen; its boxes come back with it.
    d.Check3->click();
    QVERIFY(d.Check1->isChecked() && !d.Text4->isEnabled() && !d.Text6->isEnabled());
    d.Check3->click();
    QVERIFY(d.Text6->isEnabled());
    d.Check1->click();
    QVERIFY(d.Text4->isEnabled() && !d.Text6->isEnabled());
    QCOMPARE(base(d.Text4), frmUGC::colourOf(Background::Window));
    QVERIFY(d.Sketch->segmentVisible(QStringLiteral("Line5")) && !d.Sketch->segmentVisible(QStringLiteral("Line12")));
    QVERIFY(d.Label11->isHidden());
}

void TestFrmUGC::focusHighlightsTheSegment_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("segment");
    const std::pair<const char*, const char*> pairs[] = {
        {"Text9", "Line18"}, {"Text6", "Line19"}, {"Text7", "Line17"},
    };
    for (auto [box, segment] : pairs)
        QTest::newRow(box) << QString::fromLatin1(box) << QString::fromLatin1(segment);
}

void TestFrmUGC::focusHighlightsTheSegment() {
    QFETCH(QString, box);
    QFETCH(QString, segment);
    SharedState state;
    frmUGC d(state);
    d.Check3->click();
    if (box == QLatin1String("Text6") || box == QLatin1String("Text7") || box == QLatin1String("Text8"))
        d.Check1->click();
    const Look resting = d.Sketch->look(segment);
    showAndActivate(d);
    d.findChild<QLineEdit*>(box)->setFocus();
    QCOMPARE(d.Sketch->look(segment), Look::Highlight);
    for (const UgcSketch::Segment& s : UgcSketch::segments())
        if (QLatin1String(s.name) != segment)
            QVERIFY(d.Sketch->look(QString::fromLatin1(s.name)) != Look::Highlight);
    d.Command2->setFocus();
    // The face below the bore comes back faded from either of its boxes.
    QCOMPARE(d.Sketch->look(segment), segment == QLatin1String("Line19") ? Look::Faded : resting);
}

void TestFrmUGC::tabOrderWithTheGraphicAndCentre() {
    SharedState state;
    frmUGC d(state);
    d.Check3->click();
    d.Check1->click();
    showAndActivate(d);
    d.Text9->setFocus();
    QStringList seen = {focusName(d)};
    for (int i = 0; i < 16; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << focusName(d);
    }
    QCOMPARE(seen, (QStringList{"Text9", "Text1", "Text2", "Text3", "Text5", "Check1", "Text8", "Text7", "Text6",
                                "Command1", "Command2", "MainSpindle", "OD", "Check2", "Material", "Check3", "Text9"}));
}

void TestFrmUGC::enterInText1MovesOnWhenNotEmpty() {
    SharedState state;
    frmUGC d(state);
    d.Check3->click();
    showAndActivate(d);
    d.Text1->setFocus();
    QTest::keyClick(d.Text1, Qt::Key_Return);
    QCOMPARE(focusName(d), QStringLiteral("Text1"));
    QTest::keyClicks(d.Text1, "0.5");
    QTest::keyClick(d.Text1, Qt::Key_Return);
    QCOMPARE(focusName(d), QStringLiteral("Text2"));
    // Elsewhere Enter neither moves nor presses a button.
    QTest::keyClick(d.Text2, Qt::Key_Return);
    QCOMPARE(focusName(d), QStringLiteral("Text2"));
    QVERIFY(d.isVisible());
}

void TestFrmUGC::materialFileReloadsTheTableAtOnce() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("AL.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(csv(QStringLiteral("42")));
    file.close();

    SharedState state;
    state.gCsvDir = QStringLiteral("/start");
    state.gCsvFileName = QStringLiteral("/start/S45C.CSV");
    test::ScriptedResponder answers;
    answers.answerFile(path);
    {
        frmUGC d(state);
        d.Material->click();
        QCOMPARE(d.CsvFile->text(), path);
        QCOMPARE(state.gCuttingTable.cell(1, 3), QStringLiteral("42"));
        d.Command2->click();  // the choice stays after Cancel
    }
    QCOMPARE(answers.fileRequests.at(0).directory, QStringLiteral("/start"));
    QCOMPARE(answers.fileRequests[0].filter, QStringLiteral("CSV Files(*.csv)|*.csv|All Files(*.*)|*"));
    QCOMPARE(state.gCsvFileName, path);
    QCOMPARE(state.gCsvDir, dir.path());
    QCOMPARE(state.gCuttingTable.cell(1, 3), QStringLiteral("42"));
    QVERIFY(answers.messages.empty());
}

void TestFrmUGC::unreadableMaterialFileIsReportedAndKeepsTheOld() {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.csv"));
    const QString headerOnly = dir.filePath(QStringLiteral("header.csv"));
    QFile file(headerOnly);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("S45C\r\n");
    file.close();
    // A file that cannot be read, one without a row, and a choice cancelled.
    for (const std::optional<QString>& path : {std::optional(missing), std::optional(headerOnly), std::optional<QString>()}) {
        SharedState state;
        state.gCsvDir = QStringLiteral("/start");
        state.gCsvFileName = QStringLiteral("/start/S45C.CSV");
        state.gCuttingTable.setCell(1, 3, QStringLiteral("7"));
        test::ScriptedResponder answers;
        answers.answerFile(path);
        answers.answerMessage(modal::kOk);
        frmUGC d(state);
        d.Material->click();
        QCOMPARE(answers.messages.size(), size_t(path ? 1 : 0));
        if (path)
            QVERIFY(answers.messages[0].text.contains(*path));
        QCOMPARE(d.CsvFile->text(), QStringLiteral("/start/S45C.CSV"));
        QCOMPARE(state.gCsvDir, QStringLiteral("/start"));
        QCOMPARE(state.gCsvFileName, QStringLiteral("/start/S45C.CSV"));
        QCOMPARE(state.gCuttingTable.cell(1, 3), QStringLiteral("7"));
    }
}

QTEST_MAIN(TestFrmUGC)
#include "tst_frmUGC.moc"
