#pragma once

#include <QString>

class QWidget;

namespace quillmar {

// The message of a failed cycle generator (or Insert Comment) for an error number.
QString processErrorText(int number);
// "Error" and the number in signed form: "Error 11", "Error-5".
QString processErrorTitle(int number);

// Reports a failure in a message box with the exclamation icon; error 0 shows nothing.
void ShowProcessError(int number, QWidget* parent);

}  // namespace quillmar
