// The main window's menus, toolbar, status bar and the arrangement of the document windows.
#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <stdexcept>

#include "common/shared_state.h"
#include "app/frmMain.h"
#include "app/insert_menus.h"
#include "app/menu_tree.h"
#include "app/help_commands.h"
#include "app/print_commands.h"
#include "app/process_commands.h"
#include "app/status_panels.h"
#include "app/toolbar_icons.h"
#include "app/toolbar_table.h"
#include "app/window_arrangement.h"
#include "platform/key_locks.h"
#include "platform/rich_text_box.h"

namespace quillmar {
namespace {

// The menus that need a document, in the order they are hidden and shown.
const char* const kDocumentMenus[] = {"mnuEdit", "mnuInsert", "Process", "mnuTools", "ClosPoint", "Gcode", "Mcode"};

}  // namespace

void frmMain::buildToolBar() {
    tbToolBar_ = addToolBar(QStringLiteral("tbToolBar"));
    tbToolBar_->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar_->setMovable(false);
    tbToolBar_->setIconSize(QSize(24, 24));
    tbToolBar_->toggleViewAction()->setVisible(false);
    for (const ToolbarButtonSpec& entry : kToolbarButtons) {
        QAction* button = nullptr;
        if (entry.flags & kToolbarSeparator) {
            button = tbToolBar_->addSeparator();
        } else {
            const QString key = QString::fromUtf8(entry.key);
            button = tbToolBar_->addAction(toolbarIcon(entry.position), key);
            button->setToolTip(QString::fromUtf8(entry.tooltip));
            button->setData(key);
            if (entry.flags & kToolbarShowsAutoNumber)
                button->setCheckable(true);
            connect(button, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
        }
        button->setObjectName(QStringLiteral("tbToolBarButton%1").arg(entry.position));
        toolbarButtons_ << button;
    }
}

QAction* frmMain::toolbarButton(int position) const { return toolbarButtons_.value(position - 1); }

void frmMain::setCommand(const QString& menuName, Command command) { commands_.insert(menuName, std::move(command)); }

void frmMain::runCommand(const QString& menuName, int index) { dispatch(menuName, index); }

// A name without a command can only come from a misspelt table row, never from the user.
// It is thrown rather than ignored, so the mistake shows at once (reported through the
// application's event handler, the program going on) instead of an entry doing nothing.
void frmMain::dispatch(const QString& name, int index) {
    const auto it = commands_.constFind(name);
    if (it == commands_.constEnd())
        throw std::logic_error("no command for the menu entry " + name.toStdString());
    (*it)(index);
}

void frmMain::registerWindowCommands() {
    registerDocumentCommands();
    registerToolCommands();
    registerPrintCommands(*this);
    registerSearchCommands();
    registerProcessCommands(*this);
    registerInsertCommands(*this);
    registerHelpCommands(*this);
    setCommand(QStringLiteral("mnuFileExit"), [this](int) { mnuFileExit_Click(); });
    setCommand(QStringLiteral("ProcessSetup"), [this](int) { ProcessSetup_Click(); });
    setCommand(QStringLiteral("mnuViewToolbar"), [this](int) { mnuViewToolbar_Click(); });
    setCommand(QStringLiteral("mnuViewStatusBar"), [this](int) { mnuViewStatusBar_Click(); });
    setCommand(QStringLiteral("mnuWindowCascade"), [this](int) { mnuWindowCascade_Click(); });
    setCommand(QStringLiteral("mnuWindowTileHorizontal"), [this](int) { mnuWindowTileHorizontal_Click(); });
    setCommand(QStringLiteral("mnuWindowTileVertical"), [this](int) { mnuWindowTileVertical_Click(); });
}

void frmMain::SetNoDocumentMenus() {
    for (const char* name : kDocumentMenus)
        if (QAction* a = menus_->action(QString::fromLatin1(name)))
            a->setVisible(false);
    for (const ToolbarButtonSpec& entry : kToolbarButtons)
        if (entry.flags & kToolbarNeedsDocument)
            toolbarButton(entry.position)->setVisible(false);
    setUndoEnabled(false);
    setRedoEnabled(false);
}

void frmMain::SetDocumentMenus() {
    for (const char* name : kDocumentMenus)
        if (QAction* a = menus_->action(QString::fromLatin1(name)))
            a->setVisible(true);
    for (const ToolbarButtonSpec& entry : kToolbarButtons)
        if (entry.flags & kToolbarNeedsDocument)
            toolbarButton(entry.position)->setVisible(true);
}

void frmMain::tbToolBar_ButtonClick(const QString& key) {
    if (const ToolbarButtonSpec* entry = findToolbarButton(key.toStdString()))
        dispatch(QString::fromUtf8(entry->menuName), entry->menuIndex);
    showAutoNumberState(state_.gAutoNumber);
}

void frmMain::showAutoNumberState(bool on) {
    toolbarButton(kAutoNumberButtonPosition)->setChecked(on);
    menus_->action(QStringLiteral("mnuToolsAutoNo"))->setChecked(on);
}

void frmMain::sbStatusBar_PanelClick(const QString& key) {
    const StatusPanelSpec* entry = findStatusPanel(key.toStdString());
    if (entry && entry->clickKeyCode == kVkInsert) {
        // Insert has no lock on this system: the panel is the active editor's overtype mode.
        if (RichTextBox* text = activeText())
            text->setOverwriteMode(!text->overwriteMode());
    } else if (entry && entry->clickKeyCode) {
        PressKey(keys_, entry->clickKeyCode);
    }
    sbStatusBar_->refresh();
}

void frmMain::mnuViewToolbar_Click() {
    QAction* item = menus_->action(QStringLiteral("mnuViewToolbar"));
    // The item toggled itself when chosen; the toolbar's visibility is what counts.
    const bool show = !tbToolBar_->isVisibleTo(this);
    tbToolBar_->setVisible(show);
    item->setChecked(show);
}

void frmMain::mnuViewStatusBar_Click() {
    QAction* item = menus_->action(QStringLiteral("mnuViewStatusBar"));
    const bool show = !sbStatusBar_->isVisibleTo(this);
    sbStatusBar_->setVisible(show);
    item->setChecked(show);
}

void frmMain::checkArrangement(Arrangement arrangement) {
    menus_->action(QStringLiteral("mnuWindowCascade"))->setChecked(arrangement == Arrangement::Cascade);
    menus_->action(QStringLiteral("mnuWindowTileHorizontal"))->setChecked(arrangement == Arrangement::TileHorizontal);
    menus_->action(QStringLiteral("mnuWindowTileVertical"))->setChecked(arrangement == Arrangement::TileVertical);
}

void frmMain::mnuWindowCascade_Click() {
    applyArrangement(Arrangement::Cascade);
    checkArrangement(Arrangement::Cascade);
}

void frmMain::mnuWindowTileHorizontal_Click() {
    applyArrangement(Arrangement::TileHorizontal);
    checkArrangement(Arrangement::TileHorizontal);
}

void frmMain::mnuWindowTileVertical_Click() {
    applyArrangement(Arrangement::TileVertical);
    checkArrangement(Arrangement::TileVertical);
}

void frmMain::RearrangeWindows() {
    if (menus_->action(QStringLiteral("mnuWindowCascade"))->isChecked())
        applyArrangement(Arrangement::Cascade);
    else if (menus_->action(QStringLiteral("mnuWindowTileHorizontal"))->isChecked())
        applyArrangement(Arrangement::TileHorizontal);
    else if (menus_->action(QStringLiteral("mnuWindowTileVertical"))->isChecked())
        applyArrangement(Arrangement::TileVertical);
}

void frmMain::MDIForm_Resize() {
    if (menus_->action(QStringLiteral("mnuWindowCascade"))->isChecked())
        applyArrangement(Arrangement::Cascade);
    if (menus_->action(QStringLiteral("mnuWindowTileHorizontal"))->isChecked())
        applyArrangement(Arrangement::TileHorizontal);
    if (menus_->action(QStringLiteral("mnuWindowTileVertical"))->isChecked())
        applyArrangement(Arrangement::TileVertical);
}

void frmMain::applyArrangement(Arrangement arrangement) {
    // Minimized windows keep their place, as the arrangement is for the open ones.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : mdiArea_->subWindowList(QMdiArea::CreationOrder))
        if (!w->isHidden() && !w->isMinimized())
            windows << w;
    QMdiSubWindow* active = mdiArea_->activeSubWindow();
    if (arrangement == Arrangement::Cascade) {
        // Stacked as placed, each over the ones above and left of it, so every title bar
        // shows and the active window ends in front.
        QList<QMdiSubWindow*> stacked;
        for (int i : cascadeOrder(int(windows.size()), int(windows.indexOf(active))))
            stacked << windows[i];
        windows = stacked;
    }
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const QList<QRect> rects = arrangeWindows(arrangement, mdiArea_->viewport()->rect(), windows.size(), step);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized())
            windows[i]->showNormal();
        windows[i]->setGeometry(rects[i]);
        if (arrangement == Arrangement::Cascade)
            windows[i]->raise();
    }
    if (arrangement == Arrangement::Cascade && !windows.isEmpty())
        mdiArea_->setActiveSubWindow(active ? active : windows.last());
}

void frmMain::showEditPopup(const QPoint& globalPos) {
    if (QMenu* edit = menus_->menu(QStringLiteral("mnuEdit")))
        edit->popup(globalPos);
}

void frmMain::fillWindowList() {
    QMenu* view = menus_->menu(QStringLiteral("mnuView"));
    if (!view)
        return;
    for (QAction* a : windowListActions_) {
        view->removeAction(a);
        a->deleteLater();
    }
    windowListActions_.clear();
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    windowListActions_ << view->addSeparator();
    int n = 0;
    for (QMdiSubWindow* w : windows) {
        ++n;
        QString title = w->windowTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = view->addAction(QStringLiteral("&%1 %2").arg(n).arg(title));
        item->setCheckable(true);
        item->setChecked(w == mdiArea_->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, w] {
            mdiArea_->setActiveSubWindow(w);
        });
        windowListActions_ << item;
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mdiArea_->viewport() && event->type() == QEvent::Resize)
        MDIForm_Resize();
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace quillmar
