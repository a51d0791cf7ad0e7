#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/RPM.h"
#include "app/frmAbout.h"
#include "app/frmFeed.h"
#include "calculators/frmLineAngle.h"
#include "calculators/frmNoseRAngle.h"
#include "support/main_window.h"

using namespace quillmar;

namespace {

struct Fixture : test::MainWindowFixture {
    QTemporaryDir stubs;
    Fixture() { start(); }
    QString stub(const QString& name, const QString& body) {
        const QString path = stubs.filePath(name);
        test::writeBytes(path, ("#!/bin/sh\n" + body + "\n").toUtf8());
        QFile(path).setPermissions(QFile(path).permissions() | QFileDevice::ExeOwner);
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
    void openersRecordAndRetarget() {
        Fixture f;
        frmDocument* a = f.newWindow();
        frmDocument* b = f.newWindow();
        for (const auto& [button, command, window] :
             {std::tuple{26, "", "frmLineRPoint"}, {27, "", "frmCirclePoint"}, {29, "", "frmCircleCircle"},
              {30, "", "frmLine2Circle2"}, {0, "LineCycle", "frmLineR"}, {0, "Neck", "frmNeck"},
              {0, "XY_XC", "frmXY_XC"}, {0, "mnuToolsrpm", "RPM"}, {0, "mnuToolsFeed", "frmFeed"}}) {
            button ? f.w().toolbarButton(button)->trigger() : f.choose(command);
            QVERIFY2(f.w().toolWindow(window) && f.w().toolWindow(window)->isVisible(), window);
        }
        f.w().mdiArea()->setActiveSubWindow(a->subWindow());
        f.choose("AngleNoseR");
        auto* noseR = qobject_cast<frmNoseRAngle*>(f.w().toolWindow("frmNoseRAngle"));
        QVERIFY(QTest::qWaitForWindowActive(noseR));
        typeAndEnter(noseR->Text1, "0.8");
        typeAndEnter(noseR->Text2, "30");  // leaving the angle computes
        f.w().mdiArea()->setActiveSubWindow(b->subWindow());
        noseR->Command1->click();
        QCOMPARE(a->txtText->Text(), QStringLiteral(" 0.6762"));

        f.choose("LineAngle");  // retargets the open windows too
        noseR->Command3->click();
        QCOMPARE(b->txtText->Text(), QStringLiteral(" 0.5856"));
        f.choose("AngleNoseR");
        QCOMPARE(f.w().toolWindow("frmNoseRAngle"), noseR);
        QCOMPARE(noseR->Text3->text(), QStringLiteral("0.6762"));
    }

    void spindleSpeedInsertsAndCloses() {
        Fixture f;
        frmDocument* closed = f.newWindow();
        f.choose("mnuToolsrpm");
        auto* rpm = qobject_cast<RPM*>(f.w().toolWindow("RPM"));
        QVERIFY(QTest::qWaitForWindowActive(rpm));
        closed->subWindow()->close();  // the target gone: nothing inserted, the window stays
        QTRY_VERIFY(!f.w().documents().gTargetDoc);
        rpm->V->setText("100");
        typeAndEnter(rpm->Diameter, "50");
        QTest::qWait(0);
        QCOMPARE(f.w().toolWindow("RPM"), rpm);

        frmDocument* doc = f.newWindow();
        f.choose("mnuToolsrpm");
        typeAndEnter(rpm->V, "100");
        QCOMPARE(QApplication::focusWidget(), rpm->Diameter);
        QTest::keyClick(rpm->Diameter, Qt::Key_Return);
        QCOMPARE(doc->txtText->Text(), QStringLiteral("630"));
        QTRY_VERIFY(!f.w().toolWindow("RPM"));
    }

    void feedRefusalKeepsTheWindowAndTheTaperLineChainsToItsInsert() {
        Fixture f;
        frmDocument* doc = f.newWindow();
        f.choose("mnuToolsFeed");
        auto* feed = qobject_cast<frmFeed*>(f.w().toolWindow("frmFeed"));
        QVERIFY(QTest::qWaitForWindowActive(feed));
        f.answers.answerMessage(modal::kOk);
        typeAndEnter(feed->RA, "1.6");
        QCOMPARE(QApplication::focusWidget(), feed->NoseR);
        typeAndEnter(feed->NoseR, "-0.8");
        QCOMPARE(f.answers.messages.at(0).style, int{modal::kOkOnly} | int{modal::kExclamation});
        QVERIFY(QApplication::focusWidget() == feed->NoseR && doc->txtText->Text().isEmpty());
        feed->Option2->click();
        typeAndEnter(feed->NoseR, "0.8");  // Rz 1.6
        QCOMPARE(doc->txtText->Text(), QStringLiteral("F0.0039"));
        f.choose("LineAngle");
        auto* w = qobject_cast<frmLineAngle*>(f.w().toolWindow("frmLineAngle"));
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->Text1->setFocus(Qt::OtherFocusReason);
        for (const char* text : {"0", "0", "30", "10"})
            typeAndEnter(qobject_cast<QLineEdit*>(QApplication::focusWidget()), text);
        QCOMPARE(QApplication::focusWidget(), w->Text5);
        QTest::keyClick(w->Text5, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w->Command1);
        w->Command4->click();
        QCOMPARE(doc->txtText->Text(), QStringLiteral("F0.0039X10.0001 Z8.6603"));
        QTRY_VERIFY(!f.w().toolWindow("frmLineAngle"));
    }

    // The desktop's opener reports a missing file only by its exit status: the help file is
    // checked first, and either way the message names it.
    void helpNamesTheFileThatIsMissingOrCouldNotBeShown() {
        Fixture f;
        const QString programs = f.stubs.filePath("programs");
        const QString help = programs + "/help/G-code.hlp";
        QVERIFY(QDir().mkpath(programs + "/help"));
        f.w().setOutsideProgramsFolder(programs);
        const QString ran = f.stubs.filePath("ran");
        QVERIFY(QDir().mkpath(f.stubs.filePath("bin")));
        f.stub("bin/xdg-open", "printf '%s' \"$1\" > '" + ran + "'; exit 2");
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", (f.stubs.filePath("bin") + ":").toUtf8() + path);
        const auto restorePath = qScopeGuard([&] { qputenv("PATH", path); });

        for (const char* menu : {"GcodeHelp", "McodeHelp"}) {
            const QString file = programs + (menu[0] == 'G' ? "/help/G-code.hlp" : "/help/M-code.hlp");
            QCOMPARE(f.messageOf([&] { f.choose(menu); }), "The help file " + file + " is missing.");
        }
        QTest::qWait(100);
        QVERIFY(!QFile::exists(ran) && f.answers.messages.size() == 2);

        test::writeBytes(help, "help");
        f.answers.answerMessage(modal::kOk);
        f.choose("GcodeHelp");
        QTRY_COMPARE(f.answers.messages.size(), std::size_t{3});
        QCOMPARE(test::readBytes(ran), help.toUtf8());
        QCOMPARE(f.answers.messages.back().text,
                 "The help file " + help + " could not be shown: the viewer (xdg-open) could not find the file.");
        QCOMPARE(f.answers.messages.back().title, QStringLiteral("Quillmar"));
    }

    void theHelpViewerAboutAndTheCalculatorProgram() {
        Fixture f;
        const QString log = f.stubs.filePath("argument");
        const QString programs = f.stubs.filePath("my programs");
        QVERIFY(QDir().mkpath(programs + "/help"));
        for (const char* file : {"G-code.hlp", "M-code.hlp", "Variable.hlp"})
            test::writeBytes(programs + "/help/" + file, "help");
        f.w().setOutsideProgramsFolder(programs);
        f.w().helpViewer().setViewer(f.stub("viewer", "printf '%s|' \"$@\" > '" + log + "'"));
        f.choose("McodeHelp");
        QTRY_VERIFY(QFile::exists(log) && QFile(log).size() > 0);
        QCOMPARE(test::readBytes(log), (programs + "/help/M-code.hlp|").toUtf8());
        QVERIFY(f.answers.messages.empty());

        f.answers.answerMessage(modal::kOk);
        const QString failing = f.stub("failing", "exit 3");
        f.w().helpViewer().setViewer(failing);
        f.choose("GcodeHelp");
        QTRY_COMPARE(f.answers.messages.size(), std::size_t{1});
        QCOMPARE(f.answers.messages.at(0).text, "The help file " + programs + "/help/G-code.hlp could not be shown: " +
                                                    "the viewer (" + failing +
                                                    ") found no program installed that can show this kind of file.");

        f.answers.answerMessage(modal::kOk);
        f.w().helpViewer().setViewer(f.stubs.filePath("none"));
        f.choose("VariableHelp");
        QCOMPARE(f.answers.messages.size(), std::size_t{2});
        QCOMPARE(f.answers.messages.at(1).text, "No program to show help files was found (" + f.stubs.filePath("none") +
                                                    "). Install one, or open " + programs +
                                                    "/help/Variable.hlp yourself.");

        QStringList shown;
        f.answers.dialogHandler = [&shown](QDialog* d) {
            auto* about = qobject_cast<frmAbout*>(d);
            shown << about->lblTitle->text() << about->lblVersion->text();
            about->cmdOK->click();
            return d->result();
        };
        f.choose("mnuHelpAbout");
        QCOMPARE(shown, (QStringList{"Quillmar", "Version 2.7.7"}));

        f.answers.answerMessage(modal::kOk);
        f.w().setOutsideProgramsFolder(f.stubs.path());
        f.choose("mnuToolsCalculator");  // no calculator program
        QCOMPARE(f.answers.messages.size(), std::size_t{3});
        QCOMPARE(f.answers.messages.at(2).text, QStringLiteral("QuillmarCalculator was not found beside the program."));

        f.stub("QuillmarCalculator", "exec sleep 30");
        f.choose("mnuToolsCalculator");
        f.choose("mnuToolsCalculator");
        QCOMPARE(f.w().calculatorProgram().runningCount(), 2);
        f.w().MDIForm_Unload();
        QCOMPARE(f.w().calculatorProgram().runningCount(), 0);
    }

};

QTEST_MAIN(TestToolCalculators)
#include "tst_tool_calculators.moc"
