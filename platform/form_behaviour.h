#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QAbstractButton;
class QEvent;
class QLineEdit;
class QWidget;

namespace quillmar {

// How the program's forms behave, written once: the Enter key, selecting a box's text when
// it takes the focus, and work done when the focus leaves a box.

// A control that answers to its form name, so code and tests can find it by that name.
template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Return or the keypad's Enter pressed.
bool isEnterKey(const QEvent* event);

// The Tab key's order through the window.
void setTabChain(const QList<QWidget*>& order);

// A box that shows a result: read-only, button-face background, left out by the Tab key.
void showAsResultBox(QLineEdit* box);

// A filled box selects its whole text when it takes the focus, by the keyboard or a click.
void selectAllOnFocus(QLineEdit* box);

// Leaving the box for another control runs `action`. Switching to another window or
// opening a context menu leaves the box's focus where it was, so neither counts.
void onLeave(QWidget* box, std::function<void()> action);
// Whether a focus-out event is such a real move to another control.
bool leavesForControl(const QEvent* event);

// What Enter does in a form's controls: move the focus on to the next control, or run an
// action (a button pressing itself, a last box computing).
class EnterChain : public QObject {
public:
    // What becomes of the key once a step has run: the control still gets it, or not.
    enum class Key { PassOn, Swallow };

    // `filter`: the object installed on the controls, which hands their events to
    // handle(); nullptr: the chain itself. A form passes itself when its own filter must
    // see a control's events first.
    explicit EnterChain(QObject* parent, QObject* filter = nullptr);

    // Enter in each control moves the focus to the one after it.
    void moveOn(const QList<QWidget*>& chain, Key key = Key::PassOn);
    void moveOn(QWidget* from, QWidget* to, Key key = Key::PassOn);
    void run(QWidget* from, std::function<void()> action, Key key = Key::PassOn);
    // Enter presses the button while it has the focus.
    void pressOnEnter(QAbstractButton* button);
    // Forgets every step.
    void clear() { steps_.clear(); }

    // Carries out the step for an Enter in `watched`; true when the key is swallowed.
    bool handle(QObject* watched, QEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Step {
        std::function<void()> action;
        Key key;
    };
    void add(QWidget* from, Step step);

    QObject* filter_;
    QHash<QObject*, Step> steps_;
};

}  // namespace quillmar
