#pragma once

// The main window as the window tests drive it: a fresh settings file, the shared state,
// the key locks, a scripted responder for its prompts, and a folder for the files a test
// opens and saves.

#include <QAction>
#include <QTemporaryDir>
#include <memory>

#include "app/frmMain.h"
#include "app/menu_tree.h"
#include "common/shared_state.h"
#include "platform/key_locks.h"
#include "platform/settings_store.h"
#include "support/test_support.h"

namespace quillmar::test {

struct MainWindowFixture {
    TempSettings temp;
    QTemporaryDir files;
    SettingsStore settings{temp.path()};
    SharedState state;
    InProcessKeyLocks keys;
    ScriptedResponder answers;
    std::unique_ptr<frmMain> window;

    // Builds and loads the window; a test that stores settings first calls this after.
    frmMain& start(bool show = true) {
        window = std::make_unique<frmMain>(state, settings, keys);
        window->MDIForm_Load(QString());
        if (show)
            window->show();
        return *window;
    }
    frmMain& w() { return *window; }
    QAction* item(const char* name, int index = -1) { return window->menus().action(QString::fromLatin1(name), index); }
    void choose(const char* name) { item(name)->trigger(); }
    QString file(const QString& name) const { return files.filePath(name); }
};

}  // namespace quillmar::test
