#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>
#include <QToolBar>
#include <QtTest>

#include "common/machine_profile.h"
#include "common/shared_state.h"
#include "app/frmMain.h"
#include "platform/rich_text_box.h"
#include "app/menu_table.h"
#include "app/menu_tree.h"
#include "app/status_panels.h"
#include "app/toolbar_table.h"
#include "platform/key_locks.h"
#include "platform/settings_store.h"
#include "support/main_window.h"
#include "support/test_support.h"

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
};

QStringList visibleMenus(frmMain& w) {
    QStringList names;
    for (QAction* a : w.menuBar()->actions())
        if (a->isVisible())
            names << a->objectName();
    return names;
}

QList<int> visibleButtons(frmMain& w) {
    QList<int> positions;
    for (int p = 1; p <= static_cast<int>(kToolbarButtonCount); ++p)
        if (w.toolbarButton(p)->isVisible())
            positions << p;
    return positions;
}

}  // namespace

class MainWindowMenusTest : public QObject {
    Q_OBJECT

private slots:
    // Every entry of the table is in the tree with its caption, shortcut and states.
    void treeFollowsTheTable() {
        Fixture f;
        int depth0 = 0;
        for (std::size_t i = 0; i < kMenuTableSize; ++i) {
            const MenuItemSpec& entry = kMenuTable[i];
            QAction* a = f.item(entry.name, entry.index);
            QVERIFY2(a, entry.name);
            const QByteArray where = QByteArray(entry.name) + "(" + QByteArray::number(entry.index) + ")";
            if (entry.depth == 0)
                ++depth0;
            if (entry.flags & kMenuSeparator) {
                QVERIFY(a->isSeparator());
                continue;
            }
            QCOMPARE(a->text(), QString::fromUtf8(entry.caption));
            if (entry.shortcut)
                QCOMPARE(a->shortcut(), QKeySequence(QString::fromLatin1(entry.shortcut)));
            else
                QVERIFY(a->shortcut().isEmpty());
            QCOMPARE(a->isChecked(), bool(entry.flags & kMenuChecked));
            // A hidden entry is disabled too, so its shortcut cannot fire. The machine type
            // decides over some entries at start-up.
            const bool byMachine = std::find_if(kMachineTypeMenus.begin(), kMachineTypeMenus.end(), [&](const char* n) {
                                       return QByteArray(n) == entry.name;
                                   }) != kMachineTypeMenus.end();
            QVERIFY2(byMachine || entry.depth == 0 || a->isVisible() == !(entry.flags & kMenuHidden), where.constData());
            if (entry.depth > 0 && a->isVisible() && QString::fromLatin1(entry.name) != "mnuEditUndo" &&
                QString::fromLatin1(entry.name) != "mnuEditRedo")
                QVERIFY2(a->isEnabled() == !(entry.flags & kMenuDisabled), where.constData());
        }
        QCOMPARE(f.w().menuBar()->actions().size(), depth0);
    }

    void withoutDocumentsOnlyFileViewHelp() {
        Fixture f;
        QCOMPARE(visibleMenus(f.w()), (QStringList{"mnuFile", "mnuView", "mnuHelp"}));
        QCOMPARE(visibleButtons(f.w()), (QList<int>{1, 2, 4}));
        QVERIFY(!f.item("mnuEditUndo")->isEnabled());
        QVERIFY(!f.item("mnuEditRedo")->isEnabled());
        QVERIFY(!f.w().toolbarButton(12)->isEnabled());
        QVERIFY(!f.w().toolbarButton(13)->isEnabled());
    }

    void documentMenusShowEverything() {
        Fixture f;
        f.w().SetDocumentMenus();
        QCOMPARE(visibleMenus(f.w()), (QStringList{"mnuFile", "mnuEdit", "mnuInsert", "Process", "mnuTools",
                                                 "ClosPoint", "Gcode", "Mcode", "mnuView", "mnuHelp"}));
        QCOMPARE(visibleButtons(f.w()).size(), static_cast<int>(kToolbarButtonCount));
        QVERIFY(!f.item("mnuEditUndo")->isEnabled());
        QVERIFY(!f.w().toolbarButton(12)->isEnabled());
    }

    void toolbarDispatchesByKey() {
        Fixture f;
        QStringList ran;
        for (const ToolbarButtonSpec& entry : kToolbarButtons) {
            if (!entry.menuName)
                continue;
            const QString name = QString::fromUtf8(entry.menuName);
            f.w().setCommand(name, [&ran, name](int index) { ran << name + QString::number(index); });
        }
        f.w().SetDocumentMenus();
        f.w().toolbarButton(3)->trigger();
        f.w().toolbarButton(24)->trigger();
        f.w().tbToolBar_ButtonClick(QStringLiteral("no such key"));
        QCOMPARE(ran, (QStringList{"mnuFileSave-1", "LineCircleLine-1"}));
        // With automatic numbering on, button 15 shows pressed whatever was clicked.
        f.state.gAutoNumber = true;
        f.w().toolbarButton(3)->trigger();
        QVERIFY(f.w().toolbarButton(15)->isChecked());
        f.state.gAutoNumber = false;
        f.w().toolbarButton(1)->trigger();
        QVERIFY(!f.w().toolbarButton(15)->isChecked());
    }

    void shortcutsOfHiddenMenusDoNotFire() {
        Fixture f;
        int spindle = 0, open = 0;
        f.w().setCommand("mnuToolsrpm", [&spindle](int) { ++spindle; });
        f.w().setCommand("mnuFileOpen", [&open](int) { ++open; });
        f.w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.w()));
        QTest::keyClick(&f.w(), Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(&f.w(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(spindle, 0);
        QCOMPARE(open, 1);
        f.w().SetDocumentMenus();
        QTest::keyClick(&f.w(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(spindle, 1);
    }

    void menuEntriesRunTheirCommands() {
        Fixture f;
        QList<int> indexes;
        f.w().setCommand("mnuGcodeLap", [&indexes](int index) { indexes << index; });
        f.item("mnuGcodeLap", 4)->trigger();
        f.item("mnuGcodeLap", 9)->trigger();
        QCOMPARE(indexes, (QList<int>{4, 9}));
    }

    void statusPanelsPressTheirKeys() {
        Fixture f;
        StatusPanels* bar = f.w().statusPanels();
        QCOMPARE(bar->panel(2)->text(), QStringLiteral("ここをクリックしても切り替えが出来ます。―→"));
        QCOMPARE(bar->panel(4)->text(), QStringLiteral("CAPS"));
        QCOMPARE(bar->panel(4)->toolTip(), QStringLiteral("大文字／小文字"));
        for (int p : {1, 2, 6, 7})
            QTest::mouseClick(bar->panel(p), Qt::LeftButton);
        QCOMPARE(f.keys.presses(kVkCapsLock) + f.keys.presses(kVkNumLock) + f.keys.presses(kVkInsert), 0);
        QTest::mouseClick(bar->panel(4), Qt::LeftButton);
        QVERIFY(f.keys.isOn(kVkCapsLock));
        QCOMPARE(bar->panel(4)->property("keyOn").toBool(), true);
        QTest::mouseClick(bar->panel(4), Qt::LeftButton);
        QVERIFY(!f.keys.isOn(kVkCapsLock));
        // Insert is the active document's overtype mode: nothing to toggle without one.
        QTest::mouseClick(bar->panel(3), Qt::LeftButton);
        QCOMPARE(bar->panel(3)->property("keyOn").toBool(), false);
        f.w().mnuFileNew_Click();
        QTest::mouseClick(bar->panel(3), Qt::LeftButton);
        QVERIFY(f.w().activeText()->overwriteMode());
        QCOMPARE(bar->panel(3)->property("keyOn").toBool(), true);
        QTest::mouseClick(bar->panel(5), Qt::LeftButton);
        QVERIFY(f.keys.isOn(kVkNumLock));
        QCOMPARE(bar->panel(6)->text(), QDate::currentDate().toString("yyyy/MM/dd"));
    }

    void viewTogglesShowAndHideTheBars() {
        Fixture f;
        QAction* toolbarItem = f.item("mnuViewToolbar");
        toolbarItem->trigger();
        QVERIFY(!f.w().toolBar()->isVisible());
        QVERIFY(!toolbarItem->isChecked());
        toolbarItem->trigger();
        QVERIFY(f.w().toolBar()->isVisible());
        QVERIFY(toolbarItem->isChecked());
        QAction* statusItem = f.item("mnuViewStatusBar");
        statusItem->trigger();
        QVERIFY(!f.w().statusPanels()->isVisible());
        QVERIFY(!statusItem->isChecked());
        statusItem->trigger();
        QVERIFY(f.w().statusPanels()->isVisible());
    }

    void tileVerticalPutsTwoWindowsSideBySide() {
        Fixture f;
        QVERIFY(f.item("mnuWindowTileVertical")->isChecked());
        auto* a = f.addWindow("A");
        auto* b = f.addWindow("B");
        f.w().RearrangeWindows();
        const QRect area = f.w().mdiArea()->viewport()->rect();
        QCOMPARE(a->geometry().top(), 0);
        QCOMPARE(b->geometry().top(), 0);
        QCOMPARE(a->geometry().height(), area.height());
        QCOMPARE(a->geometry().width() + b->geometry().width(), area.width());
        QVERIFY(a->geometry().right() < b->geometry().left());
    }

    void arrangementCommandsMoveTheCheck() {
        Fixture f;
        auto* a = f.addWindow("A");
        auto* b = f.addWindow("B");
        f.item("mnuWindowTileHorizontal")->trigger();
        QVERIFY(f.item("mnuWindowTileHorizontal")->isChecked());
        QVERIFY(!f.item("mnuWindowTileVertical")->isChecked());
        QVERIFY(!f.item("mnuWindowCascade")->isChecked());
        QCOMPARE(a->geometry().left(), 0);
        QVERIFY(a->geometry().bottom() < b->geometry().top());
        f.item("mnuWindowCascade")->trigger();
        QVERIFY(f.item("mnuWindowCascade")->isChecked());
        QVERIFY(!f.item("mnuWindowTileHorizontal")->isChecked());
        QVERIFY(b->geometry().left() > a->geometry().left());
        QVERIFY(b->geometry().top() > a->geometry().top());
        // A resize of the main window cascades again.
        a->setGeometry(5, 5, 50, 50);
        f.w().resize(f.w().width() + 40, f.w().height() + 30);
        QTRY_COMPARE(a->geometry().topLeft(), QPoint(0, 0));
        QVERIFY(a->geometry().width() > 50);
    }

    void windowListNamesTheDocuments() {
        Fixture f;
        f.addWindow("UNTITLE 1");
        auto* b = f.addWindow("/NC/A&B.MIN");
        QMenu* view = f.w().menus().menu("mnuView");
        QMetaObject::invokeMethod(view, "aboutToShow");
        QStringList texts;
        for (QAction* a : view->actions())
            if (!a->isSeparator())
                texts << a->text();
        QVERIFY(texts.contains("&1 UNTITLE 1"));
        QVERIFY(texts.contains("&2 /NC/A&&B.MIN"));
        QAction* second = view->actions().last();
        f.w().mdiArea()->setActiveSubWindow(nullptr);
        second->trigger();
        QCOMPARE(f.w().mdiArea()->activeSubWindow(), b);
    }
};

QTEST_MAIN(MainWindowMenusTest)
#include "tst_frmMain_menus.moc"
