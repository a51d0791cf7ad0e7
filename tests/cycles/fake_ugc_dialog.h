#pragma once

// A scripted stand-in for the user of the workpiece dialog: installed as the modal
// responder, it records the dialog as it came up, then types, checks and chooses in the
// order given, as a person would (touching a disabled control stops the test run), and
// leaves by "Exe.", "Cancel" or Escape. Message boxes are recorded and answered OK.

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "cycles/frmUGC.h"
#include "fake_process_dialog.h"
#include "platform/modal.h"

namespace quillmar::test {

class FakeUgcDialog {
public:
    enum class Leave { Exe, Cancel, Escape };

    FakeUgcDialog() {
        responder_.message = [this](const modal::MessageRequest& request) {
            messages.push_back(request);
            return int(modal::kOk);
        };
        responder_.dialog = [this](QDialog* dialog) { return handle(dialog); };
        modal::setResponder(&responder_);
    }
    ~FakeUgcDialog() { modal::setResponder(nullptr); }
    FakeUgcDialog(const FakeUgcDialog&) = delete;
    FakeUgcDialog& operator=(const FakeUgcDialog&) = delete;

    FakeUgcDialog& type(const char* box, const QString& text) {
        steps_.push_back({Step::Type, QString::fromLatin1(box), text});
        return *this;
    }
    // Clicks a check box or an option button.
    FakeUgcDialog& click(const char* control) {
        steps_.push_back({Step::Click, QString::fromLatin1(control), QString()});
        return *this;
    }
    FakeUgcDialog& leaveBy(Leave how) {
        leave_ = how;
        return *this;
    }
    int handle(QDialog* dialog) {
        auto* form = qobject_cast<frmUGC*>(dialog);
        if (!form)
            scriptFault("unexpected dialog", dialog->windowTitle());
        ++showings;
        csvShown = form->CsvFile->text();
        for (const Step& step : steps_) {
            QWidget* w = form->findChild<QWidget*>(step.name);
            if (!w || !w->isEnabled())
                scriptFault("no enabled control in the workpiece dialog:", step.name);
            if (step.kind == Step::Type)
                qobject_cast<QLineEdit*>(w)->setText(step.text);
            else
                qobject_cast<QAbstractButton*>(w)->click();
        }
        switch (leave_) {
            case Leave::Exe: form->Command1->click(); break;
            case Leave::Cancel: form->Command2->click(); break;
            case Leave::Escape: pressEscape(form); break;
        }
        // An "Exe." that was refused leaves the dialog open; the user then cancels.
        if (leave_ == Leave::Exe && form->result() != QDialog::Accepted) {
            stayedOpen = true;
            form->Command2->click();
        }
        return form->result();
    }

    int showings = 0;
    bool stayedOpen = false;
    QString csvShown;
    std::vector<modal::MessageRequest> messages;

private:
    struct Step {
        enum Kind { Type, Click } kind;
        QString name;
        QString text;
    };
    modal::Responder responder_;
    std::vector<Step> steps_;
    Leave leave_ = Leave::Exe;
};

}  // namespace quillmar::test
