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
        const MenuItemSpec& spec = kMenuTable[i];
        const bool isSubmenu = i + 1 < kMenuTableSize && kMenuTable[i + 1].depth > spec.depth;
        const QString name = QString::fromUtf8(spec.name);
        const QString caption = QString::fromUtf8(spec.caption ? spec.caption : "");
        open.resize(static_cast<std::size_t>(spec.depth));
        QWidget* owner = spec.depth == 0 ? static_cast<QWidget*>(bar) : open.back();

        QAction* action = nullptr;
        if (isSubmenu) {
            auto* menu = new QMenu(caption, owner);
            menu->setObjectName(name);
            if (spec.depth == 0)
                bar->addMenu(menu);
            else
                open.back()->addMenu(menu);
            action = menu->menuAction();
            menus_.insert(name, menu);
            open.push_back(menu);
        } else if (spec.depth == 0) {
            action = bar->addAction(caption);
        } else if (spec.flags & kMenuSeparator) {
            action = open.back()->addSeparator();
        } else {
            action = open.back()->addAction(caption);
        }
        action->setObjectName(key(name, spec.index));
        if (spec.shortcut && *spec.shortcut)
            action->setShortcut(QKeySequence(QString::fromUtf8(spec.shortcut), QKeySequence::PortableText));
        if (spec.flags & (kMenuCheckable | kMenuChecked))
            action->setCheckable(true);
        action->setChecked(spec.flags & kMenuChecked);
        action->setEnabled(!(spec.flags & kMenuDisabled));
        action->setVisible(!(spec.flags & kMenuHidden));
        actions_.insert(key(name, spec.index), action);
        if (!isSubmenu && !(spec.flags & kMenuSeparator)) {
            const int index = spec.index;
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
