#pragma once

#include <QDate>
#include <QString>
#include <functional>

class QWidget;

namespace quillmar {

class RichTextBox;

// Today's date; the commands take it from here so that a test can fix the day.
using DateSource = std::function<QDate()>;

// "Comment.txt" beside the executable: the head of a comment that Fix Comment closes
// with the edit date.
QString commentFileBesideProgram();

// A date as the Insert menu writes it: "2026.12.06".
QString insertDateText(const QDate& date);

// Insert > "Fix Comment" (1), "(---< Comment >---)" (2) and "Date" (3), at the caret of the
// document, replacing a selection, as one change. Fix Comment inserts the comment file's
// text (decoded as a program file is; a missing file reads as empty and is not created)
// closed by " EDIT DATE  : ", the date and "   )" and followed by a line holding one
// blank. The frame leaves the caret between its two blanks. No document, or a comment
// file that cannot be read, is reported through ShowProcessError and inserts nothing; a
// comment file larger than Insert File takes is refused as Insert File refuses it;
// another index does nothing.
void mnuInsertComment_Click(int Index, const QString& commentFile, const DateSource& today, RichTextBox* document,
                            QWidget* parent);

}  // namespace quillmar
