#include "app/status_panels.h"

#include <QDateTime>
#include <QEvent>
#include <QMouseEvent>

#include "app/toolbar_table.h"
#include "platform/key_locks.h"

namespace quillmar {

StatusPanels::StatusPanels(KeyLocks& keys, QWidget* parent) : QStatusBar(parent), keys_(keys) {
    setObjectName(QStringLiteral("sbStatusBar"));
    setSizeGripEnabled(true);
    for (const StatusPanelSpec& entry : kStatusPanels) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("sbStatusBarPanel%1").arg(entry.position));
        label->setProperty("key", entry.key ? QString::fromUtf8(entry.key) : QString());
        label->setText(entry.text ? QString::fromUtf8(entry.text) : QString());
        if (entry.tooltip)
            label->setToolTip(QString::fromUtf8(entry.tooltip));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMargin(1);
        label->installEventFilter(this);
        if (entry.position == 1)
            label->setMinimumWidth(80);
        addPermanentWidget(label, entry.position == 2 ? 1 : 0);
        panels_ << label;
    }
    refresh();
    timer_.setInterval(250);
    connect(&timer_, &QTimer::timeout, this, &StatusPanels::refresh);
    timer_.start();
}

void StatusPanels::refresh() {
    const QDateTime now = QDateTime::currentDateTime();
    for (const StatusPanelSpec& entry : kStatusPanels) {
        QLabel* label = panels_.value(entry.position - 1);
        int key = 0;
        switch (entry.kind) {
            case StatusPanelKind::Date: label->setText(now.toString(QStringLiteral("yyyy/MM/dd"))); break;
            case StatusPanelKind::Time: label->setText(now.toString(QStringLiteral("H:mm"))); break;
            case StatusPanelKind::InsertKey: key = kVkInsert; break;
            case StatusPanelKind::CapsLock: key = kVkCapsLock; break;
            case StatusPanelKind::NumLock: key = kVkNumLock; break;
            case StatusPanelKind::Text: break;
        }
        if (key) {
            // Dark while the key is on, dimmed while it is off; the panel stays enabled
            // so that it still takes clicks.
            const bool on = key == kVkInsert ? overtypeState_ && overtypeState_() : keys_.isOn(key);
            label->setProperty("keyOn", on);
            QPalette pal = palette();
            pal.setColor(QPalette::WindowText, pal.color(on ? QPalette::Active : QPalette::Disabled,
                                                         QPalette::WindowText));
            label->setPalette(pal);
        }
    }
}

bool StatusPanels::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (auto* label = qobject_cast<QLabel*>(watched); label && panels_.contains(label)) {
            emit panelClicked(label->property("key").toString());
            refresh();
            return true;
        }
    }
    return QStatusBar::eventFilter(watched, event);
}

}  // namespace quillmar
