#include <gtest/gtest.h>

#include <QKeySequence>
#include <QString>
#include <map>
#include <set>
#include <string>

#include "app/menu_table.h"
#include "app/toolbar_table.h"

namespace quillmar {
namespace {

int parentOf(std::size_t i) {
    for (std::size_t j = i; j-- > 0;)
        if (kMenuTable[j].depth < kMenuTable[i].depth)
            return static_cast<int>(j);
    return -1;
}

bool hasChildren(std::size_t i) { return i + 1 < kMenuTableSize && kMenuTable[i + 1].depth > kMenuTable[i].depth; }

// The tree is built from the table: a level skipped, a name twice, an array spread over two
// menus or a shortcut twice would each build a menu that runs the wrong command.
TEST(MenuTable, BuildsOneConsistentTree) {
    EXPECT_EQ(kMenuTable[0].depth, 0);
    std::set<std::pair<std::string, int>> seen;
    std::map<std::string, int> arrayParent;
    std::set<std::string> shortcuts;
    for (std::size_t i = 0; i < kMenuTableSize; ++i) {
        const MenuItemSpec& item = kMenuTable[i];
        const std::string name = item.name;
        if (i > 0) {
            EXPECT_LE(item.depth, kMenuTable[i - 1].depth + 1) << name;
        }
        EXPECT_TRUE(seen.insert({name, item.index}).second) << name << "(" << item.index << ")";
        if (item.index >= 0) {
            EXPECT_EQ(arrayParent.emplace(name, parentOf(i)).first->second, parentOf(i)) << name;
        }
        if (!item.shortcut)
            continue;
        EXPECT_FALSE(hasChildren(i)) << name;
        const QString text = QString::fromUtf8(item.shortcut);
        EXPECT_EQ(QKeySequence::fromString(text, QKeySequence::PortableText).toString(QKeySequence::PortableText), text);
        EXPECT_TRUE(shortcuts.insert(item.shortcut).second) << item.shortcut;
    }
}

TEST(ToolbarTable, EveryButtonRunsAMenuCommandByItsOwnKey) {
    std::set<std::string> keys;
    for (const ToolbarButtonSpec& button : kToolbarButtons) {
        if (button.flags & kToolbarSeparator)
            continue;
        EXPECT_TRUE(keys.insert(button.key).second) << button.key;
        EXPECT_EQ(findToolbarButton(button.key), &button) << button.position;
        std::size_t at = 0;
        while (at < kMenuTableSize && !(button.menuName == std::string(kMenuTable[at].name) &&
                                        kMenuTable[at].index == button.menuIndex))
            ++at;
        ASSERT_LT(at, kMenuTableSize) << button.menuName;
        EXPECT_FALSE(hasChildren(at) || (kMenuTable[at].flags & kMenuSeparator)) << button.menuName;
    }
    EXPECT_EQ(findToolbarButton("保存 "), nullptr);
}

}  // namespace
}  // namespace quillmar
