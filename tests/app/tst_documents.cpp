#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/command_line.h"
#include "support/main_window.h"
#include "support/system_faults.h"

using namespace quillmar;
using test::readBytes;
using test::writeBytes;

namespace {

struct Fixture : test::MainWindowFixture {
    Fixture() { start(); }
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
    int usedSlots() const { return int(std::count(std::begin(window->documents().gDocSlotUsed),
                                                   std::end(window->documents().gDocSlotUsed), true)); }
};

}  // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void sixDocumentsAtMostAndCancelledOpensGiveTheirSlotsBack() {
        Fixture f;
        f.keys.set(kVkCapsLock, true);
        for (int i = 0; i < 7; ++i) {
            f.answers.answerFile(std::nullopt);
            f.w().mnuFileOpen_Click();
        }
        // Caps Lock went off for each dialog, so that a typed name keeps its case, and came back.
        QVERIFY(f.keys.isOn(kVkCapsLock));
        QCOMPARE(f.keys.presses(kVkCapsLock), 14);
        QVERIFY(f.answers.fileRequests.back().filter.startsWith(QStringLiteral("All Files (*.*)|*|")));
        for (int i = 0; i < 6; ++i)
            f.w().mnuFileNew_Click();
        f.answers.fileRequests.clear();
        for (auto command : {&frmMain::mnuFileOpen_Click, &frmMain::mnuFileNew_Click})
            QCOMPARE(f.messageOf([&] { (f.w().*command)(); }), QStringLiteral("Over open files."));
        QCOMPARE(f.captions().size(), 6);
        QVERIFY(f.answers.fileRequests.empty());
    }

    void openingKeepsARecentListAndReportsWhatItCannotRead() {
        Fixture f;
        for (const char* name : {"a.min", "b.min", "a.min"})
            writeBytes(f.file(name), "O1\r\n"), f.open(f.file(name));
        QCOMPARE(f.recent(), (QStringList{f.file("a.min"), f.file("b.min"), f.file("a.min")}));
        QCOMPARE(f.state.gOpenDir, f.files.path());
        QVERIFY(!f.active()->txtText->Modified());
        // A missing file opens empty and creates nothing.
        f.w().AddRecentFile(f.file("gone.min"));
        f.w().mnuFileRecentFile_Click(1);
        QVERIFY(f.active()->caption() == f.file("gone.min") && !QFile::exists(f.file("gone.min")));
        // An unreadable one is reported and its window goes.
        QDir(f.files.path()).mkdir("folder.min");
        QVERIFY(f.messageOf([&] { f.open(f.file("folder.min")); }).startsWith(f.file("folder.min")));
        QTRY_COMPARE(f.usedSlots(), 4);
        QVERIFY(!f.recent().contains(f.file("folder.min")));
    }

    void saveAsksForANameOnlyWhenUntitledAndAFailedSaveKeepsEverything() {
        Fixture f;
        f.newDocument()->setSelText("O100");
        const QString path = f.file("sub/new.min");
        QDir(f.files.path()).mkdir("sub");
        f.answers.answerFile(path);
        f.w().mnuFileSave_Click();
        QCOMPARE(f.state.gSaveDir, f.file("sub"));
        QCOMPARE(f.recent(), QStringList{path});
        f.active()->txtText->setSelText("\r\n");
        f.w().mnuFileSave_Click();  // titled: no dialog
        QCOMPARE(readBytes(path), QByteArray("O100\r\n"));
        // Save As proposes the path; a failure keeps the file, the caption and the change.
        QDir(f.files.path()).mkdir("adir");
        f.active()->txtText->setSelText("NEW");
        f.answers.answerFile(f.file("adir"));
        QVERIFY(f.messageOf([&] { f.w().mnuFileSaveAs_Click(); }).startsWith(QStringLiteral("保存が出来ません。\r\n")));
        QCOMPARE(f.answers.fileRequests.back().fileName, path);
        QVERIFY(f.active()->txtText->Modified());
        QCOMPARE(f.active()->caption(), path);
        QCOMPARE(readBytes(path), QByteArray("O100\r\n"));
        f.state.gSaveDir = f.files.path();
        f.answers.answerFile(std::nullopt);  // a cancelled dialog keeps the folder
        f.w().mnuFileSaveAs_Click();
        QCOMPARE(f.state.gSaveDir, f.files.path());
    }

    void closingAsksAndKeepsTheDocumentUnlessToldAndNumbersAreNotReused() {
        Fixture f;
        f.newDocument()->setSelText("G00");
        // The close box: Yes, then a cancelled save dialog keeps it.
        f.answers.answerMessage(modal::kYes);
        f.answers.answerFile(std::nullopt);
        QVERIFY(!f.active()->subWindow()->close());
        QCOMPARE(f.answers.messages[0].text, QStringLiteral("[Untitle 1] is changed.\r\n save?"));
        QCOMPARE(f.answers.messages[0].title, f.w().windowTitle());
        // Close from the menu asks once: Cancel, and a Yes whose save did not happen, keep it.
        f.answers.answerMessage(modal::kCancel);
        f.w().mnuFileClose_Click();
        f.answers.answerMessage(modal::kYes);
        f.answers.answerFile(std::nullopt);
        f.w().mnuFileClose_Click();
        QCOMPARE(f.answers.messages.size(), size_t(3));
        QCOMPARE(f.answers.messages[1].text, QStringLiteral("Data is changed. save?"));
        for (int i : {0, 1})
            QCOMPARE(f.answers.messages[i].style, modal::kYesNoCancel | modal::kExclamation);
        QCOMPARE(f.captions(), QStringList{"Untitle 1"});
        f.answers.answerMessage(modal::kNo);
        f.w().mnuFileClose_Click();
        QTRY_VERIFY(f.captions().isEmpty());
        QCOMPARE(f.answers.messages.size(), size_t(4));
        // No closes a titled document without writing the refused edits; Yes writes and closes.
        const QString path = f.file("kept.min");
        writeBytes(path, "O1");
        for (int answer : {modal::kNo, modal::kYes}) {
            f.open(path)->txtText->setSelText(answer == modal::kNo ? "REFUSED" : "N");
            f.answers.answerMessage(answer);
            f.w().mnuFileClose_Click();
            QTRY_VERIFY(f.captions().isEmpty());
        }
        QCOMPARE(f.answers.messages.size(), size_t(6));
        QCOMPARE(readBytes(path), QByteArray("NO1"));
        for (auto command : {&frmMain::mnuFileSave_Click, &frmMain::mnuEditUndo_Click, &frmMain::mnuColor_Click})
            (f.w().*command)();  // without a document: nothing
        f.w().mnuFileNew_Click();  // untitled numbers are not reused; the freed slot is
        QVERIFY(f.active()->caption() == "Untitle 2" && f.active()->DocIndex == 0);
    }

    // Without a main window a document still records, asks and gives its slot back; a
    // save it asks for that nobody makes keeps it open.
    void aDocumentStandsAloneAndOnlyAsksForItsSave() {
        test::ScriptedResponder answers;
        DocumentState docs;
        SharedState state;
        docs.gDocSlotUsed[2] = true;
        QPointer<frmDocument> doc = new frmDocument(docs, state, 2);
        QSignalSpy changed(doc, &frmDocument::changed), save(doc, &frmDocument::saveRequested);
        doc->txtText->setSelText("G00");
        QVERIFY(changed.count() == 1 && docs.undo.canUndo(2) && doc->txtText->Modified());
        answers.answerMessage(modal::kYes);
        QVERIFY(!doc->close() && save.count() == 1);
        answers.answerMessage(modal::kNo);
        QVERIFY(doc->close() && !docs.gDocSlotUsed[2]);
        QTRY_VERIFY(doc.isNull());
    }

    // What a document leaves to the main window: the others are arranged again once one
    // has closed, and a right click shows the Edit menu.
    void aClosedDocumentLeavesTheOthersArrangedAndARightClickShowsTheEditMenu() {
        Fixture f;
        frmDocument* first = f.newWindow();
        frmDocument* second = f.newWindow();
        QVERIFY(second->subWindow()->width() < f.w().mdiArea()->viewport()->width());
        first->subWindow()->close();
        second->txtText->setFocus();
        QTRY_COMPARE(second->subWindow()->width(), f.w().mdiArea()->viewport()->width());
        QMenu* edit = f.w().menus().menu("mnuEdit");
        QTest::mouseClick(second->txtText->viewport(), Qt::RightButton);
        QTRY_VERIFY(edit->isVisible());
        edit->close();
    }

    void exitAsksEveryDocumentBeforeClosingAnyAndSavesEachToItsFile() {
        Fixture f;
        const QString a = f.file("a.min"), b = f.file("b.min");
        writeBytes(a, "A"), writeBytes(b, "B");
        f.open(a)->txtText->setSelText("1");
        f.open(b)->txtText->setSelText("2");
        for (int answer : {modal::kNo, modal::kCancel, modal::kYes, modal::kYes})
            f.answers.answerMessage(answer);
        f.w().mnuFileExit_Click();
        QCOMPARE(f.w().documentWindows().size(), 2);
        QVERIFY(!SettingsStore(f.temp.path()).contains("Settings", "MainLeft"));
        QVERIFY(f.w().close());
        QCOMPARE(readBytes(a), QByteArray("1A"));
        QCOMPARE(readBytes(b), QByteArray("2B"));
    }

    void theCommandLineFileIsOpenedAsNamedAndAPipeThereOpensNothing() {
        test::MainWindowFixture quoted;
        writeBytes(quoted.file("a\"b.min"), "O1");
        quoted.start(true, quoted.file("a\"b.min"));
        QCOMPARE(quoted.active()->caption(), quoted.file("a\"b.min"));
        test::MainWindowFixture pre;
        QCOMPARE(mkfifo(QFile::encodeName(pre.file("pipe.min")).constData(), 0600), 0);
        pre.answers.answerMessage(modal::kOk);
        pre.start(true, pre.file("pipe.min"));
        QCOMPARE(pre.answers.messages.size(), size_t(1));
        QTRY_VERIFY(pre.window->documentWindows().isEmpty());
    }

    void undoAfterOpenStopsAtTheFileAndCtrlZAndCtrlYRunTheRing() {
        Fixture f;
        const QString path = f.file("u.min");
        writeBytes(path, "O1");
        RichTextBox* t = f.open(path)->txtText;
        f.w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.w()));
        t->setFocus();
        const auto undoOffered = [&] { return f.item("mnuEditUndo")->isEnabled(); };
        QVERIFY(!undoOffered() && !f.w().toolbarButton(12)->isEnabled());
        // Undo at once changes nothing, so a save after it writes the program back whole.
        QTest::keyClick(t, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(t->Text() == "O1" && !t->Modified());
        t->setSelStart(2);
        QTest::keyClicks(t, "XY");
        QVERIFY(undoOffered() && f.w().toolbarButton(12)->isEnabled());
        for (QString expected : {"O1X", "O1", "O1"}) {
            QTest::keyClick(t, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(t->Text(), expected);
        }
        QVERIFY(!undoOffered() && !f.w().toolbarButton(12)->isEnabled());
        f.w().mnuFileSave_Click();
        QCOMPARE(readBytes(path), QByteArray("O1"));
        QVERIFY(f.item("mnuEditRedo")->isEnabled() && f.w().toolbarButton(13)->isEnabled());
        QTest::keyClick(t, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(undoOffered());
        f.w().mnuEditRedo_Click();
        f.w().mnuEditRedo_Click();
        QCOMPARE(t->Text(), QStringLiteral("O1XY"));
        QVERIFY(!f.item("mnuEditRedo")->isEnabled());
        // Undo follows the document in front; one reopened into a reused slot starts afresh.
        frmDocument* fresh = f.newWindow();
        QVERIFY(!undoOffered());
        f.w().mdiArea()->setActiveSubWindow(f.w().documentWindows()[0]->subWindow());
        QVERIFY(undoOffered());
        f.active()->txtText->setModified(false);
        f.w().mnuFileClose_Click();
        QTRY_COMPARE(f.captions(), QStringList{fresh->caption()});
        t = f.open(path)->txtText;
        QCOMPARE(f.active()->DocIndex, 0);
        f.w().mnuEditUndo_Click();
        QVERIFY(t->Text() == "O1" && !undoOffered());
    }

    void editAndFontCommandsWorkOnTheActiveDocument() {
        Fixture f;
        RichTextBox* t = f.newDocument("O1234 G00 X1.");
        QVERIFY(f.item("mnuEditUndo")->isEnabled() && f.w().toolbarButton(12)->isEnabled());
        t->setSelStart(3);
        f.w().mnuColor_Click();  // every non-digit blue, the caret kept
        QCOMPARE(t->colourAt(6), QColor(0, 0, 255));
        t->select(10, 3);
        f.w().mnuEditCut_Click();
        t->setSelStart(0);
        f.w().mnuEditCopy_Click();  // nothing selected: the clipboard keeps "X1."
        f.w().mnuEditPaste_Click();
        QCOMPARE(t->Text(), QStringLiteral("X1.O1234 G00 "));
        t = f.newDocument();
        f.item("mnuToolsAutoNo")->trigger();
        QTest::keyClicks(t, "G01X");
        QTest::keyClick(t, Qt::Key_Return);
        QCOMPARE(t->Text(), QStringLiteral("N000 G01 X\r\n"));
        QFont chosen("IPAMincho");
        chosen.setPointSizeF(10.5);
        f.answers.fontAnswers.push_back(chosen), f.answers.colourAnswers.push_back(QColor(Qt::red));
        f.w().mnuFileFont_Click();
        QCOMPARE(f.state.gTextFontSize, 10L);
        QVERIFY(t->textFont().family() == "IPAMincho" && t->textColour() == Qt::red);
    }

    void aCharacterTheCodePageLacksIsSavedOnlyWhenTheUserSaysSo() {
        Fixture f;
        const QString path = f.file("MixedCase.min");
        const QByteArray cp932("O1000\r\n(\x8d\x72)\r\n");
        writeBytes(path, cp932);
        f.open(path)->txtText->setSelText(QString::fromUtf8("€"));
        QCOMPARE(f.active()->caption(), path);  // the caption keeps the path as typed
        f.answers.answerMessage(modal::kNo);
        f.w().mnuFileSave_Click();
        QCOMPARE(f.answers.messages.back().text,
                 QStringLiteral("This program contains characters that its code page cannot hold. Save it as UTF-8?"));
        QCOMPARE(readBytes(path), cp932);
        QVERIFY(f.active()->txtText->Modified());
        f.answers.answerMessage(modal::kYes);
        f.w().mnuFileSave_Click();
        QCOMPARE(readBytes(path), QString::fromUtf8("€O1000\r\n(荒)\r\n").toUtf8());
    }

    // A code page 932 file is shown as such and keeps its forms; one shown byte by byte
    // (a character in two forms) is saved as UTF-8 only after saying what that does.
    void aCp932FileKeepsItsFormsAndOneShownAs8BitIsNotReencodedUnwarned() {
        Fixture f;
        const QString path = f.file("nec.min");
        const QByteArray nec("(\x87\x40\xee\xe0)\r\n");
        writeBytes(path, nec);
        RichTextBox* t = f.open(path)->txtText;
        QCOMPARE(t->Text(), QString::fromUtf8("(①髙)\r\n"));
        t->setSelText(QString::fromUtf8("(髙)"));
        f.w().mnuFileSave_Click();
        QVERIFY(f.answers.messages.empty());
        QCOMPARE(readBytes(path), "(\xee\xe0)" + nec);
        writeBytes(path, "(\xee\xe0\xfb\xfc)");
        f.open(path)->txtText->setSelText(QString::fromUtf8("髙"));
        f.answers.answerMessage(modal::kNo);
        f.w().mnuFileSave_Click();
        QCOMPARE(f.answers.messages.back().text,
                 QStringLiteral("This program contains characters that its code page cannot hold. "
                                "Its 8-bit characters will change. Save it as UTF-8?"));
        QCOMPARE(readBytes(path), QByteArray("(\xee\xe0\xfb\xfc)"));
    }

    // A new document takes the code page of a library inserted into it and saves the
    // library's bytes. Undone, its plain ASCII keeps that code page, which writes it the same.
    void anInsertedLibraryIsSavedInItsOwnCodePage() {
        Fixture f;
        const QString lib = f.file("P.LIB"), path = f.file("O2.min");
        const QByteArray bytes("(\x89\xc1\x8d\x48)\r\n");
        writeBytes(lib, bytes);
        RichTextBox* t = f.newWindow()->txtText;
        f.answers.answerFile(lib), f.answers.answerFile(path);
        f.choose("mnuInsertFile");
        f.w().mnuFileSave_Click();
        QCOMPARE(readBytes(path), bytes);
        f.w().mnuEditUndo_Click();
        t->setSelText(QStringLiteral("O2"));
        f.w().mnuFileSave_Click();
        QCOMPARE(readBytes(path), QByteArray("O2"));
        QCOMPARE(t->encoding(), TextEncoding::Cp932);
        QVERIFY(f.answers.messages.empty());
    }

    void aSaveOverNewerWorkAsksFirst() {
        Fixture f;
        const QString path = f.file("twice.min");
        writeBytes(path, "O1\r\n");
        frmDocument *first = f.open(path), *second = f.open(path);
        first->txtText->setSelText("A");
        f.w().mdiArea()->setActiveSubWindow(first->subWindow());
        f.w().mnuFileSave_Click();
        second->txtText->setSelText("B");
        f.w().mdiArea()->setActiveSubWindow(second->subWindow());
        f.answers.answerMessage(modal::kNo);
        f.w().mnuFileSave_Click();
        QCOMPARE(f.answers.messages.back().text, QStringLiteral("The file was changed since it was opened. Overwrite it?"));
        QCOMPARE(readBytes(path), QByteArray("AO1\r\n"));
        // From here on the file has a second link, so it is written in place.
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(f.file("link.min")).constData()), 0);
        f.answers.answerMessage(modal::kYes);
        f.w().mnuFileSave_Click();
        QCOMPARE(readBytes(path), QByteArray("BO1\r\n"));
        // A failed save that put the old bytes back leaves no question behind.
        second->txtText->setSelText("C");
        {
            const test::SystemCallFault fault("pwrite", EIO);
            QCOMPARE(f.messageOf([&] { f.w().mnuFileSave_Click(); }),
                     QStringLiteral("保存が出来ません。\r\nInput/output error: ") + path);
        }
        QCOMPARE(f.messageOf([&] { f.w().mnuFileSave_Click(); }), QString());
        QCOMPARE(readBytes(path), QByteArray("BCO1\r\n"));
    }

    // Another program's change is seen whatever it keeps (the size, the time put back);
    // the program's own saves, two in a row, are not taken for one.
    void aChangeFromOutsideIsSeenEvenWhenSizeAndTimeAreKept() {
        Fixture f;
        const QString path = f.file("outside.min"), other = f.file("other.min");
        const QByteArray name = QFile::encodeName(path);
        const struct { const char* what; std::function<void()> change; } rows[] = {
            {"untouched", nullptr},
            {"same size, time put back", [&] { writeBytes(path, "O2\r\n"); }},
            {"replaced by rename", [&] { writeBytes(other, "O1\r\n"), ::rename(QFile::encodeName(other).constData(), name.constData()); }},
        };
        for (const auto& row : rows) {
            writeBytes(path, "O1\r\n");
            f.open(path)->txtText->setSelText("N");
            if (row.change) {
                struct stat before {};
                stat(name.constData(), &before);
                row.change();
                const timespec times[2] = {before.st_atim, before.st_mtim};
                utimensat(AT_FDCWD, name.constData(), times, 0);
                f.answers.answerMessage(modal::kYes);
            }
            const size_t shown = f.answers.messages.size() + (row.change ? 1 : 0);
            for (int save = 0; save < 2; ++save) {
                f.w().mnuFileSave_Click();
                QVERIFY2(f.answers.messages.size() == shown, row.what);
                f.active()->txtText->setSelText("N");
            }
            QCOMPARE(readBytes(path), QByteArray("NNO1\r\n"));
            f.active()->txtText->setModified(false);
            f.active()->subWindow()->close();
        }
    }

    // A name whose bytes are no text (Latin-1, code page 932) is refused wherever it comes
    // from, and nothing is opened or made under the text that only looks like it.
    void aFileNameThatIsNoTextIsRefusedAndNothingIsMade() {
        for (const QByteArray& raw : {QByteArray("caf\xe9.min"), QByteArray("\x89\xc1\x8d\x48.min")}) {
            test::MainWindowFixture f;
            const QByteArray bytes = QFile::encodeName(f.files.path()) + '/' + raw;
            const int fd = ::open(bytes.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            QVERIFY(fd >= 0 && ::close(fd) == 0);
            const QString shown = QFile::decodeName(bytes), refused = shown + "\r\nThe file name cannot be read";
            f.answers.answerMessage(modal::kOk);
            f.start(true, CommandLineFile({"quillmar", bytes}));
            QCOMPARE(f.answers.messages.at(0).text, refused);
            QCOMPARE(f.messageOf([&] { f.open(shown); }), refused);
            QVERIFY(f.w().documentWindows().isEmpty() && f.w().recentFileCaption(1) == "RecentFile1");
            f.newDocument("O2");
            f.answers.answerFile(shown);
            QCOMPARE(f.messageOf([&] { f.w().mnuFileSaveAs_Click(); }),
                     QStringLiteral("保存が出来ません。\r\nThe file name cannot be read: ") + shown);
            QVERIFY(f.active()->txtText->Modified() && !QFile::exists(shown));
            f.active()->txtText->setModified(false);
        }
    }
};

QTEST_MAIN(DocumentsTest)
#include "tst_documents.moc"
