#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/RPM.h"
#include "app/frmAbout.h"
#include "app/frmDocument.h"
#include "app/frmFeed.h"
#include "app/frmMain.h"
#include "calculators/frmLineAngle.h"
#include "calculators/frmNoseRAngle.h"
#include "platform/rich_text_box.h"
#include "support/main_window.h"

using namespace quillmar;

namespace {

struct Fixture : test::MainWindowFixture {
    QTemporaryDir stubs;
    Fixture() { start(); }

    frmDocument* newDocument() {
        choose("mnuFileNew");
        return w().activeDocument();
    }
    // A stand-in program in the stub folder: a shell script with the given body.
    QString stub(const QString& name, const QString& body) {
        const QString path = stubs.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(("#!/bin/sh\n" + body + "\n").toUtf8());
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return path;
    }
};

void typeAndEnter(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::TabFocusReason);
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Return);
}

}  // namespace

class TestToolCalculators : public QObject {
    Q_OBJECT

private slots:
    void openersRecordAndRetarget();
    void spindleSpeedInsertsAndCloses();
    void feedRefusalKeepsTheWindow();
    void taperLineChainAndInsert();
    void aboutThroughTheModalSeam();
    void helpHandsTheFileToTheViewer();
    void calculatorInstancesAreClosedAtExit();
};

void TestToolCalculators::openersRecordAndRetarget() {
    Fixture f;
    frmDocument* a = f.newDocument();
    frmDocument* b = f.newDocument();
    for (const auto& [button, window] : {std::pair{26, "frmLineRPoint"}, {27, "frmCirclePoint"},
                                         {29, "frmCircleCircle"}, {30, "frmLine2Circle2"}}) {
        f.w().toolbarButton(button)->trigger();
        QVERIFY2(f.w().toolWindow(window) && f.w().toolWindow(window)->isVisible(), window);
    }
    for (const auto& [command, window] : {std::pair{"LineCycle", "frmLineR"}, {"Neck", "frmNeck"},
                                          {"XY_XC", "frmXY_XC"}, {"mnuToolsrpm", "RPM"}, {"mnuToolsFeed", "frmFeed"}}) {
        f.choose(command);
        QVERIFY2(f.w().toolWindow(window) && f.w().toolWindow(window)->isVisible(), command);
    }
    f.w().mdiArea()->setActiveSubWindow(a->subWindow());
    f.choose("AngleNoseR");
    auto* noseR = qobject_cast<frmNoseRAngle*>(f.w().toolWindow("frmNoseRAngle"));
    QVERIFY(QTest::qWaitForWindowActive(noseR));
    typeAndEnter(noseR->Text1, "0.8");
    typeAndEnter(noseR->Text2, "30");  // leaving the angle computes
    f.w().mdiArea()->setActiveSubWindow(b->subWindow());
    noseR->Command1->click();
    QCOMPARE(a->txtText->Text(), QStringLiteral(" 0.676"));

    f.choose("LineAngle");  // retargets the open windows too
    noseR->Command3->click();
    QCOMPARE(b->txtText->Text(), QStringLiteral(" 0.585"));
    f.choose("AngleNoseR");
    QCOMPARE(f.w().toolWindow("frmNoseRAngle"), noseR);
    QCOMPARE(noseR->Text3->text(), QStringLiteral("0.676"));
}

void TestToolCalculators::spindleSpeedInsertsAndCloses() {
    Fixture f;
    frmDocument* closed = f.newDocument();
    f.choose("mnuToolsrpm");
    auto* rpm = qobject_cast<RPM*>(f.w().toolWindow("RPM"));
    QVERIFY(QTest::qWaitForWindowActive(rpm));
    closed->subWindow()->close();  // the target gone: nothing inserted, the window stays
    QTRY_VERIFY(!f.w().documents().gTargetDoc);
    rpm->V->setText("100");
    typeAndEnter(rpm->Diameter, "50");
    QTest::qWait(0);
    QCOMPARE(f.w().toolWindow("RPM"), rpm);

    frmDocument* doc = f.newDocument();
    f.choose("mnuToolsrpm");
    rpm->V->clear();
    typeAndEnter(rpm->Diameter, "50");  // V empty: only the focus moves
    QCOMPARE(QApplication::focusWidget(), rpm->V);
    typeAndEnter(rpm->V, "100");
    QCOMPARE(QApplication::focusWidget(), rpm->Diameter);
    QTest::keyClick(rpm->Diameter, Qt::Key_Return);
    QCOMPARE(doc->txtText->Text(), QStringLiteral("630"));
    QTRY_VERIFY(!f.w().toolWindow("RPM"));
}

void TestToolCalculators::feedRefusalKeepsTheWindow() {
    Fixture f;
    frmDocument* doc = f.newDocument();
    f.choose("mnuToolsFeed");
    auto* feed = qobject_cast<frmFeed*>(f.w().toolWindow("frmFeed"));
    QVERIFY(QTest::qWaitForWindowActive(feed));
    f.answers.answerMessage(modal::kOk);
    typeAndEnter(feed->RA, "1.6");
    QCOMPARE(QApplication::focusWidget(), feed->NoseR);
    typeAndEnter(feed->NoseR, "-0.8");
    QCOMPARE(f.answers.messages.size(), std::size_t{1});
    QCOMPARE(f.answers.messages[0].style, int{modal::kOkOnly} | int{modal::kExclamation});
    QCOMPARE(QApplication::focusWidget(), feed->NoseR);
    QVERIFY(doc->txtText->Text().isEmpty());
    feed->Option2->click();
    typeAndEnter(feed->NoseR, "0.8");  // Rz 1.6
    QCOMPARE(doc->txtText->Text(), QStringLiteral("F0.1"));
    QTRY_VERIFY(!f.w().toolWindow("frmFeed"));
}

void TestToolCalculators::taperLineChainAndInsert() {
    Fixture f;
    frmDocument* doc = f.newDocument();
    f.choose("LineAngle");
    auto* w = qobject_cast<frmLineAngle*>(f.w().toolWindow("frmLineAngle"));
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->Text1->setFocus(Qt::OtherFocusReason);
    for (const char* text : {"0", "0", "30", "10"}) {
        auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    QCOMPARE(QApplication::focusWidget(), w->Text5);
    QCOMPARE(w->Text5->text(), QStringLiteral("8.66"));
    QTest::keyClick(w->Text5, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w->Command1);
    QCOMPARE(w->Text4->text(), QStringLiteral("9.999"));
    w->Command4->click();
    QCOMPARE(doc->txtText->Text(), QStringLiteral("X9.999 Z8.66"));
    QTRY_VERIFY(!f.w().toolWindow("frmLineAngle"));
}

void TestToolCalculators::aboutThroughTheModalSeam() {
    Fixture f;
    QStringList shown;
    f.answers.dialogHandler = [&shown](QDialog* d) {
        auto* about = qobject_cast<frmAbout*>(d);
        shown << about->lblTitle->text() << about->lblVersion->text();
        about->cmdOK->click();
        return d->result();
    };
    f.choose("mnuHelpAbout");
    QCOMPARE(shown, (QStringList{"Quillmar", "Version 2.7.7"}));
}

void TestToolCalculators::helpHandsTheFileToTheViewer() {
    Fixture f;
    const QString log = f.stubs.filePath("argument");
    f.w().setOutsideProgramsFolder("/opt/my programs");
    f.w().helpViewer().setViewer(f.stub("viewer", "printf '%s|' \"$@\" > '" + log + "'"));
    f.choose("McodeHelp");
    QTRY_VERIFY(QFile::exists(log) && QFile(log).size() > 0);
    QFile file(log);
    file.open(QIODevice::ReadOnly);
    QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral("/opt/my programs/help/M-code.hlp|"));
    QVERIFY(f.answers.messages.empty());

    f.answers.answerMessage(modal::kOk);
    f.w().helpViewer().setViewer(f.stub("failing", "exit 3"));
    f.choose("GcodeHelp");
    QTRY_COMPARE(f.answers.messages.size(), std::size_t{1});
    QCOMPARE(f.answers.messages.at(0).text, QStringLiteral("A required tool could not be found."));

    f.answers.answerMessage(modal::kOk);
    f.w().helpViewer().setViewer(f.stubs.filePath("none"));
    f.choose("VariableHelp");
    QCOMPARE(f.answers.messages.size(), std::size_t{2});
    QVERIFY(!f.answers.messages.at(1).text.isEmpty());
}

void TestToolCalculators::calculatorInstancesAreClosedAtExit() {
    Fixture f;
    f.answers.answerMessage(modal::kOk);
    f.w().setOutsideProgramsFolder(f.stubs.path());
    f.choose("mnuToolsCalculator");  // no calculator program
    QCOMPARE(f.answers.messages.size(), std::size_t{1});

    f.stub("QuillmarCalculator", "exec sleep 30");
    f.choose("mnuToolsCalculator");
    f.choose("mnuToolsCalculator");
    QCOMPARE(f.w().calculatorProgram().runningCount(), 2);
    f.w().MDIForm_Unload();
    QCOMPARE(f.w().calculatorProgram().runningCount(), 0);
}

QTEST_MAIN(TestToolCalculators)
#include "tst_tool_calculators.moc"
