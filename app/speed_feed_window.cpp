#include "app/speed_feed_window.h"

#include <QLineEdit>

#include "app/quillmar_application.h"
#include "platform/form_behaviour.h"
#include "platform/modal.h"

namespace quillmar {

QLineEdit* makeNamedBox(QWidget* parent, const char* name, const QString& toolTip) {
    auto* box = named(new QLineEdit(parent), name);
    box->setToolTip(toolTip);
    box->setFixedWidth(80);
    return box;
}

void applyOutcome(QWidget& window, const SpeedFeedOutcome& outcome,
                  const std::function<bool(const QString&)>& insert) {
    if (outcome.kind == SpeedFeedOutcome::Insert) {
        if (insert && insert(outcome.text))
            window.close();
        return;
    }
    if (outcome.kind == SpeedFeedOutcome::Refused)
        modal::msgBox(&window, outcome.message, modal::kOkOnly | modal::kExclamation, kAppTitle);
    if (auto* box = window.findChild<QLineEdit*>(outcome.box))
        box->setFocus(Qt::OtherFocusReason);
}

}  // namespace quillmar
