#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "app/document_state.h"
#include "platform/file_names.h"
#include "platform/external_program.h"
#include "platform/help_viewer.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;

namespace quillmar {

class KeyLocks;
class RichTextBox;
class frmDocument;
class MenuTree;
class SettingsStore;
class StatusPanels;
enum class Arrangement;
struct PrintState;
struct SharedState;
struct ToolWindowEntry;

// The one top-level window: holds the document windows, the menus, toolbar and status bar.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(SharedState& state, SettingsStore& settings, KeyLocks& keys, QWidget* parent = nullptr);
    ~frmMain() override;

    // Reads the settings, prepares the menus and opens the command-line file, if any.
    void MDIForm_Load(const FileName& commandLineFile);
    // Writes the settings back; runs once, when the window closes for good.
    void MDIForm_Unload();
    void mnuFileExit_Click();
    void ProcessSetup_Click();

    // The Caps Lock state found at start-up, put back at exit.
    void setCapsLockAtStart(bool on) { capsLockAtStart_ = on; }

    // Menus, toolbar buttons and status panels.
    MenuTree& menus() { return *menus_; }
    QToolBar* toolBar() const { return tbToolBar_; }
    QAction* toolbarButton(int position) const;
    StatusPanels* statusPanels() const { return sbStatusBar_; }

    // The command behind a menu entry (and the toolbar buttons that run it). An array's
    // handler receives the entry's index. Running a name that has no command is a
    // programming error (std::logic_error).
    using Command = std::function<void(int index)>;
    void setCommand(const QString& menuName, Command command);
    bool hasCommand(const QString& menuName) const { return commands_.contains(menuName); }
    void runCommand(const QString& menuName, int index = -1);

    void SetNoDocumentMenus();
    void SetDocumentMenus();
    void RearrangeWindows();
    void MDIForm_Resize();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuWindowCascade_Click();
    void mnuWindowTileHorizontal_Click();
    void mnuWindowTileVertical_Click();
    void tbToolBar_ButtonClick(const QString& key);
    void sbStatusBar_PanelClick(const QString& key);
    // Shows button 15 pressed exactly while automatic numbering is on.
    void showAutoNumberState(bool on);
    QMdiArea* mdiArea() const { return mdiArea_; }
    KeyLocks& keys() { return keys_; }
    SharedState& state() { return state_; }
    ExternalProgram& calculatorProgram() { return calculator_; }
    HelpViewer& helpViewer() { return help_; }
    // The printer File > Print and the calculators print on.
    PrintState& printing() { return *printing_; }
    // The folder the help files and the calculator program are looked up in: the
    // program's own folder unless set.
    QString outsideProgramsFolder() const;
    void setOutsideProgramsFolder(const QString& folder) { outsideFolder_ = folder; }

    // Documents.
    DocumentState& documents() { return docs_; }
    // The document the active-route commands act on; nullptr when none is open.
    frmDocument* activeDocument() const;
    QList<frmDocument*> documentWindows() const;
    // The active document's text control, the route generated text takes; nullptr when none.
    RichTextBox* activeText() const;
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileRecentFile_Click(int index);
    void mnuFileClose_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileFont_Click();
    frmDocument* NewDocumentWindow();
    // Refuses (after telling the user) a file it cannot read and a name that is no text.
    frmDocument* OpenDocumentFile(const FileName& path);
    void AddRecentFile(const QString& path);
    // Writes the document's text; false (after telling the user) when it could not.
    bool SaveDocument(frmDocument& document, const QString& path);
    // The path the user chose in the save dialog, or empty when cancelled.
    QString AskSaveFileName(const QString& proposed);

    // Editing.
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuToolsAutoNo_Click();
    void mnuColor_Click();

    // Find Next and Replace.
    void mnuSearchNextFind_Click();
    void mnuSearchReplace_Click();

    // Tool and calculator windows (app/tool_windows.h): opens or raises the entry's one
    // window, recording the active document as the target for calculators.
    QWidget* openToolWindow(const ToolWindowEntry& entry);
    // The entry's one window, created and loaded but not shown when it does not exist.
    QWidget* loadToolWindow(const ToolWindowEntry& entry);
    // What a calculator's insert buttons write through: the target document's selection.
    std::function<bool(const QString&)> targetInsert();
    // An open tool window by class name, or nullptr.
    QWidget* toolWindow(const QString& name) const;

    // Recent-file entries 1 to kRecentFileCount: their captions, "RecentFile" + n while unused.
    QString recentFileCaption(int n) const;
    void setRecentFileCaption(int n, const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readWindowPlacement();
    void readSettings();
    void readRecentFiles();
    void showMachineTypeMenus();
    void writeSettings();
    void writeRecentFiles();
    void openCommandLineFile(const FileName& path);
    bool closeAllDocuments();
    void dispatch(const QString& name, int index);
    void buildToolBar();
    void applyArrangement(Arrangement arrangement);
    void checkArrangement(Arrangement arrangement);
    void fillWindowList();
    void registerWindowCommands();
    void registerDocumentCommands();
    void registerToolCommands();
    void registerSearchCommands();
    // Opens one of the search windows as its menu command does: the search goes on from
    // the active document's selection, which fills the window's find box.
    void openSearchWindow(const QString& windowClass);
    // Takes the first free document slot; -1 (after telling the user) when all six are used.
    int takeSlot();
    // A document window in the current slot, recorded as the target, not yet shown.
    frmDocument* createDocumentWindow(const QString& caption);
    // What a document asks of the main window: undo buttons, arrangement, saving, popup.
    void connectDocument(frmDocument* doc);
    void setUndoEnabled(bool on);
    // Undo enabled from the active document's ring: off where it cannot go further back.
    void showUndoState();
    void setRedoEnabled(bool on);
    // Brings the open Find, Replace and Size Shift windows to the front.
    void raiseToolWindows();
    // The Edit menu as a popup at a screen position (a document's right-click).
    void showEditPopup(const QPoint& globalPos);
    void enableDocumentCommands(bool withSearch);
    // Walks the active document one step through its slot's ring.
    template <class Step>
    void stepUndoRing(Step step, bool forward);

    double twipsPerPixelX() const;
    double twipsPerPixelY() const;

    SharedState& state_;
    SettingsStore& settings_;
    KeyLocks& keys_;
    MenuTree* menus_ = nullptr;
    QMdiArea* mdiArea_ = nullptr;
    QToolBar* tbToolBar_ = nullptr;
    QList<QAction*> toolbarButtons_;  // by position - 1
    StatusPanels* sbStatusBar_ = nullptr;
    QList<QAction*> windowListActions_;
    QHash<QString, Command> commands_;
    DocumentState docs_;
    QHash<QString, QPointer<QWidget>> toolWindows_;  // by class name
    ExternalProgram calculator_;
    HelpViewer help_;
    std::unique_ptr<PrintState> printing_;
    QString outsideFolder_;
    bool capsLockAtStart_ = false;
    bool unloaded_ = false;
};

}  // namespace quillmar
