#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace quillmar {
class KeyLocks;
}

namespace quillmar::modal {

// Message-box styles and answers, with the numbering the program's prompts are written in.
// Plain numbers, so that a style is a button set plus an icon.
inline constexpr int kOkOnly = 0, kOkCancel = 1, kYesNoCancel = 3, kYesNo = 4;
inline constexpr int kNoIcon = 0, kCritical = 16, kQuestion = 32, kExclamation = 48, kInformation = 64;
inline constexpr int kOk = 1, kCancel = 2, kYes = 6, kNo = 7;

struct MessageRequest {
    QString text;
    int style = kOkOnly;  // Buttons + Icon
    QString title;
};

struct FileRequest {
    enum Kind { Open, Save } kind = Open;
    QString title;
    QString directory;
    QString filter;       // "Main File (*.min)|*.min|..." pairs, as the program writes them
    QString fileName;     // proposed name
};

// Answers a test gives in place of a person. Each hook left empty fails the test run
// loudly instead of blocking on a real modal loop.
struct Responder {
    std::function<int(const MessageRequest&)> message;
    std::function<std::optional<QString>(const FileRequest&)> file;  // nullopt: cancelled
    std::function<int(QDialog*)> dialog;  // fills and presses the dialog's buttons; returns its result
    std::function<std::optional<QFont>(const QFont&)> font;  // nullopt: cancelled
    std::function<std::optional<QColor>(const QColor&)> color;  // nullopt: cancelled
};

// Installs a responder for the duration of a test; nullptr restores the real dialogs.
void setResponder(Responder* responder);
Responder* responder();

// The keyboard whose Caps Lock a file dialog holds off while it is open, so that a typed file
// name keeps the letter case the file system sees; nullptr for none.
void setKeyboard(KeyLocks* keys);
KeyLocks* keyboard();

// A message box; returns the answer (kOk, kCancel, kYes, kNo).
int msgBox(QWidget* parent, const QString& text, int style, const QString& title);

// A file dialog; nullopt when the user cancels. `folder`, when given, receives the folder
// the dialog showed when it closed, whichever way it closed.
std::optional<QString> fileDialog(QWidget* parent, const FileRequest& request, QString* folder = nullptr);

// A font dialog preset to `initial`; nullopt when the user cancels.
std::optional<QFont> fontDialog(QWidget* parent, const QFont& initial);

// A colour dialog preset to `initial`; nullopt when the user cancels.
std::optional<QColor> colorDialog(QWidget* parent, const QColor& initial);

// Runs a dialog modally; returns QDialog::Accepted or QDialog::Rejected.
int exec(QDialog* dialog);

// Qt's name filter list ("Main File (*.min *.MIN)") from the program's "name|pattern|..." text;
// patterns match upper- and lower-case extensions alike.
QStringList nameFilters(const QString& filter);

}  // namespace quillmar::modal
