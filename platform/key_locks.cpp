#include "platform/key_locks.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

// X11 headers come last: their macros clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#undef KeyPress

namespace quillmar {

bool InProcessKeyLocks::isOn(int virtualKey) const {
    switch (virtualKey) {
        case kVkInsert: return insert_;
        case kVkCapsLock: return caps_;
        case kVkNumLock: return num_;
        default: return false;
    }
}

void InProcessKeyLocks::pressKey(int virtualKey) {
    switch (virtualKey) {
        case kVkInsert: insert_ = !insert_; ++insertPresses_; break;
        case kVkCapsLock: caps_ = !caps_; ++capsPresses_; break;
        case kVkNumLock: num_ = !num_; ++numPresses_; break;
        default: break;
    }
}

void InProcessKeyLocks::set(int virtualKey, bool on) {
    switch (virtualKey) {
        case kVkInsert: insert_ = on; break;
        case kVkCapsLock: caps_ = on; break;
        case kVkNumLock: num_ = on; break;
        default: break;
    }
}

int InProcessKeyLocks::presses(int virtualKey) const {
    switch (virtualKey) {
        case kVkInsert: return insertPresses_;
        case kVkCapsLock: return capsPresses_;
        case kVkNumLock: return numPresses_;
        default: return 0;
    }
}

namespace {

// The X server's keyboard. Insert has no lock state there: the program shows its
// editors' overtype mode instead.
class X11KeyLocks : public KeyLocks {
public:
    explicit X11KeyLocks(Display* display) : display_(display) {}

    bool isOn(int virtualKey) const override {
        const char* name = virtualKey == kVkCapsLock ? "Caps Lock" : virtualKey == kVkNumLock ? "Num Lock" : nullptr;
        if (!name)
            return false;
        const Atom atom = XInternAtom(display_, name, False);
        Bool on = False;
        if (!XkbGetNamedIndicator(display_, atom, nullptr, &on, nullptr, nullptr))
            return false;
        return on;
    }

    void pressKey(int virtualKey) override {
        KeySym sym = 0;
        switch (virtualKey) {
            case kVkInsert: sym = XK_Insert; break;
            case kVkCapsLock: sym = XK_Caps_Lock; break;
            case kVkNumLock: sym = XK_Num_Lock; break;
            default: return;
        }
        const KeyCode code = XKeysymToKeycode(display_, sym);
        if (code == 0)
            return;
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
        XTestFakeKeyEvent(display_, code, False, CurrentTime);
        XSync(display_, False);
    }

private:
    Display* display_;
};

bool hasXTest(Display* display) {
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    return XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor);
}

}  // namespace

std::unique_ptr<KeyLocks> KeyLocks::createForPlatform() {
    if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        if (Display* display = x11->display(); display && hasXTest(display))
            return std::make_unique<X11KeyLocks>(display);
    }
    return std::make_unique<InProcessKeyLocks>();
}

KeyLockOff::KeyLockOff(KeyLocks* locks, int virtualKey)
    : locks_(locks), key_(virtualKey), wasOn_(locks && locks->isOn(virtualKey)) {
    if (wasOn_)
        locks_->pressKey(key_);
}

KeyLockOff::~KeyLockOff() {
    if (wasOn_ && !locks_->isOn(key_))
        locks_->pressKey(key_);
}

void PressKey(KeyLocks& locks, int virtualKey) { locks.pressKey(virtualKey); }

}  // namespace quillmar
