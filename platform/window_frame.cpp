#include "platform/window_frame.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <cstring>
#include <optional>

// X11 headers come last: their macros clash with Qt's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace quillmar {
namespace {

Display* x11Display() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

// A property of an X window as the server holds it: the bytes of an 8-bit property, or the
// items of a 32-bit one (each a long, as Xlib hands them); empty where the window has no
// such property of that type.
QByteArray windowProperty(Display* display, Window window, Atom which, Atom type, long items) {
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    QByteArray bytes;
    if (XGetWindowProperty(display, window, which, 0, items, False, type, &actual, &format, &count, &left, &data) ==
            Success &&
        actual == type && data && (format == 8 || format == 32))
        bytes = QByteArray(reinterpret_cast<const char*>(data), qsizetype(count * (format == 32 ? sizeof(long) : 1)));
    if (data)
        XFree(data);
    return bytes;
}

QList<unsigned long> longs(const QByteArray& property) {
    QList<unsigned long> items(property.size() / qsizetype(sizeof(long)));
    if (!items.isEmpty())
        std::memcpy(items.data(), property.constData(), size_t(items.size()) * sizeof(long));
    return items;
}

bool isOnScreen(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle && handle->isExposed();
}

// The frame the window manager announces on the window (left, right, top, bottom); none where
// the display is not X11 or nothing is announced.
std::optional<QMargins> announcedFrame(const QWidget& window) {
    Display* display = x11Display();
    if (!display)
        return std::nullopt;
    const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", True);
    if (extents == None)
        return std::nullopt;
    const QList<unsigned long> v = longs(windowProperty(display, window.winId(), extents, XA_CARDINAL, 4));
    if (v.size() != 4)
        return std::nullopt;
    return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

// Asked only once the window is on the screen. The toolkit's own idea of the frame serves
// where the window manager announces none; it can keep "no frame" for good when the toolkit
// asked before the window manager had framed the window.
QMargins ownFrame(const QWidget& window) {
    if (!isOnScreen(window))
        return {};
    if (const std::optional<QMargins> announced = announcedFrame(window))
        return *announced;
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
    const QPoint corner = window.geometry().topLeft() - QPoint(frame.left(), frame.top());
    const QRect outer = fitIntoArea(QRect(corner, window.size().grownBy(frame)), screen->availableGeometry());
    if (frame.isNull()) {
        // Placed by its frame's corner, so that the window manager's frame goes inside.
        window.move(outer.topLeft());
        window.resize(outer.size());
    } else {
        window.setGeometry(outer.marginsRemoved(frame));
    }
}

// An event filter that lives on its window, named so that one window gets one of each kind.
class WindowWatcher : public QObject {
public:
    WindowWatcher(QWidget& window, const char* name) : QObject(&window), window_(window) {
        setObjectName(QLatin1String(name));
        window.installEventFilter(this);
    }

protected:
    QWidget& window_;
};

template <typename Watcher>
void watchOnce(QWidget& window) {
    if (!window.findChild<QObject*>(QLatin1String(Watcher::kName), Qt::FindDirectChildrenOnly))
        new Watcher(window);
}

// Fits its window again once the window manager has framed it, then goes.
class FrameWatcher : public WindowWatcher {
public:
    static constexpr const char* kName = "frameWatcher";

    explicit FrameWatcher(QWidget& window) : WindowWatcher(window, kName) {}

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::WindowActivate:
            case QEvent::UpdateRequest:
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
};

// The inner width at which the window manager shows the whole title. Window managers draw
// titles in the bold of the desktop's font, which is the application's font, and put the
// window's icon and three buttons, each about as wide as the bar is high, and some padding
// beside it: six bar heights leave room for those.
int titleWidth(const QWidget& window) {
    QFont font = QApplication::font();
    font.setBold(true);
    const QMargins frame = windowFrame(window);
    const int bar = frame.top() > frame.left() ? frame.top() - frame.left()
                                               : window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + 6 * bar - frame.left() - frame.right();
}

// Widens its window whenever it is shown or resized narrower than its title needs; a window
// of fixed size (its layout or the message box fixes it) stays fixed at the wider width.
class TitleKeeper : public WindowWatcher {
public:
    static constexpr const char* kName = "titleKeeper";

    explicit TitleKeeper(QWidget& window) : WindowWatcher(window, kName) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::Resize) {
            const int width = titleWidth(window_);
            if (window_.width() < width) {
                if (window_.minimumWidth() == window_.maximumWidth())
                    window_.setFixedWidth(width);
                else
                    window_.setMinimumWidth(width);
            }
        }
        return false;
    }
};

int ignoreXError(Display*, XErrorEvent*) { return 0; }

// The name the running window manager gives itself on its check window (EWMH); empty where
// none names itself. A check window left behind by a window manager that has gone is no
// more, and asking after it is an error that is not the program's: it is let pass.
QByteArray windowManagerName(Display* display) {
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    const Atom name = XInternAtom(display, "_NET_WM_NAME", True);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", True);
    if (check == None || name == None || utf8 == None)
        return {};
    const QByteArray wm = windowProperty(display, DefaultRootWindow(display), check, XA_WINDOW, 1);
    if (longs(wm).size() != 1)
        return {};
    XSync(display, False);
    XErrorHandler previous = XSetErrorHandler(ignoreXError);
    const Window checkWindow = longs(wm).front();
    const bool current = windowProperty(display, checkWindow, check, XA_WINDOW, 1) == wm;
    const QByteArray named = current ? windowProperty(display, checkWindow, name, utf8, 64) : QByteArray();
    XSync(display, False);
    XSetErrorHandler(previous);
    return named;
}

// Openbox gives every framed window a close button and every dialog a minimize button,
// whatever the window's hints ask, and minimizing a modal dialog takes its main window off
// the screen with it. The only windows it offers no minimize are those of the toolbar
// kind, so a bare dialog is declared one there, before it is mapped, ahead of the kinds
// the toolkit declared. Its close button stays: the dialog turns it down or takes it as
// Cancel. Window managers that heed the hints keep the dialog kind.
class BareTitleKeeper : public WindowWatcher {
public:
    static constexpr const char* kName = "bareTitleKeeper";

    explicit BareTitleKeeper(QWidget& window) : WindowWatcher(window, kName) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            declareToolbarUnderOpenbox();
        return false;
    }

private:
    void declareToolbarUnderOpenbox() {
        Display* display = x11Display();
        if (!display || windowManagerName(display) != "Openbox")
            return;
        const Atom kinds = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
        const Atom toolbar = XInternAtom(display, "_NET_WM_WINDOW_TYPE_TOOLBAR", False);
        QList<unsigned long> declared{toolbar};
        for (unsigned long kind : longs(windowProperty(display, window_.winId(), kinds, XA_ATOM, 16)))
            if (kind != toolbar)
                declared << kind;
        XChangeProperty(display, window_.winId(), kinds, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(declared.constData()), int(declared.size()));
        XFlush(display);
    }
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
    if (!isFramed(window))
        watchOnce<FrameWatcher>(window);
}

void keepTitleWhole(QWidget& window) {
    watchOnce<TitleKeeper>(window);
}

void keepTitleBarBare(QWidget& dialog) {
    watchOnce<BareTitleKeeper>(dialog);
}

}  // namespace quillmar
