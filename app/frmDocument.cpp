#include "app/frmDocument.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "common/shared_state.h"
#include "app/document_state.h"
#include "app/editing_rules.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"

namespace quillmar {

namespace {

class DocumentText : public UndoRing::Text {
public:
    explicit DocumentText(RichTextBox& box) : box_(box) {}
    qint64 length() const override { return box_.textLength(); }
    QString read(qint64 position, qint64 length) const override { return box_.textRange(position, length); }
    void replace(qint64 position, qint64 length, const QString& text) override {
        box_.replaceRange(position, length, text);
    }

private:
    RichTextBox& box_;
};

}  // namespace

frmDocument::frmDocument(DocumentState& docs, const SharedState& state, int docIndex, QWidget* parent)
    : QWidget(parent), DocIndex(docIndex), docs_(docs), state_(state) {
    setObjectName(QStringLiteral("frmDocument"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    // The text control stands 15 twips (one pixel) inside the window on every side.
    layout->setContentsMargins(1, 1, 1, 1);
    txtText = new RichTextBox(this);
    txtText->setObjectName(QStringLiteral("txtText"));
    layout->addWidget(txtText);
    setFocusProxy(txtText);
    undoText_ = std::make_unique<DocumentText>(*txtText);
    connect(txtText, &RichTextBox::contentChanged, this, &frmDocument::txtText_Change);
    connect(txtText, &RichTextBox::gotFocus, this, &frmDocument::txtText_GotFocus);
    connect(txtText, &RichTextBox::keyPress, this, &frmDocument::txtText_KeyPress);
    connect(txtText, &RichTextBox::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint position) {
                txtText_MouseDown(button, position);
            });
}

frmDocument::~frmDocument() = default;

void frmDocument::setCaption(const QString& caption) {
    setWindowTitle(caption);
    if (QMdiSubWindow* sub = subWindow())
        sub->setWindowTitle(caption);
}

bool frmDocument::fileChangedSinceRead(const QString& path) const {
    if (!stamp_ || path != filePath_)
        return false;
    return fileStamp(path) != *stamp_;
}

bool frmDocument::isUntitled() const { return caption().startsWith(QStringLiteral("Untitl")); }

QMdiSubWindow* frmDocument::subWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

bool frmDocument::Form_QueryUnload() {
    bool keepOpen = false;
    if (txtText->Modified()) {
        const int answer = modal::msgBox(this, QLatin1Char('[') + caption() + QStringLiteral("] is changed.\r\n save?"),
                                         modal::kYesNoCancel | modal::kExclamation, window()->windowTitle());
        if (answer == modal::kCancel) {
            keepOpen = true;
        } else if (answer == modal::kYes) {
            emit saveRequested();
            // A save that did not happen keeps the document, so its text is never lost.
            keepOpen = txtText->Modified();
        }
    }
    emit closeChecked();
    return !keepOpen;
}

void frmDocument::closeAsked() {
    asked_ = true;
    if (QMdiSubWindow* sub = subWindow())
        sub->close();
    else
        close();
}

void frmDocument::closeEvent(QCloseEvent* event) {
    if (!unloaded_ && !asked_ && !Form_QueryUnload()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmDocument::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    docs_.gDocSlotUsed[DocIndex] = false;
    emit unloaded();
}

void frmDocument::txtText_Change(const TextChange& change) {
    if (!docs_.undo.suspended(DocIndex)) {
        // The ring keeps the change, not the text: a keystroke costs the same in a
        // twenty-megabyte program as in a short one.
        std::vector<UndoRing::Change> edits;
        edits.reserve(change.edits.size());
        for (const TextChange::Edit& edit : change.edits)
            edits.push_back({edit.position, edit.removed, edit.insertedLength});
        docs_.undo.record(DocIndex, edits, txtText->SelStart(), *undoText_);
    }
    emit changed();
}

void frmDocument::txtText_GotFocus() {
    docs_.gCurrentDocIndex = DocIndex;
    emit activated();
    docs_.undo.seed(DocIndex, *undoText_);
}

void frmDocument::txtText_KeyPress(KeyPressArgs& args) {
    if (!state_.gAutoNumber || !autoNumbers(args.keyAscii))
        return;
    const qint64 caret = txtText->SelStart();
    docs_.gSearchPos = caret;
    // Only the two characters before the caret decide, so only they are read.
    const qint64 context = std::min<qint64>(caret, 2);
    const QString insert = autoNumberInsert(txtText->textRange(caret - context, context), context,
                                            static_cast<char16_t>(args.keyAscii));
    if (!insert.isEmpty())
        txtText->setSelText(insert);
}

void frmDocument::txtText_MouseDown(Qt::MouseButton button, const QPoint& position) {
    if (button == Qt::RightButton)
        emit popupRequested(txtText->mapToGlobal(position));
}

}  // namespace quillmar
