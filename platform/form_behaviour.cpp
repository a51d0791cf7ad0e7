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

class OnLeave : public QObject {
public:
    OnLeave(QWidget* box, std::function<void()> action) : QObject(box), box_(box), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == box_ && leavesForControl(event))
            action_();
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* box_;
    std::function<void()> action_;
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

void onLeave(QWidget* box, std::function<void()> action) {
    box->installEventFilter(new OnLeave(box, std::move(action)));
}

bool leavesForControl(const QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

EnterChain::EnterChain(QObject* parent, QObject* filter) : QObject(parent), filter_(filter ? filter : this) {}

void EnterChain::moveOn(const QList<QWidget*>& chain, Key key) {
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        moveOn(chain[i], chain[i + 1], key);
}

void EnterChain::moveOn(QWidget* from, QWidget* to, Key key) {
    add(from, {[to] { to->setFocus(Qt::TabFocusReason); }, key});
}

void EnterChain::run(QWidget* from, std::function<void()> action, Key key) { add(from, {std::move(action), key}); }

void EnterChain::pressOnEnter(QAbstractButton* button) { run(button, [button] { button->click(); }, Key::Swallow); }

void EnterChain::add(QWidget* from, Step step) {
    steps_.insert(from, std::move(step));
    from->installEventFilter(filter_);
}

bool EnterChain::handle(QObject* watched, QEvent* event) {
    if (!isEnterKey(event))
        return false;
    const auto it = steps_.constFind(watched);
    if (it == steps_.constEnd())
        return false;
    // The action may end the window and this chain with it.
    const Step step = *it;
    step.action();
    return step.key == Key::Swallow;
}

bool EnterChain::eventFilter(QObject* watched, QEvent* event) {
    return handle(watched, event) || QObject::eventFilter(watched, event);
}

}  // namespace quillmar
