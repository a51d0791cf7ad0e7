#include "platform/rich_text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <memory>

namespace quillmar {

namespace {

// The character code a key types as the control reports it, or 0 for a key that types
// nothing the program looks at (shortcuts, cursor keys, Delete).
int typedCode(const QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool command = mods & (Qt::ControlModifier | Qt::MetaModifier);
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return command ? 0 : kKeyEnter;
    case Qt::Key_Backspace: return command ? 0 : kKeyBackspace;
    case Qt::Key_Tab: return (command || (mods & (Qt::AltModifier | Qt::ShiftModifier))) ? 0 : kKeyTab;
    default: break;
    }
    const QString text = event->text();
    if (text.size() != 1) return 0;
    const char16_t code = text.at(0).unicode();
    if (isControlCode(code)) return 0;
    if (command && !(mods & Qt::AltModifier)) return 0;
    return code;
}

std::unique_ptr<QKeyEvent> keyEventFor(int code) {
    switch (code) {
    case kKeyEnter: return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    case kKeyBackspace: return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    case kKeyTab: return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    default: return std::make_unique<QKeyEvent>(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(char16_t(code))));
    }
}

}  // namespace

void RichTextBox::setMousePointer(MousePointer pointer) {
    pointer_ = pointer;
    sci(SCI_SETCURSOR, static_cast<unsigned long>(pointer == MousePointer::Hourglass ? SC_CURSORWAIT : SC_CURSORNORMAL));
}

void RichTextBox::typeKey(QKeyEvent* event) {
    const bool plainTab = event->key() == Qt::Key_Tab
                          && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier));
    if (plainTab) {
        // A tab character replaces the selection; the editor would indent selected lines.
        EditScope scope(this, TextChange::Source::Typing);
        replaceSelectionBytes(QByteArrayLiteral("\t"));
        event->accept();
        return;
    }
    ensureRoomFor(event->text());
    EditScope scope(this, TextChange::Source::Typing);
    QsciScintilla::keyPressEvent(event);
}

void RichTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        paste();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        cut();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copy();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        event->ignore();
        return;
    }
    const int code = typedCode(event);
    if (code != 0) {
        KeyPressArgs args{code};
        emit keyPress(args);
        if (!typesCharacter(args.keyAscii)) {
            event->accept();
            return;
        }
        if (args.keyAscii != code) {
            const std::unique_ptr<QKeyEvent> replacement = keyEventFor(args.keyAscii);
            typeKey(replacement.get());
            event->accept();
            return;
        }
    }
    typeKey(event);
}

void RichTextBox::inputMethodEvent(QInputMethodEvent* event) {
    ensureRoomFor(QString(event->commitString() + event->preeditString()));
    const QString commit = event->commitString();
    if (!composing_ && event->preeditString().isEmpty() && event->replacementLength() == 0 && commit.size() == 1) {
        const int code = commit.at(0).unicode();
        if (!isControlCode(code)) {
            KeyPressArgs args{code};
            emit keyPress(args);
            if (!typesCharacter(args.keyAscii)) {
                event->accept();
                return;
            }
            if (args.keyAscii != code) {
                const QString replaced(QChar(char16_t(args.keyAscii)));
                ensureRoomFor(replaced);
                event->setCommitString(replaced);
            }
        }
    }
    // The editor takes its unfinished input-method text back out through its undo
    // history, so that history runs while a composition lasts and is dropped after.
    sci(SCI_SETUNDOCOLLECTION, 1);
    {
        EditScope scope(this, TextChange::Source::Typing);
        QsciScintilla::inputMethodEvent(event);
        composing_ = !event->preeditString().isEmpty();
    }
    if (!composing_) {
        sci(SCI_EMPTYUNDOBUFFER);
        sci(SCI_SETUNDOCOLLECTION, 0);
    }
}

void RichTextBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        QClipboard* clipboard = QApplication::clipboard();
        if (clipboard->supportsSelection()) {
            const QPoint at = event->position().toPoint();
            const long position = sci(SCI_POSITIONFROMPOINT, static_cast<unsigned long>(at.x()), at.y());
            sci(SCI_SETSEL, static_cast<unsigned long>(position), position);
            pasteText(clipboard->text(QClipboard::Selection));
        }
        event->accept();
    } else {
        EditScope scope(this, TextChange::Source::Other);
        QsciScintilla::mousePressEvent(event);
    }
    // Raised after the editor has taken the press, so a popup shown from here finds no
    // half-handled click behind it.
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void RichTextBox::mouseMoveEvent(QMouseEvent* event) {
    // A drag of the selection out to another program can take the text away.
    EditScope scope(this, TextChange::Source::Other);
    QsciScintilla::mouseMoveEvent(event);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event) {
    EditScope scope(this, TextChange::Source::Other);
    QsciScintilla::mouseReleaseEvent(event);
}

void RichTextBox::focusInEvent(QFocusEvent* event) {
    QsciScintilla::focusInEvent(event);
    emit gotFocus();
}

// The document window shows the program's Edit menu on a right click (mouseDown).
void RichTextBox::contextMenuEvent(QContextMenuEvent* event) { event->accept(); }

}  // namespace quillmar
