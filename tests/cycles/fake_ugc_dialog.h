#pragma once

// A scripted stand-in for the user of the workpiece dialog: installed as the modal
// responder, it types, checks and chooses in the order given, as a person would
// (touching a disabled control stops the test run), and leaves by "Exe.", "Cancel",
// Escape or the close button. Message boxes are recorded and answered OK.

#include <QAbstractButton>
#include <QLineEdit>
#include <vector>

#include "cycles/frmUGC.h"
#include "fake_process_dialog.h"

namespace quillmar::test {

class FakeUgcDialog : public ScriptedUser {
public:
    FakeUgcDialog() : ScriptedUser(true) {}

    FakeUgcDialog& type(const char* box, const QString& text) {
        steps_.push_back({Step::Type, QString::fromLatin1(box), text});
        return *this;
    }
    // Clicks a check box or an option button.
    FakeUgcDialog& click(const char* control) {
        steps_.push_back({Step::Click, QString::fromLatin1(control), QString()});
        return *this;
    }
    // Types into each box of the script and clicks each control without text.
    FakeUgcDialog& enter(const Typing& script) {
        for (const auto& [control, text] : script)
            text ? type(control, QString::fromUtf8(text)) : click(control);
        return *this;
    }
    int handle(QDialog* dialog) override {
        auto* form = qobject_cast<frmUGC*>(dialog);
        if (!form)
            scriptFault("unexpected dialog", dialog->windowTitle());
        ++showings;
        for (const Step& step : steps_) {
            QWidget* w = form->findChild<QWidget*>(step.name);
            if (!w || !w->isEnabled())
                scriptFault("no enabled control in the workpiece dialog:", step.name);
            if (step.kind == Step::Type)
                qobject_cast<QLineEdit*>(w)->setText(step.text);
            else
                qobject_cast<QAbstractButton*>(w)->click();
        }
        leave(form, form->Command1, form->Command2);
        // An "Exe." that was refused leaves the dialog open; the user then cancels.
        if (leave_ == Leave::Execute && form->result() != QDialog::Accepted) {
            stayedOpen = true;
            form->Command2->click();
        }
        return form->result();
    }

    bool stayedOpen = false;

private:
    struct Step {
        enum Kind { Type, Click } kind;
        QString name;
        QString text;
    };
    std::vector<Step> steps_;
};

}  // namespace quillmar::test
