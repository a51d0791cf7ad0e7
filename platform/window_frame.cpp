#include "platform/window_frame.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace quillmar {
namespace {

QMargins ownFrame(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

bool isFramed(const QWidget& window) { return !ownFrame(window).isNull(); }

void fitNow(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QMargins frame = windowFrame(window);
    // pos() is where the frame's corner stands, framed or not yet.
    const QRect outer = fitIntoArea(QRect(window.pos(), window.size().grownBy(frame)), screen->availableGeometry());
    window.move(outer.topLeft());
    window.resize(outer.size().shrunkBy(frame));
}

// Fits its window again once the window manager has framed it, then goes.
class FrameWatcher : public QObject {
public:
    static constexpr const char* kName = "frameWatcher";

    explicit FrameWatcher(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(QLatin1String(kName));
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::WindowActivate:
                if (isFramed(window_)) {
                    window_.removeEventFilter(this);
                    fitNow(window_);
                    deleteLater();
                }
                break;
            default:
                break;
        }
        return false;
    }

private:
    QWidget& window_;
};

}  // namespace

QRect fitIntoArea(const QRect& wanted, const QRect& area) {
    QRect r(wanted.topLeft(), wanted.size().boundedTo(area.size()));
    if (r.right() > area.right())
        r.moveRight(area.right());
    if (r.bottom() > area.bottom())
        r.moveBottom(area.bottom());
    if (r.left() < area.left())
        r.moveLeft(area.left());
    if (r.top() < area.top())
        r.moveTop(area.top());
    return r;
}

QMargins windowFrame(const QWidget& window) {
    const QMargins own = ownFrame(window);
    if (!own.isNull())
        return own;
    const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    return owner ? ownFrame(*owner) : QMargins();
}

void fitOnScreen(QWidget& window) {
    fitNow(window);
    if (!isFramed(window) && !window.findChild<QObject*>(QLatin1String(FrameWatcher::kName), Qt::FindDirectChildrenOnly))
        new FrameWatcher(window);
}

}  // namespace quillmar
