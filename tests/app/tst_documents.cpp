#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QtTest>

#include <sys/stat.h>

#include "common/shared_state.h"
#include "app/command_line.h"
#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "app/menu_tree.h"
#include "platform/key_locks.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"
#include "support/main_window.h"
#include "support/test_support.h"

using namespace quillmar;

namespace {

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct Fixture : test::MainWindowFixture {
    Fixture() { start(); }
    frmDocument* active() { return w().activeDocument(); }
    QStringList captions() {
        QStringList list;
        for (frmDocument* d : w().documentWindows())
            list << d->caption();
        return list;
    }
    QStringList recent() {
        QStringList list;
        for (int n = 1; n <= 5; ++n)
            if (item("mnuFileRecentFile", n)->isVisible())
                list << item("mnuFileRecentFile", n)->text();
        return list;
    }
    frmDocument* open(const QString& path) {
        answers.answerFile(path);
        w().mnuFileOpen_Click();
        return active();
    }
    int usedSlots() const {
        int n = 0;
        for (bool used : window->documents().gDocSlotUsed)
            n += used;
        return n;
    }
};

}  // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void sixDocumentsAtMost() {
        Fixture f;
        for (int i = 0; i < 6; ++i)
            f.w().mnuFileNew_Click();
        QCOMPARE(f.captions().size(), 6);
        for (int i = 0; i < 3; ++i)
            f.answers.answerMessage(modal::kOk);
        f.w().mnuFileNew_Click();
        f.w().mnuFileOpen_Click();  // no dialog is shown
        f.w().AddRecentFile(f.file("A.MIN"));
        f.w().mnuFileRecentFile_Click(1);
        QCOMPARE(f.captions().size(), 6);
        QCOMPARE(f.answers.messages.size(), size_t(3));
        for (const auto& m : f.answers.messages) {
            QCOMPARE(m.text, QStringLiteral("Over open files."));
            QCOMPARE(m.style, modal::kOkOnly | modal::kInformation);
            QCOMPARE(m.title, QStringLiteral("Quillmar"));
        }
        QVERIFY(f.answers.fileRequests.empty());
    }

    void cancelledOpensGiveTheirSlotsBack() {
        Fixture f;
        for (int i = 0; i < 7; ++i) {
            f.answers.answerFile(std::nullopt);
            f.w().mnuFileOpen_Click();
        }
        QCOMPARE(f.usedSlots(), 0);
        QCOMPARE(f.answers.fileRequests.back().filter,
                 QStringLiteral("All Files (*.*)|*|Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb"));
        QVERIFY(!f.item("mnuEdit")->isVisible());
    }

    void untitledNumbersAreNotReused() {
        Fixture f;
        f.w().mnuFileNew_Click();
        f.w().mnuFileNew_Click();
        QCOMPARE(f.active()->caption(), QStringLiteral("Untitle 2"));
        QCOMPARE(f.active()->DocIndex, 1);
        f.active()->subWindow()->close();
        QTRY_COMPARE(f.captions(), QStringList{"Untitle 1"});
        f.w().mnuFileNew_Click();
        QCOMPARE(f.active()->caption(), QStringLiteral("Untitle 3"));
        QCOMPARE(f.active()->DocIndex, 1);
        QCOMPARE(f.w().documents().gTargetDoc.data(), f.active());
        QVERIFY(f.item("mnuEdit")->isVisible());
        QVERIFY(f.item("mnuFileSave")->isEnabled());
        QVERIFY(f.item("mnuSearchFind")->isEnabled());
        QVERIFY(!f.item("mnuEditUndo")->isEnabled());
    }

    void recentFilesNewestFirstWithoutDuplicateCheck() {
        Fixture f;
        writeBytes(f.file("a.min"), "O1\r\n");
        writeBytes(f.file("b.min"), "O2\r\n");
        f.open(f.file("a.min"));
        f.open(f.file("b.min"));
        QCOMPARE(f.recent(), (QStringList{f.file("b.min"), f.file("a.min")}));
        f.open(f.file("a.min"));
        QCOMPARE(f.recent(), (QStringList{f.file("a.min"), f.file("b.min"), f.file("a.min")}));
        QCOMPARE(f.active()->caption(), f.file("a.min"));
        QCOMPARE(f.state.gOpenDir, f.files.path());
        // Loading is recorded but does not mark the document modified.
        QVERIFY(!f.active()->txtText->Modified());
        QVERIFY(f.item("mnuEditUndo")->isEnabled());
    }

    void aMissingFileOpensEmptyAndCreatesNothing() {
        Fixture f;
        const QString gone = f.file("gone.min");
        f.w().AddRecentFile(gone);
        f.w().mnuFileRecentFile_Click(1);
        QCOMPARE(f.active()->caption(), gone);
        QCOMPARE(f.active()->txtText->Text(), QString());
        QVERIFY(!QFile::exists(gone));
    }

    void anUnreadableFileIsReportedAndItsWindowGoes() {
        Fixture f;
        QDir(f.files.path()).mkdir("folder.min");
        f.answers.answerMessage(modal::kOk);
        f.open(f.file("folder.min"));
        QCOMPARE(f.answers.messages.size(), size_t(1));
        QVERIFY(f.answers.messages[0].text.startsWith(f.file("folder.min")));
        QTRY_VERIFY(f.captions().isEmpty());
        QCOMPARE(f.usedSlots(), 0);
        QVERIFY(f.recent().isEmpty());
    }

    void saveAsksForANameOnlyWhenUntitled() {
        Fixture f;
        f.w().mnuFileNew_Click();
        f.active()->txtText->setSelText("O100\r\nG00 X1.");
        const QString path = f.file("new.min");
        f.answers.answerFile(path);
        f.w().mnuFileSave_Click();
        QCOMPARE(f.answers.fileRequests.back().fileName, QString());
        QCOMPARE(f.answers.fileRequests.back().kind, modal::FileRequest::Save);
        QCOMPARE(readBytes(path), QByteArray("O100\r\nG00 X1."));
        QCOMPARE(f.active()->caption(), path);
        QVERIFY(!f.active()->txtText->Modified());
        QCOMPARE(f.recent(), QStringList{path});
        // Saved once, Save writes without asking; Save As proposes the path.
        f.active()->txtText->setSelText("\r\n");
        f.w().mnuFileSave_Click();
        QCOMPARE(readBytes(path), QByteArray("O100\r\nG00 X1.\r\n"));
        f.answers.answerFile(std::nullopt);
        f.w().mnuFileSaveAs_Click();
        QCOMPARE(f.answers.fileRequests.back().fileName, path);
        QCOMPARE(f.recent(), QStringList{path});
    }

    void aFailedSaveKeepsEverything() {
        Fixture f;
        const QString path = f.file("keep.min");
        writeBytes(path, "OLD");
        f.open(path);
        f.active()->txtText->setSelText("NEW");
        QDir(f.files.path()).mkdir("adir");
        f.answers.answerFile(f.file("adir"));
        f.answers.answerMessage(modal::kOk);
        f.w().mnuFileSaveAs_Click();
        QVERIFY(f.answers.messages.back().text.startsWith(QStringLiteral("保存が出来ません。\r\n")));
        QCOMPARE(f.answers.messages.back().style, modal::kOkOnly);
        QVERIFY(f.active()->txtText->Modified());
        QCOMPARE(f.active()->caption(), path);
        QCOMPARE(readBytes(path), QByteArray("OLD"));
        QCOMPARE(f.recent(), QStringList{path});
    }

    void closeBoxYesThenCancelledDialogKeepsTheDocument() {
        Fixture f;
        f.w().mnuFileNew_Click();
        f.active()->txtText->setSelText("G00");
        f.answers.answerMessage(modal::kYes);
        f.answers.answerFile(std::nullopt);
        QVERIFY(!f.active()->subWindow()->close());
        QCOMPARE(f.answers.messages[0].text, QStringLiteral("[Untitle 1] is changed.\r\n save?"));
        QCOMPARE(f.answers.messages[0].style, modal::kYesNoCancel | modal::kExclamation);
        QCOMPARE(f.answers.messages[0].title, QStringLiteral("Quillmar inch Ver.2.77"));
        QCOMPARE(f.captions(), QStringList{"Untitle 1"});
        // No: it closes.
        f.answers.answerMessage(modal::kNo);
        QVERIFY(f.active()->subWindow()->close());
        QTRY_VERIFY(f.captions().isEmpty());
    }

    void fileCloseAsksTwiceWhenAnsweredNo() {
        Fixture f;
        f.w().mnuFileNew_Click();
        f.active()->txtText->setSelText("G00");
        f.answers.answerMessage(modal::kNo);
        f.answers.answerMessage(modal::kCancel);
        f.w().mnuFileClose_Click();
        QCOMPARE(f.answers.messages.size(), size_t(2));
        QCOMPARE(f.answers.messages[0].text, QStringLiteral("Data is changed. save?"));
        QCOMPARE(f.answers.messages[0].title, QStringLiteral("Quillmar"));
        QCOMPARE(f.captions(), QStringList{"Untitle 1"});
        f.answers.answerMessage(modal::kNo);
        f.answers.answerMessage(modal::kNo);
        f.w().mnuFileClose_Click();
        QTRY_VERIFY(f.captions().isEmpty());
        // The menus stay; commands without a document do nothing.
        QVERIFY(f.item("mnuEdit")->isVisible());
        f.w().mnuFileSave_Click();
        f.w().mnuEditUndo_Click();
        f.w().mnuColor_Click();
        f.w().mnuFileClose_Click();
    }

    void exitSavesEachDocumentToItsOwnFile() {
        Fixture f;
        const QString a = f.file("a.min"), b = f.file("b.min");
        writeBytes(a, "A");
        writeBytes(b, "B");
        f.open(a)->txtText->setSelText("1");
        frmDocument* second = f.open(b);
        second->txtText->setSelText("2");
        f.answers.answerMessage(modal::kYes);
        f.answers.answerMessage(modal::kYes);
        QVERIFY(f.w().close());
        QCOMPARE(readBytes(a), QByteArray("1A"));
        QCOMPARE(readBytes(b), QByteArray("2B"));
    }

    void exitCancelledKeepsRunning() {
        Fixture f;
        f.w().mnuFileNew_Click();
        f.active()->txtText->setSelText("G00");
        f.answers.answerMessage(modal::kCancel);
        f.w().mnuFileExit_Click();
        QVERIFY(f.w().isVisible());
        QCOMPARE(f.captions(), QStringList{"Untitle 1"});
        SettingsStore s(f.temp.path());
        QVERIFY(!s.contains("Settings", "MainLeft"));
        f.active()->txtText->setModified(false);
    }

    void filesComeBackByteForByte_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("crlf") << QByteArray("O1\r\nG00 X1.\r\n");
        QTest::newRow("lf") << QByteArray("O1\nG00\n");
        QTest::newRow("cr") << QByteArray("O1\rG00\r");
        QTest::newRow("mixed") << QByteArray("O1\r\nA\nB\rC");
        QTest::newRow("no final end") << QByteArray("O1\r\nM30");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cp932") << QByteArray("O1 (\x83\x65\x83\x58\x83\x67)\r\n");
        QTest::newRow("bytes") << QByteArray("O1 (\xff\xfe\x80)\r\n");
        QTest::newRow("utf8") << QByteArray("O1 (テスト)\r\n");
    }
    void filesComeBackByteForByte() {
        QFETCH(QByteArray, bytes);
        Fixture f;
        const QString path = f.file("p.min");
        writeBytes(path, bytes);
        frmDocument* doc = f.open(path);
        QVERIFY(f.w().SaveDocument(*doc, f.file("q.min")));
        QCOMPARE(readBytes(f.file("q.min")), bytes);
    }

    void commandLineFileOpens() {
        Fixture pre;
        const QString path = pre.file("cmd file.min");
        writeBytes(path, "O9\r\n");
        test::TempSettings temp;
        SettingsStore settings{temp.path()};
        SharedState state;
        InProcessKeyLocks keys;
        frmMain w{state, settings, keys};
        w.MDIForm_Load(QStringLiteral("\"%1\" extra").arg(path));
        QCOMPARE(w.documentWindows().size(), 1);
        QCOMPARE(w.documentWindows()[0]->txtText->Text(), QStringLiteral("O9\r\n"));
        QVERIFY(w.menus().action("mnuEdit")->isVisible());
    }

    void aPipeOnTheCommandLineOpensNothing() {
        test::MainWindowFixture pre;
        const QString fifo = pre.file("pipe.min");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        pre.answers.answerMessage(modal::kOk);
        pre.window = std::make_unique<frmMain>(pre.state, pre.settings, pre.keys);
        pre.window->MDIForm_Load(QStringLiteral("\"%1\"").arg(fifo));
        pre.window->show();
        QCOMPARE(pre.answers.messages.size(), size_t(1));
        QTRY_VERIFY(pre.window->documentWindows().isEmpty());
    }

    void undoAndRedoWalkTheRing() {
        Fixture f;
        f.w().mnuFileNew_Click();
        RichTextBox* t = f.active()->txtText;
        QTest::keyClicks(t, "A");
        QCOMPARE(t->Text(), QStringLiteral("A"));
        QVERIFY(t->Modified());
        QVERIFY(f.item("mnuEditUndo")->isEnabled());
        f.w().mnuEditUndo_Click();
        QCOMPARE(t->Text(), QString());
        QVERIFY(f.item("mnuEditRedo")->isEnabled());
        QVERIFY(f.w().toolbarButton(13)->isEnabled());
        f.w().mnuEditRedo_Click();
        QCOMPARE(t->Text(), QStringLiteral("A"));
        QCOMPARE(t->SelStart(), 1);
        QVERIFY(!f.item("mnuEditRedo")->isEnabled());
    }

    void undoAfterOpenRestoresTheFileThenEmpties() {
        Fixture f;
        writeBytes(f.file("u.min"), "O1");
        RichTextBox* t = f.open(f.file("u.min"))->txtText;
        t->setSelStart(2);
        t->setSelText("X");
        f.w().mnuEditUndo_Click();
        QCOMPARE(t->Text(), QStringLiteral("O1"));
        f.w().mnuEditUndo_Click();
        QCOMPARE(t->Text(), QString());
        f.w().mnuEditRedo_Click();
        f.w().mnuEditRedo_Click();
        QCOMPARE(t->Text(), QStringLiteral("O1X"));
    }

    void typingInOneDocumentLeavesTheOthersRing() {
        Fixture f;
        f.w().mnuFileNew_Click();
        frmDocument* first = f.active();
        f.w().mnuFileNew_Click();
        frmDocument* second = f.active();
        first->txtText->setSelText("one");
        second->txtText->setSelText("two");
        const UndoRing& ring = f.w().documents().undo;
        QCOMPARE(ring.levelText(first->DocIndex, 0, first->undoText()), QStringLiteral("one"));
        QCOMPARE(ring.levelText(second->DocIndex, 0, second->undoText()), QStringLiteral("two"));
        QCOMPARE(ring.levelText(first->DocIndex, 1, first->undoText()), QString());
    }

    void automaticNumberingWhileTyping() {
        Fixture f;
        f.w().mnuFileNew_Click();
        RichTextBox* t = f.active()->txtText;
        f.item("mnuToolsAutoNo")->trigger();
        QVERIFY(f.state.gAutoNumber);
        QVERIFY(f.item("mnuToolsAutoNo")->isChecked());
        QVERIFY(f.w().toolbarButton(15)->isChecked());
        QTest::keyClicks(t, "G01X");
        QCOMPARE(t->Text(), QStringLiteral("N000 G01 X"));
        QTest::keyClick(t, Qt::Key_Return);
        QTest::keyClicks(t, "(");
        QVERIFY(t->Text().endsWith("\r\n("));
        f.w().mnuToolsAutoNo_Click();
        QVERIFY(!f.w().toolbarButton(15)->isChecked());
    }

    void changeColorPaintsTheNonDigitsBlue() {
        Fixture f;
        f.w().mnuFileNew_Click();
        RichTextBox* t = f.active()->txtText;
        t->setSelText("O1234 G00");
        t->setSelStart(3);
        f.w().mnuColor_Click();
        const QColor blue(0, 0, 255);
        QCOMPARE(t->colorAt(0), blue);
        QCOMPARE(t->colorAt(5), blue);
        QCOMPARE(t->colorAt(6), blue);
        QVERIFY(t->colorAt(1) != blue);
        QVERIFY(t->colorAt(8) != blue);
        QCOMPARE(t->SelStart(), 3);
        QCOMPARE(f.w().documents().gSearchPos, 3);
    }

    void clipboardCommands() {
        Fixture f;
        f.w().mnuFileNew_Click();
        RichTextBox* t = f.active()->txtText;
        t->setSelText("G00 X1.");
        t->select(0, 3);
        f.w().mnuEditCopy_Click();
        t->select(4, 3);
        f.w().mnuEditCut_Click();
        QCOMPARE(t->Text(), QStringLiteral("G00 "));
        f.w().mnuEditPaste_Click();
        QCOMPARE(t->Text(), QStringLiteral("G00 X1."));
        t->setSelStart(0);
        f.w().mnuEditCopy_Click();  // nothing selected: the clipboard keeps "X1."
        f.w().mnuEditPaste_Click();
        QCOMPARE(t->Text(), QStringLiteral("X1.G00 X1."));
    }

    void nextRequestGoesIntoTheActiveDocument() {
        Fixture f;
        f.w().mnuFileNew_Click();
        f.w().runCommand("ProcessMT1");
        QCOMPARE(f.active()->txtText->Text(), QStringLiteral("N000 MT=1"));
    }

    void rightClickShowsTheEditMenu() {
        Fixture f;
        f.w().mnuFileNew_Click();
        RichTextBox* t = f.active()->txtText;
        QMenu* edit = f.w().menus().menu("mnuEdit");
        QTest::mouseClick(t->viewport(), Qt::RightButton, {}, QPoint(10, 10));
        QTRY_VERIFY(edit->isVisible());
        edit->hide();
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!edit->isVisible());
    }

    void calculatorsWriteIntoTheTargetDocument() {
        Fixture f;
        f.w().mnuFileNew_Click();
        frmDocument* first = f.active();
        f.w().runCommand("LineCircleLine");
        QWidget* calc = f.w().toolWindow("frmLineRLine");
        QVERIFY(calc);
        QVERIFY(calc->isVisible());
        f.w().runCommand("LineCircleLine");  // a second opener brings the same window
        QCOMPARE(f.w().toolWindow("frmLineRLine"), calc);
        QVERIFY(f.w().targetInsert()("X1.Z2."));
        QCOMPARE(first->txtText->Text(), QStringLiteral("X1.Z2."));
        // A closed target is no target: the insert does nothing.
        first->txtText->setModified(false);
        first->subWindow()->close();
        QTRY_VERIFY(f.w().documents().gTargetDoc.isNull());
        QVERIFY(!f.w().targetInsert()("X3."));
        calc->close();
        QTRY_VERIFY(!f.w().toolWindow("frmLineRLine"));
    }

    void exitAsksEveryDocumentBeforeClosingAny() {
        Fixture f;
        f.w().mnuFileNew_Click();
        f.active()->txtText->setSelText("FIRST");
        f.w().mnuFileNew_Click();
        f.active()->txtText->setSelText("SECOND");
        f.answers.answerMessage(modal::kNo);
        f.answers.answerMessage(modal::kCancel);
        QVERIFY(!f.w().close());
        QCOMPARE(f.w().documentWindows().size(), 2);
        QCOMPARE(f.w().documentWindows()[0]->txtText->Text(), QStringLiteral("FIRST"));
        QCOMPARE(f.w().documentWindows()[1]->txtText->Text(), QStringLiteral("SECOND"));
        f.answers.answerMessage(modal::kNo);
        f.answers.answerMessage(modal::kNo);
        QVERIFY(f.w().close());
        QTRY_COMPARE(f.w().documentWindows().size(), 0);
    }

    void aCharacterTheCodePageLacksIsSavedOnlyWhenTheUserSaysSo() {
        Fixture f;
        const QString path = f.file("MixedCase.min");
        const QByteArray cp932("O1000\r\n(\x8d\x72)\r\n");
        writeBytes(path, cp932);
        f.open(path);
        QCOMPARE(f.active()->caption(), path);
        f.active()->txtText->setSelText(QString::fromUtf8("€"));
        f.answers.answerMessage(modal::kNo);
        f.w().mnuFileSave_Click();
        QCOMPARE(f.answers.messages.back().text,
                 QStringLiteral("This program contains characters that its code page cannot hold. Save it as UTF-8?"));
        QCOMPARE(readBytes(path), cp932);
        QVERIFY(f.active()->txtText->Modified());
        f.answers.answerMessage(modal::kYes);
        f.w().mnuFileSave_Click();
        QCOMPARE(readBytes(path), QString::fromUtf8("€O1000\r\n(荒)\r\n").toUtf8());
        QVERIFY(!f.active()->txtText->Modified());
    }

    void aSaveOverNewerWorkAsksFirst() {
        Fixture f;
        const QString path = f.file("twice.min");
        writeBytes(path, "O1\r\n");
        frmDocument* first = f.open(path);
        frmDocument* second = f.open(path);
        first->txtText->setSelText("A");
        f.w().mdiArea()->setActiveSubWindow(first->subWindow());
        f.w().mnuFileSave_Click();
        QCOMPARE(readBytes(path), QByteArray("AO1\r\n"));
        second->txtText->setSelText("B");
        f.w().mdiArea()->setActiveSubWindow(second->subWindow());
        f.answers.answerMessage(modal::kNo);
        f.w().mnuFileSave_Click();
        QCOMPARE(f.answers.messages.back().text, QStringLiteral("The file was changed since it was opened. Overwrite it?"));
        QCOMPARE(readBytes(path), QByteArray("AO1\r\n"));
        QVERIFY(second->txtText->Modified());
        f.answers.answerMessage(modal::kYes);
        f.w().mnuFileSave_Click();
        QCOMPARE(readBytes(path), QByteArray("BO1\r\n"));
    }

    void ctrlZAndCtrlYRunTheUndoRing() {
        Fixture f;
        f.w().mnuFileNew_Click();
        RichTextBox* text = f.active()->txtText;
        f.w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.w()));
        text->setFocus();
        QTest::keyClicks(text, "G0");
        QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text->Text(), QStringLiteral("G"));
        QTest::keyClick(text, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(text->Text(), QStringLiteral("G0"));
    }

    void theCommandLineOpensItsFirstArgumentOnly() {
        test::TempSettings temp;
        QTemporaryDir files;
        const QString path = files.filePath("a.min");
        writeBytes(path, "O1\r\n");
        SettingsStore settings{temp.path()};
        SharedState state;
        InProcessKeyLocks keys;
        frmMain w{state, settings, keys};
        w.MDIForm_Load(commandLineOf({"quillmar", path, files.filePath("b.min")}));
        QCOMPARE(w.documentWindows().size(), 1);
        QCOMPARE(w.activeDocument()->caption(), path);
    }

    void theSaveDialogsFolderIsKeptEvenWhenCancelled() {
        Fixture f;
        f.w().mnuFileNew_Click();
        f.state.gSaveDir = f.files.path();
        f.answers.answerFile(std::nullopt);
        f.w().mnuFileSaveAs_Click();
        QCOMPARE(f.state.gSaveDir, f.files.path());
        f.answers.answerFile(f.file("sub/x.min"));
        f.answers.answerMessage(modal::kOk);
        f.w().mnuFileSaveAs_Click();
        QCOMPARE(f.state.gSaveDir, f.file("sub"));
    }

    void screenFontAppliesToTheActiveDocument() {
        Fixture f;
        f.w().mnuFileNew_Click();
        QFont chosen("IPAMincho");
        chosen.setPointSizeF(10.5);
        chosen.setStrikeOut(true);
        f.answers.fontAnswers.push_back(chosen);
        f.answers.colorAnswers.push_back(QColor(Qt::red));
        f.w().mnuFileFont_Click();
        QCOMPARE(f.state.gTextFontName, QStringLiteral("IPAMincho"));
        QCOMPARE(f.state.gTextFontSize, 10L);
        QCOMPARE(f.active()->txtText->textFont().family(), QStringLiteral("IPAMincho"));
        QVERIFY(f.active()->txtText->textFont().strikeOut());
        QCOMPARE(f.active()->txtText->textColor(), QColor(Qt::red));
        f.answers.fontAnswers.push_back(std::nullopt);
        f.w().mnuFileFont_Click();
        QCOMPARE(f.state.gTextFontSize, 10L);
    }
};

QTEST_MAIN(DocumentsTest)
#include "tst_documents.moc"
