#include <gtest/gtest.h>

#include <QKeySequence>
#include <QString>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "app/menu_table.h"
#include "app/toolbar_table.h"

namespace quillmar {
namespace {

const MenuItemSpec* findMenu(std::string_view name, int index = -1) {
    for (std::size_t i = 0; i < kMenuTableSize; ++i) {
        if (name == kMenuTable[i].name && kMenuTable[i].index == index) {
            return &kMenuTable[i];
        }
    }
    return nullptr;
}

bool hasChildren(std::size_t i) {
    return i + 1 < kMenuTableSize && kMenuTable[i + 1].depth > kMenuTable[i].depth;
}

bool isSeparator(const MenuItemSpec& item) { return (item.flags & kMenuSeparator) != 0; }

// Index of the parent entry, or -1 for a menu of the menu bar.
int parentOf(std::size_t i) {
    for (std::size_t j = i; j-- > 0;) {
        if (kMenuTable[j].depth < kMenuTable[i].depth) {
            return static_cast<int>(j);
        }
    }
    return -1;
}

TEST(MenuTable, DepthStartsAtTheMenuBarAndNeverSkipsALevel) {
    ASSERT_GT(kMenuTableSize, 0u);
    EXPECT_EQ(kMenuTable[0].depth, 0);
    for (std::size_t i = 1; i < kMenuTableSize; ++i) {
        EXPECT_GE(kMenuTable[i].depth, 0) << kMenuTable[i].name;
        EXPECT_LE(kMenuTable[i].depth, kMenuTable[i - 1].depth + 1) << kMenuTable[i].name;
    }
}

TEST(MenuTable, NamesAreUniqueAndArrayIndexesUniqueWithinTheirArray) {
    std::set<std::pair<std::string, int>> seen;
    std::map<std::string, bool> isArray;
    std::map<std::string, int> arrayParent;
    for (std::size_t i = 0; i < kMenuTableSize; ++i) {
        const MenuItemSpec& item = kMenuTable[i];
        ASSERT_NE(item.name, nullptr);
        const std::string name = item.name;
        EXPECT_FALSE(name.empty());
        EXPECT_TRUE(seen.insert({name, item.index}).second) << name << "(" << item.index << ")";
        const bool array = item.index >= 0;
        auto [it, fresh] = isArray.emplace(name, array);
        EXPECT_EQ(it->second, array) << name << " is both an array and a single entry";
        if (array) {
            // Entries of one array share a handler, so they must stand in one menu.
            auto [parent, first] = arrayParent.emplace(name, parentOf(i));
            EXPECT_EQ(parent->second, parentOf(i)) << name << "(" << item.index << ")";
        }
    }
}

TEST(MenuTable, ShortcutsAreValidUniqueAndOnlyOnCommands) {
    std::set<std::string> seen;
    for (std::size_t i = 0; i < kMenuTableSize; ++i) {
        const MenuItemSpec& item = kMenuTable[i];
        if (item.shortcut == nullptr) {
            continue;
        }
        EXPECT_FALSE(hasChildren(i)) << item.name;
        EXPECT_GT(item.depth, 0) << item.name;
        const QString text = QString::fromUtf8(item.shortcut);
        const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
        EXPECT_EQ(sequence.count(), 1) << item.name;
        EXPECT_EQ(sequence.toString(QKeySequence::PortableText), text) << item.name;
        EXPECT_TRUE(seen.insert(item.shortcut).second) << item.shortcut;
    }
    EXPECT_EQ(seen.size(), 10u);
}


TEST(ToolbarTable, PositionsInOrderWithFiveSeparators) {
    std::size_t separators = 0;
    std::set<std::string> keys;
    for (std::size_t i = 0; i < kToolbarButtonCount; ++i) {
        const ToolbarButtonSpec& button = kToolbarButtons[i];
        EXPECT_EQ(button.position, static_cast<int>(i) + 1);
        if (button.flags & kToolbarSeparator) {
            ++separators;
            EXPECT_EQ(button.key, nullptr) << button.position;
            EXPECT_EQ(button.tooltip, nullptr) << button.position;
            EXPECT_EQ(button.menuName, nullptr) << button.position;
            continue;
        }
        ASSERT_NE(button.key, nullptr) << button.position;
        ASSERT_NE(button.tooltip, nullptr) << button.position;
        EXPECT_TRUE(keys.insert(button.key).second) << button.key;
        EXPECT_EQ(findToolbarButton(button.key), &button) << button.position;
    }
    EXPECT_EQ(findToolbarButton(""), nullptr);
    EXPECT_EQ(findToolbarButton("保存 "), nullptr);
}

TEST(ToolbarTable, EveryButtonRunsAMenuCommand) {
    for (const ToolbarButtonSpec& button : kToolbarButtons) {
        if (button.flags & kToolbarSeparator) {
            continue;
        }
        ASSERT_NE(button.menuName, nullptr) << button.position;
        const MenuItemSpec* item = findMenu(button.menuName, button.menuIndex);
        ASSERT_NE(item, nullptr) << button.menuName;
        EXPECT_FALSE(isSeparator(*item)) << button.menuName;
        const std::size_t at = static_cast<std::size_t>(item - kMenuTable);
        EXPECT_FALSE(hasChildren(at)) << button.menuName << " is a submenu";
    }
}

}  // namespace
}  // namespace quillmar
