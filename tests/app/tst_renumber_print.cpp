#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "app/printing/PrintSetting.h"
#include "app/text_tools/frmNumberArrange.h"
#include "common/shared_state.h"
#include "platform/key_locks.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"
#include "support/test_support.h"

using namespace quillmar;

namespace {

const QString kProgram = QStringLiteral("O1000\r\nN5 G00 X100.\r\nNAP1 G81\r\nX50.\r\n(COMMENT)\r\nM30\r\n");
const QString kRenumbered =
    QStringLiteral("O1000\r\nN001 G00 X100.\r\nNAP1 G81\r\nN003     X50.\r\n(COMMENT)\r\nN004 M30\r\n");

struct Fixture {
    test::TempSettings temp;
    QTemporaryDir files;
    SettingsStore settings{temp.path()};
    SharedState state;
    InProcessKeyLocks keys;
    frmMain w{state, settings, keys};
    test::ScriptedResponder answers;

    Fixture() {
        w.MDIForm_Load(QString());
        w.show();
    }
    frmDocument* newDocument(const QString& text) {
        w.mnuFileNew_Click();
        frmDocument* doc = w.activeDocument();
        doc->txtText->setText(text);
        return doc;
    }
    void activate(frmDocument* doc) { w.mdiArea()->setActiveSubWindow(doc->subWindow()); }
    frmNumberArrange* arrange() {
        w.runCommand(QStringLiteral("mnuToolsNumberArrange"));
        return qobject_cast<frmNumberArrange*>(w.toolWindow(QStringLiteral("frmNumberArrange")));
    }
    PrintSetting* printSetting() {
        w.runCommand(QStringLiteral("mnuFilePrinterSetup"));
        return w.findChild<PrintSetting*>(QStringLiteral("PrintSetting"));
    }
};

}  // namespace

class RenumberPrintTest : public QObject {
    Q_OBJECT

private slots:
    void arrangeWritesTheDocumentItWasOpenedFor() {
        Fixture f;
        frmDocument* a = f.newDocument(QStringLiteral("G1\r\n"));
        QPointer<frmNumberArrange> window = f.arrange();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Sequence Number Arrange"));
        // Edited after opening: the run takes the text as it stands at OK.
        a->txtText->setText(kProgram);
        a->txtText->setSelStart(3);
        frmDocument* b = f.newDocument(QStringLiteral("G2\r\n"));
        f.w.runCommand(QStringLiteral("LineCircleLine"));
        QCOMPARE(f.w.documents().gTargetDoc.data(), b);

        window->Command1->click();
        QCOMPARE(a->txtText->Text(), kRenumbered);
        QCOMPARE(a->txtText->SelStart(), kRenumbered.size());
        QCOMPARE(a->txtText->mousePointer(), MousePointer::Default);
        QVERIFY(a->txtText->Modified());
        QCOMPARE(b->txtText->Text(), QStringLiteral("G2\r\n"));
        QTRY_VERIFY(!window);

        f.activate(a);
        f.w.mnuEditUndo_Click();
        QCOMPARE(a->txtText->Text(), kProgram);
    }

    void reopeningRetargetsTheOpenWindow() {
        Fixture f;
        frmDocument* a = f.newDocument(QStringLiteral("G1\r\n"));
        frmNumberArrange* first = f.arrange();
        frmDocument* b = f.newDocument(QStringLiteral("G2\r\n"));
        QCOMPARE(f.arrange(), first);
        first->WithoutSpace->setChecked(true);
        first->Command1->click();
        QCOMPARE(a->txtText->Text(), QStringLiteral("G1\r\n"));
        QCOMPARE(b->txtText->Text(), QStringLiteral("N001G2\r\n"));
    }

    void fromTheLineAfterTheCaret() {
        Fixture f;
        frmDocument* a = f.newDocument(QStringLiteral("G1\r\nG2\r\nG3\nG4"));
        frmNumberArrange* window = f.arrange();
        a->txtText->setSelStart(5);
        window->FromTop->setChecked(false);
        window->DigitNo->setText(QStringLiteral("4"));
        window->StartNo->setText(QStringLiteral("10"));
        window->AddNo->setText(QStringLiteral("10"));
        window->With1Space->setChecked(true);
        window->Command1->click();
        QCOMPARE(a->txtText->Text(), QStringLiteral("G1\r\nG2\r\nN0010 G3\nN0020 G4"));
    }

    void refusedValuesChangeNothing_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("add");
        QTest::addColumn<QString>("named");
        QTest::newRow("no digits") << "" << "1" << "1" << "Digit Number";
        QTest::newRow("ten digits") << "10" << "1" << "1" << "Digit Number";
        QTest::newRow("negative start") << "3" << "-1" << "1" << "Start Number";
        QTest::newRow("fractional add") << "3" << "1" << "0.5" << "Add Value";
    }
    void refusedValuesChangeNothing() {
        QFETCH(QString, digits);
        QFETCH(QString, start);
        QFETCH(QString, add);
        QFETCH(QString, named);
        Fixture f;
        frmDocument* a = f.newDocument(kProgram);
        a->txtText->setModified(false);
        frmNumberArrange* window = f.arrange();
        window->DigitNo->setText(digits);
        window->StartNo->setText(start);
        window->AddNo->setText(add);
        f.answers.answerMessage(modal::kOk);
        window->Command1->click();
        QCOMPARE(f.answers.messages.size(), size_t(1));
        QVERIFY(f.answers.messages[0].text.startsWith(named));
        QCOMPARE(f.answers.messages[0].style, modal::kOkOnly | modal::kExclamation);
        QCOMPARE(f.answers.messages[0].title, QStringLiteral("Sequence Number Arrange"));
        QVERIFY(window->isVisible());
        QCOMPARE(a->txtText->Text(), kProgram);
        QVERIFY(!a->txtText->Modified());
    }

    void aClosedDocumentIsNoTarget() {
        Fixture f;
        frmDocument* a = f.newDocument(QStringLiteral("G1\r\n"));
        frmDocument* b = f.newDocument(QStringLiteral("G2\r\n"));
        f.activate(a);
        QPointer<frmNumberArrange> window = f.arrange();
        a->txtText->setModified(false);
        a->subWindow()->close();
        QTRY_COMPARE(f.w.documentWindows().size(), 1);
        window->Command1->click();
        QTRY_VERIFY(!window);
        QCOMPARE(b->txtText->Text(), QStringLiteral("G2\r\n"));
    }

    void noWindowWithoutADocument() {
        Fixture f;
        QVERIFY(!f.arrange());
    }

    void boxesSelectAndEnterLeadsToOk() {
        Fixture f;
        f.newDocument(kProgram);
        frmNumberArrange* window = f.arrange();
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->DigitNo->setFocus(Qt::TabFocusReason);
        QCOMPARE(window->DigitNo->selectedText(), QStringLiteral("3"));
        QTest::keyClick(window->DigitNo, Qt::Key_Return);
        QCOMPARE(window->focusWidget(), window->StartNo);
        QCOMPARE(window->StartNo->selectedText(), QStringLiteral("1"));
        QTest::keyClick(window->StartNo, Qt::Key_Return);
        QCOMPARE(window->focusWidget(), window->AddNo);
        QTest::keyClick(window->AddNo, Qt::Key_Enter);
        QCOMPARE(window->focusWidget(), window->Command1);

        window->StopM02->click();
        QVERIFY(!window->Continue->isEnabled());
        window->StopM02->click();
        QVERIFY(window->Continue->isEnabled());

        QTest::keyClick(window->Command1, Qt::Key_Return);
        QCOMPARE(f.w.activeDocument()->txtText->Text(), kRenumbered);
    }

    void printSettingMargins() {
        Fixture f;
        f.state.gPrintLineMode = 2;
        f.state.gPrintLeft = 7;
        PrintSetting* window = f.printSetting();
        QVERIFY(window && window->isVisible());
        QVERIFY(window->Option2->isChecked());
        QCOMPARE(window->Text1->text(), QStringLiteral("7"));
        window->Text1->setText(QStringLiteral("10.5"));
        window->Text2->setText(QStringLiteral("11.5mm"));
        window->Option1->setChecked(true);
        window->Command3->click();
        QCOMPARE(f.state.gPrintLeft, 10L);
        QCOMPARE(f.state.gPrintRight, 12L);
        QCOMPARE(f.state.gPrintLineMode, 1);
        QTRY_VERIFY(!f.w.findChild<PrintSetting*>(QStringLiteral("PrintSetting")));
    }

    void aMarginBeyondWholeNumbersIsRefused() {
        Fixture f;
        PrintSetting* window = f.printSetting();
        window->Text2->setText(QStringLiteral("3000000000"));
        f.answers.answerMessage(modal::kOk);
        window->Command3->click();
        QCOMPARE(f.answers.messages.size(), size_t(1));
        QCOMPARE(f.answers.messages[0].title, QStringLiteral("Printer Setup"));
        QVERIFY(f.answers.messages[0].text.contains(QStringLiteral("right")));
        QCOMPARE(f.state.gPrintRight, 0L);
        QVERIFY(window->isVisible());
    }

    void cancelKeepsTheChosenFont() {
        Fixture f;
        PrintSetting* window = f.printSetting();
        window->Text1->setText(QStringLiteral("25"));
        QFont chosen(QStringLiteral("DejaVu Sans"));
        chosen.setPointSizeF(12.5);
        f.answers.fontAnswers.push_back(chosen);
        window->Command2->click();
        f.answers.fontAnswers.push_back(std::nullopt);
        window->Command2->click();
        window->Command4->click();
        QCOMPARE(f.state.gPrintFontName, QStringLiteral("DejaVu Sans"));
        QCOMPARE(f.state.gPrintFontSize, 12L);
        QCOMPARE(f.state.gPrintLeft, 10L);
    }

    void printToAPdfFile() {
        Fixture f;
        const QString pdf = f.files.filePath(QStringLiteral("program.pdf"));
        PrintSetting* window = f.printSetting();
        int shown = 0;
        f.answers.dialogHandler = [&](QDialog* dialog) {
            ++shown;
            auto* print = qobject_cast<QPrintDialog*>(dialog);
            if (!print)
                return int(QDialog::Rejected);
            // What a user does in the dialog: print to a file, landscape.
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(pdf);
            print->printer()->setPageOrientation(QPageLayout::Landscape);
            return int(QDialog::Accepted);
        };
        window->Command1->click();
        QCOMPARE(shown, 1);
        QCOMPARE(f.state.gPrintOrientation, 2);
        window->Command3->click();

        QString program;
        for (int i = 1; i <= 120; ++i)
            program += QStringLiteral("N%1 G01 X%2. Z-5.\r\n").arg(i).arg(i * 2);
        frmDocument* doc = f.newDocument(program);
        f.w.runCommand(QStringLiteral("mnuFilePrint"));
        QVERIFY(f.answers.messages.empty());
        QCOMPARE(f.w.documents().gTargetDoc.data(), doc);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") >= 2);
        QCOMPARE(doc->txtText->Text(), program);

        // A cancelled dialog keeps the printer and the orientation.
        f.answers.dialogHandler = [](QDialog*) { return int(QDialog::Rejected); };
        window = f.printSetting();
        window->Command1->click();
        QCOMPARE(f.state.gPrintOrientation, 2);
    }

    void printWithoutAPrinterSaysSo() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer");
        Fixture f;
        f.w.runCommand(QStringLiteral("mnuFilePrint"));  // no document: nothing at all
        f.newDocument(kProgram);
        f.answers.answerMessage(modal::kOk);
        f.w.runCommand(QStringLiteral("mnuFilePrint"));
        QCOMPARE(f.answers.messages.size(), size_t(1));
        QCOMPARE(f.answers.messages[0].text, QStringLiteral("プリンタが見つかりません。"));
        QCOMPARE(f.answers.messages[0].style, modal::kOkOnly | modal::kExclamation);
        QCOMPARE(f.answers.messages[0].title, QStringLiteral("Print"));
    }
};

QTEST_MAIN(RenumberPrintTest)
#include "tst_renumber_print.moc"
