#pragma once

#include <QMainWindow>
#include <QString>

#include "platform/external_program.h"

class QMdiArea;

namespace quillmar {

class KeyLocks;
class MenuTree;
class SettingsStore;
struct SharedState;

// The one top-level window: holds the document windows, the menus, toolbar and status bar.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(SharedState& state, SettingsStore& settings, KeyLocks& keys, QWidget* parent = nullptr);
    ~frmMain() override;

    // Reads the settings, prepares the menus and opens the command-line file, if any.
    void MDIForm_Load(const QString& commandLine);
    // Writes the settings back; runs once, when the window closes for good.
    void MDIForm_Unload();
    void mnuFileExit_Click();

    // The Caps Lock state found at start-up, put back at exit.
    void setCapsLockAtStart(bool on) { capsLockAtStart_ = on; }

    MenuTree& menus() { return *menus_; }
    QMdiArea* mdiArea() const { return mdiArea_; }
    KeyLocks& keys() { return keys_; }
    SharedState& state() { return state_; }
    ExternalProgram& calculatorProgram() { return calculator_; }

    // Recent-file entries 1 to 5: their captions, "RecentFile" + n while unused.
    QString recentFileCaption(int n) const;
    void setRecentFileCaption(int n, const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void readWindowPlacement();
    void readSettings();
    void readRecentFiles();
    void writeSettings();
    void writeRecentFiles();
    void openCommandLineFile(const QString& path);
    bool closeAllDocuments();
    void dispatch(const QString& name, int index);

    double twipsPerPixelX() const;
    double twipsPerPixelY() const;

    SharedState& state_;
    SettingsStore& settings_;
    KeyLocks& keys_;
    MenuTree* menus_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    ExternalProgram calculator_;
    bool capsLockAtStart_ = false;
    bool unloaded_ = false;
};

}  // namespace quillmar
