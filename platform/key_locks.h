#pragma once

#include <memory>

namespace quillmar {

// Virtual-key codes of the keys the program presses.
enum VirtualKey : int { kVkInsert = 45, kVkCapsLock = 20, kVkNumLock = 144 };

// The keyboard's lock keys: their state, and a synthetic press and release of one key.
class KeyLocks {
public:
    virtual ~KeyLocks() = default;
    virtual bool isOn(int virtualKey) const = 0;
    // Press and release the key; for a lock key this toggles its state.
    virtual void pressKey(int virtualKey) = 0;

    // The system's keyboard when the display is X11, else an in-process state.
    static std::unique_ptr<KeyLocks> createForPlatform();
};

// Lock states kept in the process: the keyboard on displays without X11, and tests.
class InProcessKeyLocks : public KeyLocks {
public:
    bool isOn(int virtualKey) const override;
    void pressKey(int virtualKey) override;
    void set(int virtualKey, bool on);
    int presses(int virtualKey) const;

private:
    bool insert_ = false, caps_ = false, num_ = false;
    int insertPresses_ = 0, capsPresses_ = 0, numPresses_ = 0;
};

// Holds a lock key off while it lives, then puts it back as it was: a key that was on is
// switched on again, unless the user has already done so. Without a keyboard it does nothing.
class KeyLockOff {
public:
    KeyLockOff(KeyLocks* locks, int virtualKey);
    ~KeyLockOff();
    KeyLockOff(const KeyLockOff&) = delete;
    KeyLockOff& operator=(const KeyLockOff&) = delete;

private:
    KeyLocks* locks_;
    int key_;
    bool wasOn_;
};

// Sends the key press and release; the formatters' sibling, used by the main window.
void PressKey(KeyLocks& locks, int virtualKey);

}  // namespace quillmar
