#include "platform/modal.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/key_locks.h"
#include "platform/window_frame.h"

namespace quillmar::modal {
namespace {

Responder* gResponder = nullptr;
KeyLocks* gKeyboard = nullptr;

[[noreturn]] void unanswered(const char* what, const QString& detail) {
    std::fprintf(stderr, "modal %s shown with no answer ready in a test: %s\n", what,
                 detail.toUtf8().constData());
    std::abort();
}

QString withBothCases(const QString& pattern) {
    const QString lower = pattern.toLower();
    const QString upper = pattern.toUpper();
    return lower == upper ? pattern : lower + QLatin1Char(' ') + upper;
}

// The folder itself, or the nearest one above it that exists: the dialog would take the last
// part of a path that is no folder for a file name.
QString existingFolder(const QString& path) {
    if (path.isEmpty())
        return path;
    QFileInfo folder(path);
    while (!folder.isDir() && !folder.isRoot() && folder.absolutePath() != folder.absoluteFilePath())
        folder.setFile(folder.absolutePath());
    return folder.isDir() ? folder.absoluteFilePath() : QString();
}

}  // namespace

void setResponder(Responder* responder) { gResponder = responder; }
Responder* responder() { return gResponder; }

void setKeyboard(KeyLocks* keys) { gKeyboard = keys; }
KeyLocks* keyboard() { return gKeyboard; }

int msgBox(QWidget* parent, const QString& text, int style, const QString& title) {
    if (gResponder) {
        if (!gResponder->message)
            unanswered("message", text);
        return gResponder->message({text, style, title});
    }
    QMessageBox box(parent);
    box.setText(text);
    box.setWindowTitle(title);
    keepTitleWhole(box);
    switch (style & kIconMask) {
        case kCritical: box.setIcon(QMessageBox::Critical); break;
        case kQuestion: box.setIcon(QMessageBox::Question); break;
        case kExclamation: box.setIcon(QMessageBox::Warning); break;
        case kInformation: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon); break;
    }
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    switch (style & kButtonsMask) {
        case kOkCancel:
            ok = box.addButton(QMessageBox::Ok);
            cancel = box.addButton(QMessageBox::Cancel);
            break;
        case kYesNoCancel:
            yes = box.addButton(QMessageBox::Yes);
            no = box.addButton(QMessageBox::No);
            cancel = box.addButton(QMessageBox::Cancel);
            break;
        case kYesNo:
            yes = box.addButton(QMessageBox::Yes);
            no = box.addButton(QMessageBox::No);
            break;
        default:
            ok = box.addButton(QMessageBox::Ok);
            break;
    }
    if (cancel)
        box.setEscapeButton(cancel);
    box.exec();
    const auto* clicked = box.clickedButton();
    if (clicked == yes && yes)
        return kYes;
    if (clicked == no && no)
        return kNo;
    if (clicked == ok && ok)
        return kOk;
    return cancel ? kCancel : kOk;
}

std::optional<QString> fileDialog(QWidget* parent, const FileRequest& request, QString* folder) {
    // Typed in capitals, a name would miss its file on a file system that tells case apart.
    const KeyLockOff capsLock(gKeyboard, kVkCapsLock);
    if (gResponder) {
        if (!gResponder->file)
            unanswered("file dialog", request.title);
        std::optional<QString> chosen = gResponder->file(request);
        if (folder)
            *folder = chosen ? QFileInfo(*chosen).absolutePath() : request.directory;
        return chosen;
    }
    QFileDialog dialog(parent, request.title, existingFolder(request.directory));
    dialog.setNameFilters(nameFilters(request.filter));
    if (request.kind == FileRequest::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    if (folder)
        *folder = dialog.directory().absolutePath();
    if (!accepted)
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> colourDialog(QWidget* parent, const QColor& initial) {
    if (gResponder) {
        if (!gResponder->colour)
            unanswered("colour dialog", initial.name());
        return gResponder->colour(initial);
    }
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> fontDialog(QWidget* parent, const QFont& initial) {
    if (gResponder) {
        if (!gResponder->font)
            unanswered("font dialog", initial.family());
        return gResponder->font(initial);
    }
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return chosen;
}

int exec(QDialog* dialog) {
    keepTitleWhole(*dialog);
    if (gResponder) {
        if (!gResponder->dialog)
            unanswered("dialog", dialog->windowTitle());
        return gResponder->dialog(dialog);
    }
    return dialog->exec();
}

Progress::Progress(QWidget* parent, const QString& title) : title_(title) {
    if (gResponder)
        return;
    // A thousand steps move the bar often enough for Cancel to be heard (the dialog takes
    // its clicks only when the bar moves) without slowing the task.
    dialog_ = std::make_unique<QProgressDialog>(QString(), QStringLiteral("Cancel"), 0, 1000, parent);
    dialog_->setWindowTitle(title);
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(500);
    dialog_->setAutoClose(false);
    dialog_->setValue(0);
}

Progress::~Progress() = default;

bool Progress::step(double done, const QString& label) {
    done = done >= 0.0 ? std::min(done, 1.0) : 0.0;
    if (!dialog_)
        return !gResponder || !gResponder->progress || gResponder->progress({title_, label, done});
    dialog_->setLabelText(label);
    dialog_->setValue(static_cast<int>(done * dialog_->maximum()));
    return !dialog_->wasCanceled();
}

QStringList nameFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
            patterns << withBothCases(p.trimmed());
        QString name = parts[i];
        const qsizetype paren = name.indexOf(QLatin1Char('('));
        if (paren >= 0)
            name = name.left(paren).trimmed();
        result << name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return result;
}

}  // namespace quillmar::modal
