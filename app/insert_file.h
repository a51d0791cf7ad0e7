#pragma once

#include "platform/program_file.h"

class QWidget;

namespace quillmar {

class RichTextBox;
struct SharedState;

// The largest file Insert File takes, in bytes.
inline constexpr long long kInsertFileLimit = 65000;

// Reads a file whose text goes into a document (Insert File, the comment file), decoded
// as a program file is. A file over the limit is refused with the size message, shown
// here; the caller then inserts nothing.
InsertedFileRead readFileToInsert(const QString& path, QWidget* parent);

// What Open and Insert File say of a file they cannot read: its path and why.
void showUnreadableFile(QWidget* parent, const QString& path, const QString& reason);

// Insert > "File Insert": asks for a file in gInsertDir (which then takes the chosen
// file's folder; Cancel keeps it) and puts its whole text, decoded as a program file is,
// at the caret of the document as one change. A file over the limit is refused with a
// message, and one that is there but cannot be read (not a regular file, no permission)
// with the message Open shows for it; a missing file inserts nothing. No document is
// error 91, reported before the dialog.
void mnuInsertFile_Click(SharedState& state, RichTextBox* document, QWidget* parent);

}  // namespace quillmar
