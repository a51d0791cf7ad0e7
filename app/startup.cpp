#include "app/startup.h"

#include <QApplication>

#include "app/command_line.h"
#include "common/shared_state.h"
#include "app/frmMain.h"
#include "app/quillmar_application.h"
#include "platform/key_locks.h"
#include "platform/settings_store.h"

namespace quillmar {

void startMainWindow(frmMain& main, const FileName& commandLineFile) {
    main.MDIForm_Load(commandLineFile);
    main.show();
    const bool capsOn = main.keys().isOn(kVkCapsLock);
    main.setCapsLockAtStart(capsOn);
    if (!capsOn)
        PressKey(main.keys(), kVkCapsLock);
}

int Main() {
    SharedState state;
    SettingsStore settings;
    auto keys = KeyLocks::createForPlatform();
    frmMain main(state, settings, *keys);
    startMainWindow(main, CommandLineFile(QuillmarApplication::nativeArguments()));
    return QApplication::exec();
}

}  // namespace quillmar
