// The File commands: documents, their files and the recent-file list.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "common/shared_state.h"
#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "app/insert_file.h"
#include "app/menu_table.h"
#include "app/menu_tree.h"
#include "app/quillmar_application.h"
#include "platform/file_names.h"
#include "platform/fonts.h"
#include "platform/modal.h"
#include "platform/program_file.h"
#include "platform/rich_text_box.h"

namespace quillmar {
namespace {

// An 8-bit document shows each byte above 0x7F as the character of that number, so saving
// it as UTF-8 writes other bytes for them: whatever the file meant by them is lost.
bool holdsEightBitCharacters(QStringView text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x80 && c.unicode() <= 0xff; });
}

}  // namespace

void frmMain::registerDocumentCommands() {
    setCommand(QStringLiteral("mnuFileNew"), [this](int) { mnuFileNew_Click(); });
    setCommand(QStringLiteral("mnuFileOpen"), [this](int) { mnuFileOpen_Click(); });
    setCommand(kRecentFileMenu, [this](int index) { mnuFileRecentFile_Click(index); });
    setCommand(QStringLiteral("mnuFileClose"), [this](int) { mnuFileClose_Click(); });
    setCommand(QStringLiteral("mnuFileSave"), [this](int) { mnuFileSave_Click(); });
    setCommand(QStringLiteral("mnuFileSaveAs"), [this](int) { mnuFileSaveAs_Click(); });
    setCommand(QStringLiteral("mnuFileFont"), [this](int) { mnuFileFont_Click(); });
    setCommand(QStringLiteral("mnuEditUndo"), [this](int) { mnuEditUndo_Click(); });
    setCommand(QStringLiteral("mnuEditRedo"), [this](int) { mnuEditRedo_Click(); });
    setCommand(QStringLiteral("mnuEditCut"), [this](int) { mnuEditCut_Click(); });
    setCommand(QStringLiteral("mnuEditCopy"), [this](int) { mnuEditCopy_Click(); });
    setCommand(QStringLiteral("mnuEditPaste"), [this](int) { mnuEditPaste_Click(); });
    setCommand(QStringLiteral("mnuToolsAutoNo"), [this](int) { mnuToolsAutoNo_Click(); });
    setCommand(QStringLiteral("mnuColor"), [this](int) { mnuColor_Click(); });
}

frmDocument* frmMain::activeDocument() const {
    QMdiSubWindow* sub = mdiArea_->currentSubWindow();
    return sub ? qobject_cast<frmDocument*>(sub->widget()) : nullptr;
}

RichTextBox* frmMain::activeText() const {
    frmDocument* doc = activeDocument();
    return doc ? doc->txtText : nullptr;
}

QList<frmDocument*> frmMain::documentWindows() const {
    QList<frmDocument*> result;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder))
        if (auto* doc = qobject_cast<frmDocument*>(sub->widget()))
            result << doc;
    return result;
}

int frmMain::takeSlot() {
    for (int i = 0; i < kDocumentSlots; ++i) {
        if (!docs_.gDocSlotUsed[i]) {
            docs_.gDocSlotUsed[i] = true;
            docs_.gCurrentDocIndex = i;
            docs_.undo.ResetUndoHistory(i);
            return i;
        }
    }
    modal::msgBox(this, QStringLiteral("Over open files."), modal::kOkOnly | modal::kInformation, kAppTitle);
    return -1;
}

void frmMain::enableDocumentCommands(bool withSearch) {
    QStringList names = {"mnuFileSave", "mnuFileSaveAs", "mnuFileClose", "mnuFilePrint", "mnuEditCopy",
                         "mnuEditCut",  "mnuEditPaste",  "mnuToolsSizeShift"};
    if (withSearch)
        names << "mnuToolsNumberArrange" << "mnuSearchFind" << "mnuSearchReplace" << "mnuSearchNextFind";
    for (const QString& name : names)
        if (QAction* a = menus_->action(name))
            a->setEnabled(true);
}

void frmMain::mnuFileNew_Click() {
    if (takeSlot() < 0)
        return;
    frmDocument* doc = NewDocumentWindow();
    SetDocumentMenus();
    RearrangeWindows();
    doc->txtText->setModified(false);
    enableDocumentCommands(true);
}

frmDocument* frmMain::createDocumentWindow(const QString& caption) {
    auto* doc = new frmDocument(docs_, state_, docs_.gCurrentDocIndex);
    connectDocument(doc);
    docs_.gTargetDoc = doc;
    QMdiSubWindow* sub = mdiArea_->addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(windowIcon());
    doc->setCaption(caption);
    doc->txtText->setTextFont(fontForName(state_.gTextFontName, static_cast<int>(state_.gTextFontSize)));
    return doc;
}

void frmMain::connectDocument(frmDocument* doc) {
    connect(doc, &frmDocument::changed, this, &frmMain::showUndoState);
    connect(doc, &frmDocument::activated, this, [this] {
        if (state_.gWindowsNeedArrange) {
            RearrangeWindows();
            state_.gWindowsNeedArrange = false;
        }
        raiseToolWindows();
    });
    connect(doc, &frmDocument::saveRequested, this, [this, doc] {
        docs_.gFileName = doc->isUntitled() ? AskSaveFileName(QString()) : doc->filePath();
        if (!docs_.gFileName.isEmpty())
            SaveDocument(*doc, docs_.gFileName);
    });
    connect(doc, &frmDocument::closeChecked, this, &frmMain::RearrangeWindows);
    connect(doc, &frmDocument::unloaded, this, [this] { state_.gWindowsNeedArrange = true; });
    connect(doc, &frmDocument::popupRequested, this, &frmMain::showEditPopup);
}

frmDocument* frmMain::NewDocumentWindow() {
    ++docs_.untitledCounter;
    frmDocument* doc = createDocumentWindow(QStringLiteral("Untitle ") + QString::number(docs_.untitledCounter));
    enableDocumentCommands(false);
    doc->subWindow()->show();
    doc->txtText->setFocus();
    return doc;
}

void frmMain::mnuFileOpen_Click() {
    const int slot = takeSlot();
    if (slot < 0)
        return;
    modal::FileRequest request;
    request.kind = modal::FileRequest::Open;
    request.directory = state_.gOpenDir;
    request.filter = QStringLiteral("All Files (*.*)|*|Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb");
    const std::optional<QString> chosen = modal::fileDialog(this, request);
    if (!chosen || chosen->isEmpty()) {
        docs_.gDocSlotUsed[slot] = false;
        return;
    }
    state_.gOpenDir = QFileInfo(*chosen).absolutePath();
    if (OpenDocumentFile(*chosen))
        SetDocumentMenus();
}

void frmMain::mnuFileRecentFile_Click(int index) {
    QAction* item = menus_->action(kRecentFileMenu, index);
    if (!item || takeSlot() < 0)
        return;
    if (OpenDocumentFile(item->text()))
        SetDocumentMenus();
}

frmDocument* frmMain::OpenDocumentFile(const FileName& name) {
    const int slot = docs_.gCurrentDocIndex;
    const QString& path = name.text;
    const auto report = [&](const QString& reason) { showUnreadableFile(this, path, reason); };
    // Under the text of such a name the file would be missed and an empty one made.
    if (!name.readable || standsForUnreadableName(path)) {
        report(kUnreadableFileName);
        docs_.gDocSlotUsed[slot] = false;
        return nullptr;
    }
    frmDocument* doc = createDocumentWindow(path);
    doc->setFilePath(path);
    QMdiSubWindow* sub = doc->subWindow();
    sub->show();
    RearrangeWindows();

    ProgramFileRead read;
    {
        const WaitPointer busy(*doc->txtText);
        // A UTF-8 file goes to the editor as its bytes, with no round trip through a text.
        read = readProgramFile(path, ReadAs::Bytes);
    }
    if (read.status == ProgramFileRead::Status::Failed) {
        // A file that cannot be read must never be saved over: its window goes again.
        report(read.error);
        doc->txtText->setModified(false);
        sub->close();
        docs_.gDocSlotUsed[slot] = false;
        return nullptr;
    }
    // The control marks every change modified, loading too; the file's own text is not.
    doc->txtText->load(read);
    doc->txtText->setModified(false);
    // The empty text the file was loaded into was never this document: Undo stops at the file.
    docs_.undo.markFirstState(doc->DocIndex);
    showUndoState();
    doc->rememberFileOnDisk(read.stamp);
    enableDocumentCommands(true);
    AddRecentFile(path);
    doc->txtText->setFocus();
    return doc;
}

void frmMain::AddRecentFile(const QString& path) {
    for (int i = kRecentFileCount; i >= 2; --i) {
        QAction* item = menus_->action(kRecentFileMenu, i);
        const QString previous = menus_->action(kRecentFileMenu, i - 1)->text();
        item->setText(previous);
        if (!previous.startsWith(kRecentFile))
            item->setVisible(true);
    }
    QAction* first = menus_->action(kRecentFileMenu, 1);
    first->setText(path);
    first->setVisible(true);
}

void frmMain::mnuFileClose_Click() {
    frmDocument* doc = activeDocument();
    if (!doc)
        return;
    if (doc->txtText->Modified()) {
        const int answer = modal::msgBox(this, QStringLiteral("Data is changed. save?"),
                                         modal::kYesNoCancel | modal::kExclamation, kAppTitle);
        if (answer == modal::kCancel)
            return;
        if (answer == modal::kYes) {
            mnuFileSave_Click();
            if (doc->txtText->Modified())
                return;  // not saved: the document stays
        }
    }
    // Answered once: asking again would offer Yes, the default, for the edits just refused.
    doc->closeAsked();
    RearrangeWindows();
}

void frmMain::mnuFileSave_Click() {
    frmDocument* doc = activeDocument();
    if (!doc)
        return;
    docs_.gFileName = doc->filePath();
    if (doc->isUntitled())
        mnuFileSaveAs_Click();
    else
        SaveDocument(*doc, docs_.gFileName);
}

void frmMain::mnuFileSaveAs_Click() {
    frmDocument* doc = activeDocument();
    if (!doc)
        return;
    docs_.gFileName = doc->isUntitled() ? AskSaveFileName(QString()) : AskSaveFileName(doc->filePath());
    if (docs_.gFileName.isEmpty())
        return;
    if (SaveDocument(*doc, docs_.gFileName))
        AddRecentFile(docs_.gFileName);
}

QString frmMain::AskSaveFileName(const QString& proposed) {
    modal::FileRequest request;
    request.kind = modal::FileRequest::Save;
    request.directory = state_.gSaveDir;
    request.fileName = proposed;
    request.filter = QStringLiteral("Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb|All Files (*.*)|*");
    QString folder;
    const std::optional<QString> chosen = modal::fileDialog(this, request, &folder);
    state_.gSaveDir = folder;
    return chosen.value_or(QString());
}

bool frmMain::SaveDocument(frmDocument& document, const QString& path) {
    RichTextBox* text = document.txtText;
    const auto refuse = [&](const QString& reason, const QString& remark = QString()) {
        state_.gSaveDir = QFileInfo(path).absolutePath();
        modal::msgBox(this,
                      QStringLiteral("保存が出来ません。\r\n") + reason + QStringLiteral(": ") + path +
                          (remark.isEmpty() ? QString() : QStringLiteral("\r\n") + remark),
                      modal::kOkOnly, kAppTitle);
        return false;
    };
    // Under the text of such a name a second file would be made beside the one meant.
    if (standsForUnreadableName(path))
        return refuse(kUnreadableFileName);
    // Another window, or another program, may have saved newer work in the file meanwhile.
    if (document.fileChangedSinceRead(path) &&
        modal::msgBox(this, QStringLiteral("The file was changed since it was opened. Overwrite it?"),
                      modal::kYesNo | modal::kExclamation, kAppTitle) != modal::kYes)
        return false;
    TextEncoding encoding = text->encoding();
    const auto save = [&] {
        const WaitPointer busy(*text);
        return text->saveTo(path, encoding);
    };
    ProgramFileWrite written = save();
    if (written.unrepresentable) {
        // A controller reading the old code page would get another file: only the user decides.
        const bool eightBitChanges = encoding == TextEncoding::Latin1 && holdsEightBitCharacters(text->Text());
        const QString question = QStringLiteral("This program contains characters that its code page cannot hold. ") +
                                 (eightBitChanges ? QStringLiteral("Its 8-bit characters will change. ") : QString()) +
                                 QStringLiteral("Save it as UTF-8?");
        if (modal::msgBox(this, question, modal::kYesNo | modal::kExclamation, kAppTitle) != modal::kYes)
            return false;
        encoding = TextEncoding::Utf8;
        written = save();
    }
    if (!written.ok) {
        // The save changed the file all the same (its old bytes put back, or the new file in
        // place but not yet safe on disk): the program's own change, which the next save
        // must not take for another program's.
        if (written.stamp.exists && path == document.filePath())
            document.rememberFileOnDisk(written.stamp);
        return refuse(written.error, written.remark);
    }
    if (encoding != text->encoding())
        text->setEncoding(encoding);
    document.setFilePath(path);
    // The file as this save left it: the next save asks only when another program wrote it since.
    document.rememberFileOnDisk(written.stamp);
    document.setCaption(path);
    text->setModified(false);
    return true;
}

void frmMain::mnuFileFont_Click() {
    frmDocument* doc = activeDocument();
    const std::optional<QFont> chosen =
        modal::fontDialog(this, fontForName(state_.gTextFontName, static_cast<int>(state_.gTextFontSize)));
    if (!chosen)
        return;
    state_.gTextFontName = chosen->family();
    const double size = chosen->pointSizeF() > 0 ? chosen->pointSizeF() : chosen->pointSize();
    state_.gTextFontSize = static_cast<long>(std::nearbyint(size));
    if (doc) {
        QFont font = *chosen;
        font.setPointSize(static_cast<int>(state_.gTextFontSize));
        doc->txtText->setTextFont(font);
        // The colour is chosen beside the font; cancelling it keeps the colour.
        if (const std::optional<QColor> colour = modal::colourDialog(this, doc->txtText->textColour()))
            doc->txtText->setTextColour(*colour);
    }
}

}  // namespace quillmar
