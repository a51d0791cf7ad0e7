#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QProgressDialog;
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
// The bits of a style that choose its buttons, and those that choose its icon.
inline constexpr int kButtonsMask = 0x0F, kIconMask = 0x70;

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

struct ProgressStep {
    QString title;
    QString label;
    double done = 0.0;  // 0 to 1
};

// Answers a test gives in place of a person. Each hook left empty fails the test run
// loudly instead of blocking on a real modal loop.
struct Responder {
    std::function<int(const MessageRequest&)> message;
    std::function<std::optional<QString>(const FileRequest&)> file;  // nullopt: cancelled
    std::function<int(QDialog*)> dialog;  // fills and presses the dialog's buttons; returns its result
    std::function<std::optional<QFont>(const QFont&)> font;  // nullopt: cancelled
    std::function<std::optional<QColor>(const QColor&)> colour;  // nullopt: cancelled
    // Sees each step of a long task; false cancels it. Left empty, the task runs on.
    std::function<bool(const ProgressStep&)> progress;
};

// Installs a responder for the duration of a test; nullptr restores the real dialogs.
void setResponder(Responder* responder);
Responder* responder();

// The keyboard whose Caps Lock a file dialog or the printer dialog holds off while it is
// open, so that a typed file name keeps the letter case the file system sees; nullptr for
// none.
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
std::optional<QColor> colourDialog(QWidget* parent, const QColor& initial);

// Runs a dialog modally; returns QDialog::Accepted or QDialog::Rejected.
int exec(QDialog* dialog);

// A long task's progress with a Cancel button, shown only once the task has taken
// longer than a moment. Nothing else can be used while it is shown.
class Progress {
public:
    Progress(QWidget* parent, const QString& title);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // How far the task has come (0 to 1) and what it is at; false once the user has
    // cancelled it.
    bool step(double done, const QString& label);

private:
    QString title_;
    std::unique_ptr<QProgressDialog> dialog_;
};

// Qt's name filter list ("Main File (*.min *.MIN)") from the program's "name|pattern|..." text;
// patterns match upper- and lower-case extensions alike.
QStringList nameFilters(const QString& filter);

}  // namespace quillmar::modal
