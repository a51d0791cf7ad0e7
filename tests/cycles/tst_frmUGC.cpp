#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include "common/shared_state.h"
#include "cycles/frmUGC.h"
#include "cycles/ugc_sketch.h"
#include "support/test_support.h"
#include "window_test.h"

using namespace quillmar;
using test::focusName;
using test::showAndActivate;

namespace {

using Look = UgcSketch::Look;
using Background = frmUGC::Background;

QColor base(const QLineEdit* box) { return box->palette().color(QPalette::Active, QPalette::Base); }

QByteArray csv(const QString& tool) {
    QByteArray bytes = "S45C,header\r\nNo,Process,T,S,M,V,F,D,L,U,W,C\r\n";
    bytes += "1,x," + tool.toLatin1() + ",0,1,300,0.01,0.1,,0.02,0.005,0.02\r\n";
    return bytes;
}

// The dialog with the graphic chosen and, when asked, the centre.
struct StateHolder {
    SharedState state;
};
struct GraphicDialog : StateHolder, frmUGC {
    explicit GraphicDialog(bool centre) : frmUGC(state) {
        Check3->click();
        if (centre)
            Check1->click();
    }
};

}  // namespace

class TestFrmUGC : public QObject {
    Q_OBJECT

private slots:
    void graphckEnablesTheGraphicControls() {
        GraphicDialog d(false);
        // Without a centre its boxes stay off.
        QVERIFY(!d.Text6->isEnabled());
        QCOMPARE(base(d.Text6), frmUGC::colourOf(Background::ButtonFace));
        for (bool on : {true, false}) {
            for (QWidget* w : std::initializer_list<QWidget*>{d.ChuckingSelect, d.SpindleSelect, d.Check1, d.Text1})
                QVERIFY2(w->isEnabled() == on, qPrintable(w->objectName()));
            QCOMPARE(base(d.Text1), frmUGC::colourOf(on ? Background::Window : Background::ButtonFace));
            d.Check3->click();
        }
    }

    void withCenterSwapsTheBoreForTheCentre() {
        GraphicDialog d(true);
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
        QVERIFY(d.Sketch->segmentVisible(QStringLiteral("Line5")));
        QVERIFY(!d.Sketch->segmentVisible(QStringLiteral("Line12")));
        QVERIFY(d.Label11->isHidden());
    }

    // Only the focused box's segment is highlighted; leaving draws it plainly, but the face
    // below the bore comes back faded from either of its boxes.
    void focusHighlightsTheSegment() {
        GraphicDialog d(true);
        showAndActivate(d);
        const std::pair<const char*, const char*> pairs[] = {
            {"Text9", "Line18"}, {"Text6", "Line19"}, {"Text7", "Line17"}};
        for (auto [box, segment] : pairs) {
            d.findChild<QLineEdit*>(box)->setFocus();
            for (const UgcSketch::Segment& s : UgcSketch::segments())
                QCOMPARE(d.Sketch->look(s.name) == Look::Highlight, QLatin1String(s.name) == QLatin1String(segment));
            d.Command2->setFocus();
            const bool faceBelowTheBore = QLatin1String(segment) == QLatin1String("Line19");
            QCOMPARE(d.Sketch->look(segment), faceBelowTheBore ? Look::Faded : Look::Normal);
        }
    }

    void tabOrderWithTheGraphicAndCentre() {
        GraphicDialog d(true);
        showAndActivate(d);
        d.Text9->setFocus();
        QStringList seen = {focusName(d)};
        for (int i = 0; i < 16; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << focusName(d);
        }
        QCOMPARE(seen, (QStringList{"Text9", "Text1", "Text2", "Text3", "Text5", "Check1", "Text8", "Text7", "Text6",
                                    "Command1", "Command2", "MainSpindle", "OD", "Check2", "Material", "Check3",
                                    "Text9"}));
    }

    void enterInText1MovesOnWhenNotEmpty() {
        GraphicDialog d(false);
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

    // A file that loads replaces the table at once and stays chosen after Cancel; one that
    // cannot be read or has no row is reported and, like a cancelled choice, keeps the old.
    void materialFileReloadsTheTableOrKeepsTheOld() {
        QTemporaryDir dir;
        auto write = [&dir](const char* name, const QByteArray& bytes) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
            return file.fileName();
        };
        const QString good = write("AL.csv", csv(QStringLiteral("42"))), headerOnly = write("header.csv", "S45C\r\n");
        // A spreadsheet's "Unicode" save: UTF-16, which read as 8-bit text is full of NULs.
        QStringEncoder toUtf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        const QString unicode = write("unicode.csv", toUtf16(QString::fromLatin1(csv(QStringLiteral("42")))));
        for (const std::optional<QString>& path :
             {std::optional(good), std::optional(dir.filePath(QStringLiteral("missing.csv"))),
              std::optional(headerOnly), std::optional(unicode), std::optional<QString>()}) {
            const bool loads = path == good;
            SharedState state;
            state.gCsvDir = QStringLiteral("/start");
            state.gCsvFileName = QStringLiteral("/start/S45C.CSV");
            state.gCuttingTable.setCell(1, CuttingConditionTable::kToolNumber, QStringLiteral("7"));
            test::ScriptedResponder answers;
            answers.answerFile(path);
            answers.answerMessage(modal::kOk);
            {
                frmUGC d(state);
                d.Material->click();
                QCOMPARE(d.CsvFile->text(), loads ? good : QStringLiteral("/start/S45C.CSV"));
                d.Command2->click();
            }
            QCOMPARE(answers.fileRequests.at(0).directory, QStringLiteral("/start"));
            QCOMPARE(answers.fileRequests[0].filter, QStringLiteral("CSV Files(*.csv)|*.csv|All Files(*.*)|*"));
            QCOMPARE(answers.messages.size(), size_t(path && !loads ? 1 : 0));
            if (path && !loads)
                QVERIFY(answers.messages[0].text.contains(*path));
            QCOMPARE(state.gCsvFileName, loads ? good : QStringLiteral("/start/S45C.CSV"));
            QCOMPARE(state.gCsvDir, loads ? dir.path() : QStringLiteral("/start"));
            QCOMPARE(state.gCuttingTable.cell(1, CuttingConditionTable::kToolNumber),
                     loads ? QStringLiteral("42") : QStringLiteral("7"));
        }
    }
};

QTEST_MAIN(TestFrmUGC)
#include "tst_frmUGC.moc"
