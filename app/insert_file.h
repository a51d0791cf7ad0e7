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

// Insert > "File Insert": asks for a file in gInsertDir (which then takes the chosen
// file's folder; Cancel keeps it) and puts its whole text, decoded as a program file is,
// at the caret of the document as one change. A file over the limit is refused with a
// message; anything that is not a readable regular file inserts nothing, silently. No
// document is error 91, reported before the dialog.
void mnuInsertFile_Click(SharedState& state, RichTextBox* document, QWidget* parent);

}  // namespace quillmar
