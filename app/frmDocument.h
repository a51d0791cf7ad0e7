#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <QWidget>

#include "app/undo_ring.h"
#include "platform/file_save.h"

class QMdiSubWindow;

namespace quillmar {

class RichTextBox;
struct DocumentState;
struct KeyPressArgs;
struct SharedState;
struct TextChange;

// A program document: one text control and the slot it took. It keeps its own part of
// the documents' bookkeeping (its slot, the current document, its undo ring) and tells
// whoever holds it, through its signals, what only the holder can do.
class frmDocument : public QWidget {
    Q_OBJECT
public:
    // `state` says whether typed keys number blocks.
    frmDocument(DocumentState& docs, const SharedState& state, int docIndex, QWidget* parent = nullptr);
    ~frmDocument() override;

    RichTextBox* txtText = nullptr;
    const int DocIndex;

    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption);
    // A document that was never saved: its caption begins with "Untitl".
    bool isUntitled() const;
    // The file the document was read from or last saved to; the caption shows it as it is.
    QString filePath() const { return filePath_; }
    void setFilePath(const QString& path) { filePath_ = path; }
    // Notes the stamp of the file as this document last read or wrote it.
    void rememberFileOnDisk(const FileStamp& stamp) { stamp_ = stamp; }
    // Whether the file at `path` is no longer what this document last read or wrote
    // (another path than the document's own is never "changed").
    bool fileChangedSinceRead(const QString& path) const;
    QMdiSubWindow* subWindow() const;
    // The text as the undo ring reads and rewrites it.
    UndoRing::Text& undoText() { return *undoText_; }

    // The close check; false when the user keeps the document open. The question is
    // titled with the caption of the window the document stands in.
    bool Form_QueryUnload();
    // Closes the window without asking again: its close check already passed.
    void closeAsked();

signals:
    // The text changed; the change is in the slot's undo ring.
    void changed();
    // The text control took the focus: this is now the current document.
    void activated();
    // The close check was answered Yes. The document stays open unless the save this
    // asks for clears its modified flag.
    void saveRequested();
    // The close check is over, whatever the answer.
    void closeChecked();
    // The window closed and gave its slot back.
    void unloaded();
    // A right click on the text, at a screen position.
    void popupRequested(QPoint globalPos);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();
    void txtText_Change(const TextChange& change);
    void txtText_GotFocus();
    void txtText_KeyPress(KeyPressArgs& args);
    void txtText_MouseDown(Qt::MouseButton button, const QPoint& position);

    DocumentState& docs_;
    const SharedState& state_;
    std::unique_ptr<UndoRing::Text> undoText_;
    QString filePath_;
    std::optional<FileStamp> stamp_;
    bool unloaded_ = false;
    bool asked_ = false;
};

}  // namespace quillmar
