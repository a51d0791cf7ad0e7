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

// A fixed-size window of its own with a title and a close button, without minimize and
// maximize buttons: the tool windows and calculators.
inline constexpr Qt::WindowFlags kFixedToolWindow = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// A fixed-size modal dialog whose title bar carries its title alone: no system menu and no
// minimize, maximize or close button (see keepTitleBarBare).
inline constexpr Qt::WindowFlags kFixedDialog =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
// The same in the look of a tool window.
inline constexpr Qt::WindowFlags kFixedToolDialog =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;

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

// Whether a focus-out event moves to another control. Switching to another window or
// opening a context menu leaves the box's focus where it was, so neither counts.
bool leavesForControl(const QEvent* event);

// Actions that events of particular controls run. `filter`: the object installed on the
// controls, which hands their events to handle(); nullptr: the table itself. A window
// passes itself when its own filter must see a control's events first, or when the
// actions must stop once the window is being destroyed (its filter is then QWidget's).
class ControlActions : public QObject {
public:
    // Runs the action for `watched` when the event triggers it; true when the event is
    // swallowed.
    bool handle(QObject* watched, QEvent* event);

protected:
    ControlActions(QObject* parent, QObject* filter);
    void add(QWidget* control, std::function<void()> action, bool swallow);
    virtual bool triggers(const QEvent* event) const = 0;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Action {
        std::function<void()> run;
        bool swallow;
    };
    QObject* filter_;
    QHash<QObject*, Action> actions_;
};

// What Enter does in a form's controls: move the focus on to the next control, or run an
// action (a button pressing itself, a last box computing).
class EnterChain : public ControlActions {
public:
    // What becomes of the key once a step has run: the control still gets it, or not.
    enum class Key { PassOn, Swallow };

    explicit EnterChain(QObject* parent, QObject* filter = nullptr) : ControlActions(parent, filter) {}

    // Enter in each control moves the focus to the one after it.
    void moveOn(const QList<QWidget*>& chain, Key key = Key::PassOn);
    void moveOn(QWidget* from, QWidget* to, Key key = Key::PassOn);
    void run(QWidget* from, std::function<void()> action, Key key = Key::PassOn) {
        add(from, std::move(action), key == Key::Swallow);
    }
    // Enter presses the button while it has the focus.
    void pressOnEnter(QAbstractButton* button);

protected:
    bool triggers(const QEvent* event) const override { return isEnterKey(event); }
};

// Leaving a box for another control runs its action; the focus-out goes on to the box.
class OnLeave : public ControlActions {
public:
    explicit OnLeave(QObject* parent, QObject* filter = nullptr) : ControlActions(parent, filter) {}

    void run(QWidget* box, std::function<void()> action) { add(box, std::move(action), false); }

protected:
    bool triggers(const QEvent* event) const override { return leavesForControl(event); }
};

}  // namespace quillmar
