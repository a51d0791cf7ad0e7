#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>
#include <QToolBar>
#include <QtTest>

#include "app/menu_table.h"
#include "app/status_panels.h"
#include "support/main_window.h"

using namespace quillmar;

namespace {

struct Fixture : test::MainWindowFixture {
    Fixture() { start(); }
    QMdiSubWindow* addWindow(const QString& title) {
        auto* sub = w().mdiArea()->addSubWindow(new QTextEdit);
        sub->setWindowTitle(title);
        sub->show();
        return sub;
    }
    QStringList visibleMenus() {
        QStringList names;
        for (QAction* a : w().menuBar()->actions())
            if (a->isVisible())
                names << a->objectName();
        return names;
    }
};

bool coloured(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).hsvSaturation() > 64)
                return true;
    return false;
}

}  // namespace

class MainWindowMenusTest : public QObject {
    Q_OBJECT

private slots:
    void menusFollowWhetherADocumentIsOpen() {
        Fixture f;
        QCOMPARE(f.visibleMenus(), (QStringList{"mnuFile", "mnuView", "mnuHelp"}));
        QVERIFY(!f.w().toolbarButton(3)->isVisible());
        QVERIFY(!f.item("mnuFileSave")->isEnabled());  // its shortcut must not fire either
        f.w().SetDocumentMenus();
        QCOMPARE(f.visibleMenus().size(), 10);
        QVERIFY(!f.item("ProcessMCircleFace")->isEnabled() && !f.item("mnuEditUndo")->isEnabled());
        QVERIFY(f.w().toolbarButton(3)->isVisible());
        // A disabled button is drawn greyed, an enabled one in its colour.
        QVERIFY(!coloured(f.w().toolBar()->widgetForAction(f.w().toolbarButton(12))));
        QVERIFY(coloured(f.w().toolBar()->widgetForAction(f.w().toolbarButton(3))));
    }

    void shortcutsMenuAndToolbarEntriesRunTheirCommands() {
        Fixture f;
        QStringList ran;
        for (const char* name : {"mnuToolsrpm", "mnuFileOpen", "mnuGcodeLap", "mnuFileSave", "LineCircleLine"})
            f.w().setCommand(name, [&ran, name](int index) { ran << name + QString::number(index); });
        f.w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.w()));
        // Ctrl+N belongs to a hidden menu until a document is open.
        QTest::keyClick(&f.w(), Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(&f.w(), Qt::Key_O, Qt::ControlModifier);
        f.w().SetDocumentMenus();
        QTest::keyClick(&f.w(), Qt::Key_N, Qt::ControlModifier);
        f.choose("mnuGcodeLap", 4);
        f.w().toolbarButton(3)->trigger();
        f.w().toolbarButton(24)->trigger();
        f.w().tbToolBar_ButtonClick(QStringLiteral("no such key"));
        QCOMPARE(ran, (QStringList{"mnuFileOpen-1", "mnuToolsrpm-1", "mnuGcodeLap4", "mnuFileSave-1", "LineCircleLine-1"}));
        // With automatic numbering on, button 15 shows pressed whatever was clicked.
        f.state.gAutoNumber = true;
        f.w().toolbarButton(3)->trigger();
        QVERIFY(f.w().toolbarButton(15)->isChecked());
    }

    // A misspelt name in a command table would leave its entry without a command, and one
    // run from the toolbar or the code must not pass unnoticed.
    void everyEnabledEntryHasACommandAndNoOtherNameRuns() {
        Fixture f;
        for (std::size_t i = 0; i < kMenuTableSize; ++i) {
            const MenuItemSpec& entry = kMenuTable[i];
            const bool submenu = i + 1 < kMenuTableSize && kMenuTable[i + 1].depth > entry.depth;
            const bool commanded = f.w().hasCommand(QString::fromUtf8(entry.name));
            if (!submenu && !(entry.flags & kMenuSeparator))
                QVERIFY2(commanded == !(entry.flags & kMenuNoCommand), entry.name);
        }
        QVERIFY_THROWS_EXCEPTION(std::logic_error, f.w().runCommand(QStringLiteral("ProcessMDrilFace")));
    }

    void statusPanelsPressTheirKeysAndTheViewMenuHidesTheBars() {
        Fixture f;
        StatusPanels* bar = f.w().statusPanels();
        QTest::mouseClick(bar->panel(1), Qt::LeftButton);
        QCOMPARE(f.keys.presses(kVkCapsLock) + f.keys.presses(kVkNumLock) + f.keys.presses(kVkInsert), 0);
        for (const auto& [panel, key] : {std::pair{4, kVkCapsLock}, {5, kVkNumLock}}) {
            QTest::mouseClick(bar->panel(panel), Qt::LeftButton);
            QVERIFY(f.keys.isOn(key) && bar->panel(panel)->property("keyOn").toBool());
        }
        // Insert is the active document's overtype mode: nothing to toggle without one.
        QTest::mouseClick(bar->panel(3), Qt::LeftButton);
        QCOMPARE(bar->panel(3)->property("keyOn").toBool(), false);
        f.w().mnuFileNew_Click();
        QTest::mouseClick(bar->panel(3), Qt::LeftButton);
        QVERIFY(f.w().activeText()->overwriteMode());
        f.choose("mnuViewToolbar"), f.choose("mnuViewStatusBar");
        QVERIFY(!f.w().toolBar()->isVisible() && !f.item("mnuViewToolbar")->isChecked());
        QVERIFY(!bar->isVisible());
    }

    // Where each arrangement puts the windows is the arrangement's own test; here, the check
    // mark moves and a resize of the main window cascades again.
    void arrangementCommandsMoveTheCheck() {
        Fixture f;
        auto* a = f.addWindow("A");
        auto* b = f.addWindow("B");
        f.w().RearrangeWindows();  // tiled side by side at first
        QVERIFY(a->geometry().right() < b->geometry().left());
        f.choose("mnuWindowTileHorizontal");
        f.choose("mnuWindowCascade");
        QVERIFY(f.item("mnuWindowCascade")->isChecked());
        QVERIFY(!f.item("mnuWindowTileHorizontal")->isChecked());
        a->setGeometry(5, 5, 50, 50);
        f.w().resize(f.w().width() + 40, f.w().height() + 30);
        QTRY_COMPARE(a->geometry().topLeft(), QPoint(0, 0));
    }

    // With the first window active, Cascade puts it in front, last in the cascade, and leaves
    // the title bar of every window behind it in view.
    void cascadeShowsEveryTitleBarWithTheActiveWindowInFront() {
        Fixture f;
        auto* first = f.addWindow("UNTITLE 1");
        f.addWindow("UNTITLE 2");
        f.addWindow("UNTITLE 3");
        f.w().mdiArea()->setActiveSubWindow(first);
        f.choose("mnuWindowCascade");
        QCOMPARE(f.w().mdiArea()->activeSubWindow(), first);
        const QList<QMdiSubWindow*> stack = f.w().mdiArea()->subWindowList(QMdiArea::StackingOrder);
        QCOMPARE(stack.last(), first);
        QWidget* viewport = f.w().mdiArea()->viewport();
        for (QMdiSubWindow* sub : stack) {
            // The middle of its title bar, which is as high as its contents lie below its top.
            const QPoint title = sub->geometry().topLeft() + QPoint(sub->width() / 2, sub->widget()->y() / 2);
            QWidget* shown = viewport->childAt(title);
            QVERIFY2(shown && (shown == sub || sub->isAncestorOf(shown)), qPrintable(sub->windowTitle()));
        }
    }

    void windowListNamesTheDocuments() {
        Fixture f;
        f.addWindow("UNTITLE 1");
        auto* b = f.addWindow("/NC/A&B.MIN");
        QMenu* view = f.w().menus().menu("mnuView");
        QMetaObject::invokeMethod(view, "aboutToShow");
        QAction* second = view->actions().last();
        QCOMPARE(second->text(), QStringLiteral("&2 /NC/A&&B.MIN"));
        f.w().mdiArea()->setActiveSubWindow(nullptr);
        second->trigger();
        QCOMPARE(f.w().mdiArea()->activeSubWindow(), b);
    }
};

QTEST_MAIN(MainWindowMenusTest)
#include "tst_frmMain_menus.moc"
