#pragma once

// A scripted stand-in for the user of the process dialog: installed as the modal
// responder, it records what the dialog showed when it came up, types into its boxes,
// chooses options and leaves it by Execute, Cancel, Escape or the close button. Message
// boxes are recorded and answered OK. Generator tests run a whole command through the
// runner with it; nothing is shown and no modal loop runs.

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPair>
#include <QPushButton>
#include <QSet>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "cycles/frmProcess.h"
#include "platform/modal.h"

namespace quillmar::test {

// A script that names what the dialog does not have stops the run.
[[noreturn]] inline void scriptFault(const char* what, const QString& name) {
    std::fprintf(stderr, "%s %s\n", what, name.toUtf8().constData());
    std::abort();
}

// The process dialog as the user saw it: texts of labels, boxes, frames and options, and
// hidden controls, by object name.
struct ProcessDialogView {
    QHash<QString, QString> texts;
    QSet<QString> hidden;
    QSet<QString> checked;  // selected options

    QString text(const char* name) const { return texts.value(QString::fromLatin1(name)); }
    bool isHidden(const char* name) const { return hidden.contains(QString::fromLatin1(name)); }
    bool isChecked(const char* name) const { return checked.contains(QString::fromLatin1(name)); }
};

inline void pressEscape(QDialog* dialog) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog, &escape);
}

inline ProcessDialogView viewOf(const QDialog& dialog) {
    ProcessDialogView view;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        if (auto* l = qobject_cast<QLabel*>(w))
            view.texts.insert(name, l->text());
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            view.texts.insert(name, e->text());
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            view.texts.insert(name, g->title());
        else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            view.texts.insert(name, b->text());
            if (b->isChecked())
                view.checked.insert(name);
        }
        if (w->isHidden())
            view.hidden.insert(name);
    }
    return view;
}

class FakeProcessDialog {
public:
    enum class Leave { Execute, Cancel, Escape, CloseButton };

    explicit FakeProcessDialog(bool install = true) : installed_(install) {
        responder_.message = [this](const modal::MessageRequest& request) {
            messages.push_back(request);
            return int(modal::kOk);
        };
        responder_.dialog = [this](QDialog* dialog) { return handle(dialog); };
        if (installed_)
            modal::setResponder(&responder_);
    }
    ~FakeProcessDialog() {
        if (installed_)
            modal::setResponder(nullptr);
    }
    FakeProcessDialog(const FakeProcessDialog&) = delete;
    FakeProcessDialog& operator=(const FakeProcessDialog&) = delete;

    // The script, used at every showing until changed.
    FakeProcessDialog& type(const char* box, const QString& text) {
        typing_.append({QString::fromLatin1(box), text});
        return *this;
    }
    FakeProcessDialog& choose(const char* option) {
        choices_.append(QString::fromLatin1(option));
        return *this;
    }
    FakeProcessDialog& leaveBy(Leave how) {
        leave_ = how;
        return *this;
    }
    void clearScript() {
        typing_.clear();
        choices_.clear();
        leave_ = Leave::Execute;
    }

    // The dialog handler of the modal seam.
    int handle(QDialog* dialog) {
        auto* form = qobject_cast<frmProcess*>(dialog);
        if (!form)
            scriptFault("unexpected dialog", dialog->windowTitle());
        ++showings;
        seen = viewOf(*form);
        for (const auto& [name, text] : typing_) {
            auto* box = form->findChild<QLineEdit*>(name);
            if (!box)
                scriptFault("no box in the process dialog:", name);
            box->setText(text);
            if (box == form->B)
                form->B_LostFocus();  // the user tabs on
        }
        for (const QString& name : choices_) {
            auto* option = form->findChild<QAbstractButton*>(name);
            if (!option)
                scriptFault("no option in the process dialog:", name);
            option->setChecked(true);
        }
        left = viewOf(*form);
        switch (leave_) {
            case Leave::Execute: form->Command1->click(); break;
            case Leave::Cancel: form->Command2->click(); break;
            case Leave::Escape: pressEscape(form); break;
            case Leave::CloseButton: form->close(); break;
        }
        return form->result();
    }

    int showings = 0;
    ProcessDialogView seen;  // as it came up
    ProcessDialogView left;  // as it was when the user left it
    std::vector<modal::MessageRequest> messages;

private:
    bool installed_;
    modal::Responder responder_;
    QList<QPair<QString, QString>> typing_;
    QStringList choices_;
    Leave leave_ = Leave::Execute;
};

}  // namespace quillmar::test
