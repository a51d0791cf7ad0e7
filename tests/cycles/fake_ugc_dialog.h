#pragma once

// A scripted stand-in for the user of the workpiece dialog: installed as the modal
// responder, it records the dialog as it came up, then types, checks and chooses in the
// order given, as a person would (touching a disabled control stops the test run), and
// leaves by "Exe.", "Cancel" or Escape. Message boxes are recorded and answered OK; file
// dialogs are answered from a queue.

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "cycles/frmUGC.h"
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
        responder_.file = [this](const modal::FileRequest& request) -> std::optional<QString> {
            fileRequests.push_back(request);
            if (fileAnswers.empty()) {
                std::fprintf(stderr, "unexpected file dialog\n");
                std::abort();
            }
            auto answer = fileAnswers.front();
            fileAnswers.pop_front();
            return answer;
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
    // Clicks a check box or an option button, or a push button such as "Material".
    FakeUgcDialog& click(const char* control) {
        steps_.push_back({Step::Click, QString::fromLatin1(control), QString()});
        return *this;
    }
    FakeUgcDialog& leaveBy(Leave how) {
        leave_ = how;
        return *this;
    }
    // What to do with the dialog instead of the script (a window test looks at it).
    std::function<int(frmUGC&)> custom;

    int handle(QDialog* dialog) {
        auto* form = qobject_cast<frmUGC*>(dialog);
        if (!form) {
            std::fprintf(stderr, "unexpected dialog: %s\n", dialog->windowTitle().toUtf8().constData());
            std::abort();
        }
        ++showings;
        csvShown = form->CsvFile->text();
        if (custom)
            return custom(*form);
        for (const Step& step : steps_) {
            QWidget* w = form->findChild<QWidget*>(step.name);
            if (!w || !w->isEnabled()) {
                std::fprintf(stderr, "no enabled control %s in the workpiece dialog\n", step.name.toUtf8().constData());
                std::abort();
            }
            if (step.kind == Step::Type)
                qobject_cast<QLineEdit*>(w)->setText(step.text);
            else
                qobject_cast<QAbstractButton*>(w)->click();
        }
        switch (leave_) {
            case Leave::Exe: form->Command1->click(); break;
            case Leave::Cancel: form->Command2->click(); break;
            case Leave::Escape: {
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(form, &escape);
                break;
            }
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
    std::vector<modal::FileRequest> fileRequests;
    std::deque<std::optional<QString>> fileAnswers;

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
