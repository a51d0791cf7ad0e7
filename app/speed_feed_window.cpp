#include "app/speed_feed_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "app/quillmar_application.h"
#include "platform/modal.h"

namespace quillmar {

bool isEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QLabel* makeNamedLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit* makeNamedBox(QWidget* parent, const char* name, const QString& toolTip) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(toolTip);
    box->setFixedWidth(80);
    box->installEventFilter(parent);
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
        modal::msgBox(&window, outcome.message, int{modal::kOkOnly} | int{modal::kExclamation}, kAppTitle);
    if (auto* box = window.findChild<QLineEdit*>(outcome.box))
        box->setFocus(Qt::OtherFocusReason);
}

}  // namespace quillmar
