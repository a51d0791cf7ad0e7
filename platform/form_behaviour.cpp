#include "platform/form_behaviour.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace quillmar {
namespace {

void selectWholeText(QLineEdit* box) {
    if (!box->text().isEmpty())
        box->selectAll();
}

class SelectAllOnFocus : public QObject {
public:
    explicit SelectAllOnFocus(QLineEdit* box) : QObject(box), box_(box) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == box_ && event->type() == QEvent::FocusIn) {
            selectWholeText(box_);
            // A click places the caret after the box has the focus; select once it has.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
                QTimer::singleShot(0, box_, [box = box_] { selectWholeText(box); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* box_;
};

}  // namespace

bool isEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void setTabChain(const QList<QWidget*>& order) {
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void showAsResultBox(QLineEdit* box) {
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    box->setPalette(colours);
}

void selectAllOnFocus(QLineEdit* box) { box->installEventFilter(new SelectAllOnFocus(box)); }

bool leavesForControl(const QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

ControlActions::ControlActions(QObject* parent, QObject* filter) : QObject(parent), filter_(filter ? filter : this) {}

void ControlActions::add(QWidget* control, std::function<void()> action, bool swallow) {
    actions_.insert(control, {std::move(action), swallow});
    control->installEventFilter(filter_);
}

bool ControlActions::handle(QObject* watched, QEvent* event) {
    if (!triggers(event))
        return false;
    const auto it = actions_.constFind(watched);
    if (it == actions_.constEnd())
        return false;
    // The action may end the window and this table with it.
    const Action action = *it;
    action.run();
    return action.swallow;
}

bool ControlActions::eventFilter(QObject* watched, QEvent* event) {
    return handle(watched, event) || QObject::eventFilter(watched, event);
}

void EnterChain::moveOn(const QList<QWidget*>& chain, Key key) {
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        moveOn(chain[i], chain[i + 1], key);
}

void EnterChain::moveOn(QWidget* from, QWidget* to, Key key) {
    run(from, [to] { to->setFocus(Qt::TabFocusReason); }, key);
}

void EnterChain::pressOnEnter(QAbstractButton* button) { run(button, [button] { button->click(); }, Key::Swallow); }

}  // namespace quillmar
