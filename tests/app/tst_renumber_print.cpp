#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "app/printing/PrintSetting.h"
#include "app/text_tools/frmNumberArrange.h"
#include "support/main_window.h"

using namespace quillmar;

namespace {

const QString kProgram = QStringLiteral("O1000\r\nN5 G00 X100.\r\nNAP1 G81\r\nX50.\r\n(COMMENT)\r\nM30\r\n");
const QString kRenumbered =
    QStringLiteral("O1000\r\nN001 G00 X100.\r\nNAP1 G81\r\nN003     X50.\r\n(COMMENT)\r\nN004 M30\r\n");

struct Fixture : test::MainWindowFixture {
    Fixture() { start(); }
    frmNumberArrange* arrange() {
        w().runCommand(QStringLiteral("mnuToolsNumberArrange"));
        return qobject_cast<frmNumberArrange*>(w().toolWindow(QStringLiteral("frmNumberArrange")));
    }
    PrintSetting* printSetting() {
        w().runCommand(QStringLiteral("mnuFilePrinterSetup"));
        return w().findChild<PrintSetting*>(QStringLiteral("PrintSetting"));
    }
    // Printer Setup's printer dialog answered with printing to the PDF file.
    void choosePdf(const QString& pdf, QPageLayout::Orientation orientation = QPageLayout::Portrait) {
        answers.dialogHandler = [=](QDialog* dialog) {
            QPrinter* printer = qobject_cast<QPrintDialog*>(dialog)->printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            printer->setPageOrientation(orientation);
            return int(QDialog::Accepted);
        };
        printSetting()->Command1->click();
    }
};

}  // namespace

class RenumberPrintTest : public QObject {
    Q_OBJECT

private slots:
    void arrangeWritesTheDocumentItWasOpenedForInOneStep() {
        Fixture f;
        QVERIFY(!f.arrange());  // no document, no window
        frmDocument* a = f.newWindow(QStringLiteral("G1\r\n"));
        QPointer<frmNumberArrange> window = f.arrange();
        // Edited after opening: the run takes the text as it stands at OK.
        a->txtText->setText(kProgram);
        frmDocument* b = f.newWindow(QStringLiteral("G2\r\n"));
        window->Command1->click();
        QCOMPARE(a->txtText->Text(), kRenumbered);
        QVERIFY(a->txtText->SelStart() == kRenumbered.size() && a->txtText->mousePointer() == MousePointer::Default);
        QCOMPARE(b->txtText->Text(), QStringLiteral("G2\r\n"));
        QTRY_VERIFY(!window);
        f.w().mdiArea()->setActiveSubWindow(a->subWindow());
        f.w().mnuEditUndo_Click();
        QCOMPARE(a->txtText->Text(), kProgram);
        // Reopened, the window follows the active document; a closed document is no target.
        QPointer<frmNumberArrange> again = f.arrange();
        f.w().mdiArea()->setActiveSubWindow(b->subWindow());
        QCOMPARE(f.arrange(), again.data());
        b->txtText->setModified(false);
        b->subWindow()->close();
        QTRY_COMPARE(f.w().documentWindows().size(), 1);
        again->Command1->click();
        QTRY_VERIFY(!again);
        QCOMPARE(a->txtText->Text(), kProgram);
    }

    // The UTF-8 mark is the file's: the first line is still the O line, and the mark is
    // saved in front of it.
    void aFileMarkedAsUtf8IsRenumberedAndSavedWithItsMark() {
        Fixture f;
        const QString path = f.file("O1000.min");
        const QByteArray mark("\xef\xbb\xbf");
        QVERIFY(test::writeBytes(path, mark + kProgram.toLatin1()));
        f.open(path);
        f.arrange()->Command1->click();
        f.w().mnuFileSave_Click();
        QCOMPARE(test::readBytes(path), mark + kRenumbered.toLatin1());
    }

    void aRefusedValueChangesNothingAndEnterLeadsToOk() {
        Fixture f;
        const QString program = QStringLiteral("G1\r\nG2\r\nG3\nG4");
        frmDocument* a = f.newWindow(program);
        a->txtText->setSelStart(5);
        a->txtText->setModified(false);
        frmNumberArrange* window = f.arrange();
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->AddNo->setText(QStringLiteral("0.5"));
        QVERIFY(f.messageOf([&] { window->Command1->click(); }).startsWith(QStringLiteral("Add Value")));
        QVERIFY(window->isVisible() && !a->txtText->Modified());
        QCOMPARE(a->txtText->Text(), program);
        window->DigitNo->setFocus(Qt::TabFocusReason);
        for (const auto& [box, shown, typed] : {std::tuple{window->DigitNo, "3", "4"}, {window->StartNo, "1", "10"},
                                                {window->AddNo, "0.5", "10"}}) {
            QCOMPARE(window->focusWidget(), box);
            QCOMPARE(box->selectedText(), QString::fromLatin1(shown));
            box->setText(QString::fromLatin1(typed));
            QTest::keyClick(box, Qt::Key_Return);
        }
        QCOMPARE(window->focusWidget(), window->Command1);
        window->StopM02->click();
        QVERIFY(!window->Continue->isEnabled());
        window->FromTop->setChecked(false), window->WithoutSpace->setChecked(true);
        QTest::keyClick(window->Command1, Qt::Key_Return);
        QCOMPARE(a->txtText->Text(), QStringLiteral("G1\r\nG2\r\nN0010G3\nN0020G4"));
    }

    void printSettingMarginsAndFontThenPrintToAPdfFile() {
        Fixture f;
        f.state.gPrintLineMode = 2;
        PrintSetting* window = f.printSetting();
        QVERIFY(window->Option2->isChecked());
        window->Text2->setText(QStringLiteral("3000000000"));
        QVERIFY(f.messageOf([&] { window->Command3->click(); }).contains(QStringLiteral("right")));
        QCOMPARE(f.state.gPrintRight, 0L);
        QVERIFY(window->isVisible());
        QFont chosen(QStringLiteral("DejaVu Sans"));
        chosen.setPointSizeF(12.5);
        for (std::optional<QFont> answer : {std::optional(chosen), std::optional<QFont>()})
            f.answers.fontAnswers.push_back(answer), window->Command2->click();
        window->Text1->setText(QStringLiteral("10.5"));
        window->Text2->setText(QStringLiteral("11.5mm"));
        window->Command3->click();
        QCOMPARE((QList<long>{f.state.gPrintLeft, f.state.gPrintRight, f.state.gPrintLineMode, f.state.gPrintFontSize}),
                 (QList<long>{10, 12, 2, 12}));
        QCOMPARE(f.state.gPrintFontName, QStringLiteral("DejaVu Sans"));
        window = f.printSetting();
        window->Text1->setText(QStringLiteral("25"));
        window->Command4->click();
        QCOMPARE(f.state.gPrintLeft, 10L);
        const QString pdf = f.file(QStringLiteral("program.pdf"));
        f.choosePdf(pdf, QPageLayout::Landscape);
        QCOMPARE(f.state.gPrintOrientation, 2);
        f.printSetting()->Command3->click();
        QString program;
        for (int i = 1; i <= 120; ++i)
            program += QStringLiteral("N%1 G01 X%2. Z-5.\r\n").arg(i).arg(i * 2);
        f.newWindow(program);
        f.w().runCommand(QStringLiteral("mnuFilePrint"));
        QCOMPARE(f.answers.messages.size(), size_t(1));
        QVERIFY(test::readBytes(pdf).startsWith("%PDF"));
        QVERIFY(test::pdfPageCount(pdf) >= 2);
        f.answers.dialogHandler = [](QDialog*) { return int(QDialog::Rejected); };
        f.printSetting()->Command1->click();  // a cancelled dialog keeps the orientation
        QCOMPARE(f.state.gPrintOrientation, 2);
    }

    // A PDF's file name is typed in the printer dialog: Caps Lock is off while it is up and
    // back as it was after it, however it closes.
    void thePrinterDialogHoldsCapsLockOff() {
        Fixture f;
        f.keys.set(kVkCapsLock, true);
        QList<bool> capsLockInDialog;
        for (const int answer : {int(QDialog::Accepted), int(QDialog::Rejected)}) {
            f.answers.dialogHandler = [&, answer](QDialog*) {
                return capsLockInDialog << f.keys.isOn(kVkCapsLock), answer;
            };
            f.printSetting()->Command1->click();
            QVERIFY(f.keys.isOn(kVkCapsLock));
        }
        QCOMPARE(capsLockInDialog, (QList<bool>{false, false}));
        f.keys.set(kVkCapsLock, false);
        f.printSetting()->Command1->click();
        QCOMPARE(capsLockInDialog.back(), false);
        QVERIFY(!f.keys.isOn(kVkCapsLock) && f.keys.presses(kVkCapsLock) == 4);
    }

    // A full disk, a missing folder or a pipe in the way: the reason is told and no file is
    // left half written.
    void aPdfThatCannotBeWrittenSaysWhyAndKeepsTheOldFile() {
        Fixture f;
        f.newWindow(kProgram);
        const QString pdf = f.file(QStringLiteral("program.pdf"));
        QVERIFY(test::writeBytes(pdf, "old"));
        const QString pipe = f.file(QStringLiteral("pipe.pdf"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        for (const auto& [target, reason] :
             {std::pair{pdf, QString::fromLocal8Bit(std::strerror(EFBIG))},
              {f.file(QStringLiteral("gone/program.pdf")), QString::fromLocal8Bit(std::strerror(ENOENT))},
              {pipe, QStringLiteral("Not a regular file")}}) {
            f.choosePdf(target);
            test::FileSizeLimit full(1024);
            QCOMPARE(f.messageOf([&] { f.w().runCommand(QStringLiteral("mnuFilePrint")); }),
                     QStringLiteral("印刷できませんでした。\r\n%1: %2").arg(reason, target));
        }
        QCOMPARE(test::readBytes(pdf), QByteArray("old"));
        QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
        QCOMPARE(QDir(f.files.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{QStringLiteral("pipe.pdf"), QStringLiteral("program.pdf")}));
    }

    // A long print shows how far it has come, page by page; Cancel leaves no file.
    void aPrintShowsItsProgressAndCanBeCancelled() {
        Fixture f;
        const QString pdf = f.file(QStringLiteral("program.pdf"));
        f.choosePdf(pdf);
        f.newWindow(QStringLiteral("G01 X1.\r\n").repeated(300));
        QList<double> done;
        for (const int cancelAt : {2, 0}) {
            done.clear();
            f.answers.progressHandler = [&](const modal::ProgressStep& step) {
                return done << step.done, done.size() != cancelAt;
            };
            QCOMPARE(f.messageOf([&] { f.w().runCommand(QStringLiteral("mnuFilePrint")); }), QString());
            QCOMPARE(QDir(f.files.path()).entryList(QDir::Files | QDir::Hidden).size(), cancelAt ? 0 : 1);
        }
        QVERIFY(done.size() > 2 && std::is_sorted(done.begin(), done.end()) && done.back() == 1.0);
        QCOMPARE(test::pdfPageCount(pdf), done.size());
    }

    // A page filled to its last line and ended with a line end is one sheet, in one
    // column and in two.
    void aFullPageEndingInALineEndPrintsOneSheet() {
        Fixture f;
        const QString pdf = f.file(QStringLiteral("program.pdf"));
        f.choosePdf(pdf);
        const QString line = QStringLiteral("G01\r\n");
        f.newWindow(line.repeated(1000));
        double firstPage = 0;  // its share of the text tells how many lines a page holds
        f.answers.progressHandler = [&](const modal::ProgressStep& step) { return firstPage = step.done, false; };
        f.w().runCommand(QStringLiteral("mnuFilePrint"));
        f.answers.progressHandler = {};
        for (const int columns : {1, 2}) {
            f.state.gPrintLineMode = columns;
            f.newWindow(line.repeated(qRound(firstPage * 1000) * columns));
            f.w().runCommand(QStringLiteral("mnuFilePrint"));
            QCOMPARE(test::pdfPageCount(pdf), 1);
        }
    }

    void theCalculatorsPrintOnTheChosenPrinter() {
        Fixture f;
        const QString pdf = f.file(QStringLiteral("calculator.pdf"));
        f.choosePdf(pdf);
        f.newWindow(kProgram);
        f.w().runCommand(QStringLiteral("LineCycle"));
        QWidget* calculator = f.w().toolWindow(QStringLiteral("frmLineR"));
        auto* print = calculator->findChild<QPushButton*>(QStringLiteral("Command10"));
        QCOMPARE(f.messageOf([&] { print->click(); }), QString());
        QCOMPARE(test::pdfPageCount(pdf), 1);
    }

    void printWithoutAPrinterSaysSo() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer");
        Fixture f;
        f.w().runCommand(QStringLiteral("mnuFilePrint"));  // no document: nothing at all
        f.newWindow(kProgram);
        QCOMPARE(f.messageOf([&] { f.w().runCommand(QStringLiteral("mnuFilePrint")); }),
                 QStringLiteral("プリンタが見つかりません。"));
    }
};

QTEST_MAIN(RenumberPrintTest)
#include "tst_renumber_print.moc"
