#pragma once

#include <QDialog>
#include <functional>

class QKeyEvent;

class QCheckBox;

namespace quillmar {

class RichTextBox;
class SearchState;
struct DocumentState;

// The text control of the active document, or nullptr when none is open.
using ActiveText = std::function<RichTextBox*()>;

// What the Find, Replace and Size Shift windows have in common: modeless, working on
// whichever document is active at each press, telling the user through the message seam.
class SearchWindow : public QDialog {
    Q_OBJECT

public:
    // The opener's step: the find box takes the document's selection (or is emptied),
    // which runs the box's change step even when the text stays the same.
    virtual void setFindBox(const QString& text) = 0;

protected:
    SearchWindow(DocumentState& docs, ActiveText activeText, QWidget* parent, const QString& caption);

    DocumentState& docs();
    SearchState& search();
    // The active document's text control; nullptr when none is open, and then the
    // window's buttons do nothing.
    RichTextBox* activeBox() const;
    void tell(const QString& text, const QString& title, int style = 0);
    // The message text for a count or, when nothing counted, for the find text.
    static QString countOr(qint64 count, const QString& countText, const QString& find, const QString& notFound);

    // A ticked "from the top" box moves the search position to the top, once: the tick clears.
    void startAtTopOnce(QCheckBox* fromTop);

    // Escape does not hide the window: it is unloaded by its Cancel button only.
    void keyPressEvent(QKeyEvent* event) override;

private:
    DocumentState& docs_;
    ActiveText activeText_;
};

}  // namespace quillmar
