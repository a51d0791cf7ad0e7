#include "app/frmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

#include "app/frmDocument.h"
#include "common/shared_state.h"
#include "common/single.h"
#include "app/menu_table.h"
#include "app/menu_tree.h"
#include "app/print_commands.h"
#include "app/quillmar_application.h"
#include "app/status_panels.h"
#include "app/tool_windows.h"
#include "app/toolbar_icons.h"
#include "cycles/cutting_table.h"
#include "cycles/frmProcessSetup.h"
#include "cycles/machine_profile_settings.h"
#include "platform/key_locks.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"
#include "platform/window_frame.h"

namespace quillmar {
namespace {

const QString kSettings = QString::fromLatin1(SettingsStore::kSettings);
const QString kParameter = QString::fromLatin1(SettingsStore::kParameter);

// The smallest main window a stored placement may give.
constexpr QSize kMinimumWindow(160, 120);

// A stored font size outside 1 to 72 points reads as its default.
long fontSize(long stored, long fallback) { return stored >= 1 && stored <= 72 ? stored : fallback; }

QString programFolder() { return QCoreApplication::applicationDirPath(); }
// The drive root the program's folders fall back to.
QString rootFolder() { return QDir::homePath(); }

}  // namespace

frmMain::frmMain(SharedState& state, SettingsStore& settings, KeyLocks& keys, QWidget* parent)
    : QMainWindow(parent), state_(state), settings_(settings), keys_(keys), printing_(std::make_unique<PrintState>()) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quillmar inch Ver.2.77"));
    setWindowIcon(applicationIcon());
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea_);
    menus_ = new MenuTree(menuBar(), this);
    menus_->setHandler([this](const QString& name, int index) { dispatch(name, index); });
    buildToolBar();
    sbStatusBar_ = new StatusPanels(keys_, this);
    setStatusBar(sbStatusBar_);
    connect(sbStatusBar_, &StatusPanels::panelClicked, this, &frmMain::sbStatusBar_PanelClick);
    sbStatusBar_->setOvertypeState([this] {
        const RichTextBox* text = activeText();
        return text && text->overwriteMode();
    });
    // The document's own undo keys run the program's undo ring.
    auto* undoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
    connect(undoKey, &QShortcut::activated, this, [this] { runCommand(QStringLiteral("mnuEditUndo")); });
    auto* redoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), this);
    connect(redoKey, &QShortcut::activated, this, [this] { runCommand(QStringLiteral("mnuEditRedo")); });
    if (QMenu* view = menus_->menu(QStringLiteral("mnuView")))
        connect(view, &QMenu::aboutToShow, this, &frmMain::fillWindowList);
    mdiArea_->viewport()->installEventFilter(this);
    // Each document has its own history: Undo follows the one that comes to the front.
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &frmMain::showUndoState);
    registerWindowCommands();
    modal::setKeyboard(&keys_);
}



double frmMain::twipsPerPixelX() const {
    const QScreen* s = screen();
    const double dpi = s ? s->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

double frmMain::twipsPerPixelY() const {
    const QScreen* s = screen();
    const double dpi = s ? s->logicalDotsPerInchY() : 96.0;
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

frmMain::~frmMain() {
    if (modal::keyboard() == &keys_)
        modal::setKeyboard(nullptr);
    // Documents go while the bookkeeping they report to still exists.
    disconnect(mdiArea_, &QMdiArea::subWindowActivated, this, &frmMain::showUndoState);
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList();
    for (QMdiSubWindow* w : windows)
        delete w;
}

void frmMain::MDIForm_Load(const FileName& commandLineFile) {
    readWindowPlacement();
    readSettings();
    SetNoDocumentMenus();
    state_.gWindowsNeedArrange = false;
    showMachineTypeMenus();
    readRecentFiles();
    // A missing or unreadable file leaves the table empty, without a word.
    LoadCuttingTable(state_.gCsvFileName, state_.gCuttingTable);
    openCommandLineFile(commandLineFile);
}

void frmMain::readWindowPlacement() {
    const QScreen* s = screen();
    const QRect area = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect desktop = s ? s->virtualGeometry() : area;
    const double tx = twipsPerPixelX();
    const double ty = twipsPerPixelY();
    // A stored value outside its sensible range (hand-edited, or from another display)
    // reads as its default: a position within the screens' reach, a size between the
    // window's minimum and the screen.
    auto stored = [this](const char* key, double fallback, double lowest, double highest) {
        const Single v = settings_.readDouble(kSettings, QString::fromLatin1(key), fallback);
        return v >= lowest && v <= highest ? static_cast<double>(v) : fallback;
    };
    const double left = stored("MainLeft", 1000, (desktop.left() - desktop.width()) * tx, desktop.right() * tx);
    const double top = stored("MainTop", 1000, (desktop.top() - desktop.height()) * ty, desktop.bottom() * ty);
    const double width = stored("MainWidth", 15000, kMinimumWindow.width() * tx, desktop.width() * tx);
    const double height = stored("MainHeight", 12000, kMinimumWindow.height() * ty, desktop.height() * ty);
    move(qRound(left / tx), qRound(top / ty));
    resize(qRound(width / tx), qRound(height / ty));
    // What is written back at exit is the window's own placement; only the start is fitted.
    fitOnScreen(*this);
}

void frmMain::readSettings() {
    SharedState& s = state_;
    s.gOpenDir = settings_.read(kSettings, QStringLiteral("OpenPathName"), rootFolder());
    s.gInsertDir = settings_.read(kSettings, QStringLiteral("InsertPathName"), programFolder() + QStringLiteral("/Program"));
    s.gSaveDir = settings_.read(kSettings, QStringLiteral("SavePathName"), rootFolder());
    s.gTextFontName = settings_.read(kSettings, QStringLiteral("ScreenFontName"), QStringLiteral("ＭＳ ゴシック"));
    s.gTextFontSize = fontSize(settings_.readLong(kSettings, QStringLiteral("ScreenFontSize"), 12), 12);
    s.gPrintFontName = settings_.read(kSettings, QStringLiteral("PrintFontName"), QStringLiteral("ＭＳ 明朝"));
    s.gPrintFontSize = fontSize(settings_.readLong(kSettings, QStringLiteral("PrintFontSize"), 11), 11);
    s.gPrintOrientation = settings_.readShort(kSettings, QStringLiteral("PrinterOrientation"), 1);
    s.gPrintLeft = settings_.readLong(kSettings, QStringLiteral("LeftMerge"), 10);
    s.gPrintRight = settings_.readLong(kSettings, QStringLiteral("RightMerge"), 0);
    s.gPrintLineMode = settings_.readShort(kSettings, QStringLiteral("PrintLineNo"), 1);
    s.profile = readMachineProfile(settings_);
    s.gCsvDir = settings_.read(kParameter, QStringLiteral("CsvPathName"), programFolder());
    s.gCsvFileName = settings_.read(kParameter, QStringLiteral("CsvFileName"), programFolder() + QStringLiteral("/S45C.CSV"));
}

void frmMain::readRecentFiles() {
    for (int n = 1; n <= kRecentFileCount; ++n) {
        const QString path = settings_.read(kSettings, kRecentFile + QString::number(n), QString());
        if (!path.isEmpty())
            setRecentFileCaption(n, path);
    }
}

QString frmMain::recentFileCaption(int n) const {
    const QAction* a = menus_->action(kRecentFileMenu, n);
    return a ? a->text() : QString();
}

void frmMain::setRecentFileCaption(int n, const QString& path) {
    if (QAction* a = menus_->action(kRecentFileMenu, n)) {
        a->setText(path);
        a->setVisible(true);
    }
}

void frmMain::openCommandLineFile(const FileName& path) {
    if (path.text.isEmpty() || takeSlot() < 0)
        return;
    if (OpenDocumentFile(path))
        SetDocumentMenus();
}

void frmMain::MDIForm_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    if (!isMinimized())
        writeSettings();
    writeRecentFiles();
    if (keys_.isOn(kVkCapsLock) != capsLockAtStart_)
        PressKey(keys_, kVkCapsLock);
    calculator_.close();
    if (!settings_.sync())
        modal::msgBox(this, settingsNotSavedText(settings_), modal::kOkOnly | modal::kExclamation, kAppTitle);
}

void frmMain::writeSettings() {
    const SharedState& s = state_;
    const QPoint p = pos();
    const QSize z = size();
    settings_.write(kSettings, QStringLiteral("MainLeft"), settingText(Single(p.x() * twipsPerPixelX())));
    settings_.write(kSettings, QStringLiteral("MainTop"), settingText(Single(p.y() * twipsPerPixelY())));
    settings_.write(kSettings, QStringLiteral("MainWidth"), settingText(Single(z.width() * twipsPerPixelX())));
    settings_.write(kSettings, QStringLiteral("MainHeight"), settingText(Single(z.height() * twipsPerPixelY())));
    settings_.write(kSettings, QStringLiteral("OpenPathName"), s.gOpenDir);
    settings_.write(kSettings, QStringLiteral("InsertPathName"), s.gInsertDir);
    settings_.write(kSettings, QStringLiteral("SavePathName"), s.gSaveDir);
    settings_.write(kSettings, QStringLiteral("ScreenFontName"), s.gTextFontName);
    settings_.writeNumber(kSettings, QStringLiteral("ScreenFontSize"), s.gTextFontSize);
    settings_.write(kSettings, QStringLiteral("PrintFontName"), s.gPrintFontName);
    settings_.writeNumber(kSettings, QStringLiteral("PrintFontSize"), s.gPrintFontSize);
    settings_.writeNumber(kSettings, QStringLiteral("PrinterOrientation"), s.gPrintOrientation);
    settings_.writeNumber(kSettings, QStringLiteral("LeftMerge"), s.gPrintLeft);
    settings_.writeNumber(kSettings, QStringLiteral("RightMerge"), s.gPrintRight);
    settings_.writeNumber(kSettings, QStringLiteral("PrintLineNo"), s.gPrintLineMode);
    settings_.write(kParameter, QStringLiteral("CsvPathName"), s.gCsvDir);
    settings_.write(kParameter, QStringLiteral("CsvFileName"), s.gCsvFileName);
}

void frmMain::writeRecentFiles() {
    for (int n = 1; n <= kRecentFileCount; ++n) {
        const QString caption = recentFileCaption(n);
        if (!caption.isEmpty() && !caption.startsWith(kRecentFile))
            settings_.write(kSettings, kRecentFile + QString::number(n), caption);
    }
}

bool frmMain::closeAllDocuments() {
    // Every document is asked before any closes, so a Cancel for a later one leaves the
    // earlier ones open with their text too.
    const QList<frmDocument*> documents = documentWindows();
    for (frmDocument* doc : documents)
        if (!doc->Form_QueryUnload())
            return false;
    for (frmDocument* doc : documents)
        doc->closeAsked();
    return true;
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!closeAllDocuments()) {
        event->ignore();
        return;
    }
    MDIForm_Unload();
    event->accept();
}

void frmMain::mnuFileExit_Click() { close(); }

void frmMain::showMachineTypeMenus() {
    const bool show = showsMachineTypeMenus(MachineType(state_.profile));
    for (const char* name : kMachineTypeMenus)
        if (QAction* a = menus_->action(QString::fromLatin1(name)))
            a->setVisible(show);
}

void frmMain::ProcessSetup_Click() {
    state_.gDialogAccepted = runProcessSetup(state_.profile, settings_, this);
    showMachineTypeMenus();
}

}  // namespace quillmar
