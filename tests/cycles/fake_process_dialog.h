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
#include <utility>
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

    QString text(const char* name) const { return texts.value(QString::fromLatin1(name)); }
    bool isHidden(const char* name) const { return hidden.contains(QString::fromLatin1(name)); }
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
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            view.texts.insert(name, b->text());
        if (w->isHidden())
            view.hidden.insert(name);
    }
    return view;
}

// What every scripted user shares: installed as the modal responder (unless a test routes
// dialogs to handle() itself), it counts the showings, records message boxes, answered OK,
// and leaves each dialog the way the script says.
class ScriptedUser {
public:
    enum class Leave { Execute, Cancel, Escape, CloseButton };

    explicit ScriptedUser(bool install) : installed_(install) {
        responder_.message = [this](const modal::MessageRequest& request) {
            messages.push_back(request);
            return int(modal::kOk);
        };
        responder_.dialog = [this](QDialog* dialog) { return handle(dialog); };
        if (installed_)
            modal::setResponder(&responder_);
    }
    virtual ~ScriptedUser() {
        if (installed_)
            modal::setResponder(nullptr);
    }
    ScriptedUser(const ScriptedUser&) = delete;
    ScriptedUser& operator=(const ScriptedUser&) = delete;

    virtual int handle(QDialog* dialog) = 0;

    ScriptedUser& leaveBy(Leave how) {
        leave_ = how;
        return *this;
    }

    int showings = 0;
    std::vector<modal::MessageRequest> messages;

protected:
    void leave(QDialog* form, QAbstractButton* execute, QAbstractButton* cancel) const {
        switch (leave_) {
            case Leave::Execute: execute->click(); break;
            case Leave::Cancel: cancel->click(); break;
            case Leave::Escape: pressEscape(form); break;
            case Leave::CloseButton: form->close(); break;
        }
    }

    Leave leave_ = Leave::Execute;

private:
    bool installed_;
    modal::Responder responder_;
};

class FakeProcessDialog : public ScriptedUser {
public:
    explicit FakeProcessDialog(bool install = true) : ScriptedUser(install) {}

    // The script, used at every showing until changed.
    FakeProcessDialog& type(const char* box, const QString& text) {
        typing_.append({QString::fromLatin1(box), text});
        return *this;
    }
    FakeProcessDialog& choose(const char* option) {
        choices_.append(QString::fromLatin1(option));
        return *this;
    }
    void clearScript() {
        typing_.clear();
        choices_.clear();
        leave_ = Leave::Execute;
    }

    // The dialog handler of the modal seam.
    int handle(QDialog* dialog) override {
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
        leave(form, form->Command1, form->Command2);
        return form->result();
    }

    ProcessDialogView seen;  // as it came up
    ProcessDialogView left;  // as it was when the user left it

private:
    QList<QPair<QString, QString>> typing_;
    QStringList choices_;
};

// Box texts to type, in order; an option to choose has no text.
using Typing = std::vector<std::pair<const char*, const char*>>;

inline void enter(FakeProcessDialog& user, const Typing& typed) {
    for (const auto& [control, text] : typed)
        text ? void(user.type(control, QString::fromUtf8(text))) : void(user.choose(control));
}

}  // namespace quillmar::test
