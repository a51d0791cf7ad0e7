// The Edit commands: undo and redo from the slot's ring, the clipboard, automatic
// numbering and Change color.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "common/shared_state.h"
#include "app/editing_rules.h"
#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "app/menu_tree.h"
#include "app/toolbar_table.h"
#include "platform/rich_text_box.h"

namespace quillmar {

void frmMain::setUndoEnabled(bool on) {
    menus_->action(QStringLiteral("mnuEditUndo"))->setEnabled(on);
    toolbarButton(kUndoButtonPosition)->setEnabled(on);
}

// Undo is offered exactly while the active document has a state to go back to.
void frmMain::showUndoState() {
    const frmDocument* doc = activeDocument();
    setUndoEnabled(doc && docs_.undo.canUndo(doc->DocIndex));
}

void frmMain::setRedoEnabled(bool on) {
    menus_->action(QStringLiteral("mnuEditRedo"))->setEnabled(on);
    toolbarButton(kRedoButtonPosition)->setEnabled(on);
}

// The ring rewrites the text through the edits that lead to the state it moves to, as one
// change that is not recorded; the caret goes where it stood in that state.
template <class Step>
void frmMain::stepUndoRing(Step step, bool forward) {
    frmDocument* doc = activeDocument();
    if (!doc)
        return;
    const int slot = doc->DocIndex;
    std::optional<qint64> caret;
    if (forward ? docs_.undo.canUndo(slot) : docs_.undo.canRedo(slot)) {
        const UndoRing::Suspension quiet(docs_.undo, slot);
        doc->txtText->rewrite([&] { caret = step(slot, doc->undoText()); });
        if (caret)
            doc->txtText->setSelStart(std::min<qint64>(*caret, doc->txtText->textLength()));
    }
    if (forward && caret)
        setRedoEnabled(true);
    if (!forward && !docs_.undo.canRedo(slot))
        setRedoEnabled(false);
    showUndoState();
}

void frmMain::mnuEditUndo_Click() {
    stepUndoRing([this](int slot, UndoRing::Text& text) { return docs_.undo.undo(slot, text); }, true);
}

void frmMain::mnuEditRedo_Click() {
    stepUndoRing([this](int slot, UndoRing::Text& text) { return docs_.undo.redo(slot, text); }, false);
}

void frmMain::mnuEditCopy_Click() {
    frmDocument* doc = activeDocument();
    if (!doc || doc->txtText->SelLength() == 0)
        return;
    QGuiApplication::clipboard()->setText(doc->txtText->SelText());
}

void frmMain::mnuEditCut_Click() {
    frmDocument* doc = activeDocument();
    if (!doc || doc->txtText->SelLength() == 0)
        return;
    QGuiApplication::clipboard()->setText(doc->txtText->SelText());
    doc->txtText->setSelText(QString());
    showUndoState();
}

void frmMain::mnuEditPaste_Click() {
    frmDocument* doc = activeDocument();
    if (!doc)
        return;
    doc->txtText->setSelText(QGuiApplication::clipboard()->text());
    showUndoState();
}

void frmMain::mnuToolsAutoNo_Click() {
    state_.gAutoNumber = !state_.gAutoNumber;
    showAutoNumberState(state_.gAutoNumber);
}

void frmMain::mnuColor_Click() {
    frmDocument* doc = activeDocument();
    if (!doc)
        return;
    RichTextBox* text = doc->txtText;
    const qint64 caret = text->SelStart();
    docs_.gSearchPos = caret;
    // Blue: colour value FF0000 in blue-green-red order.
    text->setColourOfRuns(nonDigitRuns(text->Text()), QColor(0, 0, 255));
    text->setSelStart(caret);
}

void frmMain::raiseToolWindows() {
    for (const char* name : {"frmFind", "frmReplace", "frmSizeShift"}) {
        QWidget* window = toolWindow(QString::fromLatin1(name));
        if (window && window->isVisible())
            window->raise();
    }
}

}  // namespace quillmar
