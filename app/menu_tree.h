#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace quillmar {

// The main window's menus, built once from the menu table. Every entry stays addressable
// by its name and, for arrays of entries, its index.
class MenuTree : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const QString& name, int index)>;

    MenuTree(QMenuBar* bar, QObject* parent);

    // The entry's action (for a submenu, its menu action); nullptr when there is none.
    QAction* action(const QString& name, int index = -1) const;
    QMenu* menu(const QString& name) const;
    // Every entry that is not a separator calls this when chosen.
    void setHandler(Handler handler) { handler_ = std::move(handler); }
    void trigger(const QString& name, int index = -1);

    static QString key(const QString& name, int index);

private:
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    Handler handler_;
};

}  // namespace quillmar
