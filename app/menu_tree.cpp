#include "app/menu_tree.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "app/menu_table.h"

namespace quillmar {

QString MenuTree::key(const QString& name, int index) {
    return index < 0 ? name : name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

MenuTree::MenuTree(QMenuBar* bar, QObject* parent) : QObject(parent) {
    // The menus open at each depth while walking the table.
    std::vector<QMenu*> open;
    for (std::size_t i = 0; i < kMenuTableSize; ++i) {
        const MenuItemSpec& entry = kMenuTable[i];
        const bool isSubmenu = i + 1 < kMenuTableSize && kMenuTable[i + 1].depth > entry.depth;
        const QString name = QString::fromUtf8(entry.name);
        const QString caption = QString::fromUtf8(entry.caption ? entry.caption : "");
        open.resize(static_cast<std::size_t>(entry.depth));
        QWidget* owner = entry.depth == 0 ? static_cast<QWidget*>(bar) : open.back();

        QAction* action = nullptr;
        if (isSubmenu) {
            auto* menu = new QMenu(caption, owner);
            menu->setObjectName(name);
            if (entry.depth == 0)
                bar->addMenu(menu);
            else
                open.back()->addMenu(menu);
            action = menu->menuAction();
            menus_.insert(name, menu);
            open.push_back(menu);
        } else if (entry.depth == 0) {
            action = bar->addAction(caption);
        } else if (entry.flags & kMenuSeparator) {
            action = open.back()->addSeparator();
        } else {
            action = open.back()->addAction(caption);
        }
        action->setObjectName(key(name, entry.index));
        if (entry.shortcut && *entry.shortcut)
            action->setShortcut(QKeySequence(QString::fromUtf8(entry.shortcut), QKeySequence::PortableText));
        if (entry.flags & (kMenuCheckable | kMenuChecked))
            action->setCheckable(true);
        action->setChecked(entry.flags & kMenuChecked);
        action->setEnabled(!(entry.flags & kMenuDisabled));
        action->setVisible(!(entry.flags & kMenuHidden));
        actions_.insert(key(name, entry.index), action);
        if (!isSubmenu && !(entry.flags & kMenuSeparator)) {
            const int index = entry.index;
            connect(action, &QAction::triggered, this, [this, name, index] { trigger(name, index); });
        }
    }
}

QAction* MenuTree::action(const QString& name, int index) const { return actions_.value(key(name, index)); }

QMenu* MenuTree::menu(const QString& name) const { return menus_.value(name); }

void MenuTree::trigger(const QString& name, int index) {
    if (handler_)
        handler_(name, index);
}

}  // namespace quillmar
