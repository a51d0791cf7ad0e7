#pragma once

#include <QLabel>
#include <QList>
#include <QStatusBar>
#include <QTimer>
#include <functional>

namespace quillmar {

class KeyLocks;

// The main window's status bar: a memo panel, a hint, the Insert, Caps Lock and Num Lock
// states, the date and the time. A click on a panel reports the panel's key.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    StatusPanels(KeyLocks& keys, QWidget* parent = nullptr);

    QLabel* panel(int position) const { return panels_.value(position - 1); }
    // Shows the lock keys' states and the current date and time.
    void refresh();
    // Where the Insert panel reads its state: the active editor's overtype mode.
    void setOvertypeState(std::function<bool()> state) { overtypeState_ = std::move(state); }

signals:
    void panelClicked(const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyLocks& keys_;
    QList<QLabel*> panels_;
    QTimer timer_;
    std::function<bool()> overtypeState_;
};

}  // namespace quillmar
