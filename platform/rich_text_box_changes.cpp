#include "platform/rich_text_box.h"

#include <QCoreApplication>
#include <algorithm>
#include <exception>
#include <utility>

// Every edit the editor reports, whatever made it, is gathered into the change of the
// operation that made it and raised once when the outermost operation ends.

namespace quillmar {

RichTextBox::EditScope::EditScope(RichTextBox* box, TextChange::Source source, bool reportAlways) : box_(box) {
    if (box_->editDepth_++ == 0) {
        box_->editSource_ = source;
        box_->reportAlways_ = reportAlways;
    } else if (reportAlways) {
        box_->reportAlways_ = true;
    }
}

RichTextBox::EditScope::~EditScope() {
    if (--box_->editDepth_ != 0) return;
    try {
        box_->finishEdit();
    } catch (...) {
        // A listener's error cannot leave a destructor: the event loop throws it again, where
        // it is reported like any other, and the edit stands.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [error = std::current_exception()] { std::rethrow_exception(error); },
            Qt::QueuedConnection);
    }
}

void RichTextBox::onModified(int position, int type, const char* text, int length) {
    if (type & SC_MOD_BEFOREDELETE) {
        const QByteArrayView removed = rangeBytes(position, position + length);
        deleteCounts_ = countBytes(removed);
        if (rewriting_) return;
        deleteStart_ = charFromByte(position);
        deleteLength_ = utf8Mode_ ? deleteCounts_.units : length;
        // The removed characters are kept for the undo ring; the inserted ones stay in
        // the text, so a change costs what it touches.
        deleteText_ = fromEditorBytes(removed.data(), removed.size());
        return;
    }
    qint64 inserted = 0;
    if (type & SC_MOD_INSERTTEXT) {
        const QByteArrayView bytes(text, length);
        const ByteCounts counts = countBytes(bytes);
        positions_.noteInserted(counts);
        inserted = utf8Mode_ ? counts.units : length;
        noteOddUnitsInserted(position, bytes, counts.high != 0);
    } else if (type & SC_MOD_DELETETEXT) {
        positions_.noteRemoved(deleteCounts_);
        noteOddUnitsDeleted(position, length);
    }
    if (rewriting_) return;
    if (type & SC_MOD_DELETETEXT) {
        noteEdit(deleteStart_, deleteLength_, 0);
        edits_.push_back({deleteStart_, std::move(deleteText_), 0});
        deleteText_ = QString();
    } else if (type & SC_MOD_INSERTTEXT) {
        const qint64 start = charFromByte(position);
        noteEdit(start, 0, inserted);
        if (!edits_.empty() && edits_.back().insertedLength == 0 && edits_.back().position == start)
            edits_.back().insertedLength = inserted;  // a replacement: the delete, then the insert
        else
            edits_.push_back({start, QString(), inserted});
    } else {
        return;
    }
    if (editDepth_ == 0) {
        // An edit that came in by a way this class does not wrap is reported on its own.
        editSource_ = TextChange::Source::Other;
        reportAlways_ = false;
        finishEdit();
    }
}

// Widens the gathered change [start, new end) of the current text, which replaced
// [start, old end) of the text before the operation, by one more edit.
void RichTextBox::noteEdit(qint64 position, qint64 removed, qint64 inserted) {
    if (!editPending_) {
        editPending_ = true;
        editStart_ = position;
        editOldEnd_ = position + removed;
        editNewEnd_ = position + inserted;
        return;
    }
    const qint64 end = std::max(editNewEnd_, position + removed);
    editOldEnd_ += end - editNewEnd_;
    editNewEnd_ = end + inserted - removed;
    editStart_ = std::min(editStart_, position);
}

void RichTextBox::finishEdit() {
    // An input method's unfinished text is shown in the editor but is no change yet.
    if (composing_) return;
    TextChange change;
    change.source = editSource_;
    bool report = reportAlways_;
    if (editPending_) {
        change.position = editStart_;
        change.removedLength = editOldEnd_ - editStart_;
        change.insertedLength = editNewEnd_ - editStart_;
        report = report || change.removedLength != 0 || change.insertedLength != 0;
    }
    change.edits = std::move(edits_);
    edits_.clear();
    editPending_ = false;
    reportAlways_ = false;
    if (!report) return;
    if (!modified_) {
        modified_ = true;
        emit modifiedChanged(true);
    }
    if (font_.strikeOut()) markStrikeOut();
    emit contentChanged(change);
}

void RichTextBox::setModified(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

}  // namespace quillmar
