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

TEST(MenuTable, SeparatorsAreBareEntriesInsideAMenu) {
    for (std::size_t i = 0; i < kMenuTableSize; ++i) {
        const MenuItemSpec& item = kMenuTable[i];
        if (!isSeparator(item)) {
            continue;
        }
        EXPECT_GT(item.depth, 0) << item.name;
        EXPECT_FALSE(hasChildren(i)) << item.name;
        EXPECT_EQ(item.shortcut, nullptr) << item.name;
        EXPECT_EQ(item.flags, kMenuSeparator) << item.name;
        EXPECT_EQ(item.index, -1) << item.name;
    }
}

TEST(MenuTable, CaptionsHaveAtMostOneAccessKeyAndNoDanglingAmpersand) {
    for (std::size_t i = 0; i < kMenuTableSize; ++i) {
        const MenuItemSpec& item = kMenuTable[i];
        ASSERT_NE(item.caption, nullptr) << item.name;
        if (isSeparator(item)) {
            continue;
        }
        const std::string_view caption = item.caption;
        EXPECT_FALSE(caption.empty()) << item.name;
        int accessKeys = 0;
        for (std::size_t k = 0; k < caption.size(); ++k) {
            if (caption[k] != '&') {
                continue;
            }
            ASSERT_LT(k + 1, caption.size()) << item.name << ": '&' at the end";
            if (caption[k + 1] == '&') {
                ++k;
                continue;
            }
            // A blank after '&' would make the blank the access key: a literal '&' written once.
            EXPECT_NE(caption[k + 1], ' ') << item.name;
            ++accessKeys;
        }
        EXPECT_LE(accessKeys, 1) << item.name;
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

TEST(MenuTable, CheckMarksOnlyOnCheckableEntriesAndOneArrangementChecked) {
    for (std::size_t i = 0; i < kMenuTableSize; ++i) {
        const MenuItemSpec& item = kMenuTable[i];
        if (item.flags & kMenuChecked) {
            EXPECT_TRUE(item.flags & kMenuCheckable) << item.name;
        }
        if (item.flags & kMenuCheckable) {
            EXPECT_FALSE(hasChildren(i)) << item.name;
        }
    }
    int checked = 0;
    for (const char* name : {"mnuWindowCascade", "mnuWindowTileHorizontal", "mnuWindowTileVertical"}) {
        const MenuItemSpec* item = findMenu(name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_TRUE(item->flags & kMenuCheckable) << name;
        checked += (item->flags & kMenuChecked) ? 1 : 0;
    }
    EXPECT_EQ(checked, 1);
}

TEST(MenuTable, Counts) {
    std::size_t topLevel = 0;
    std::size_t separators = 0;
    for (std::size_t i = 0; i < kMenuTableSize; ++i) {
        topLevel += kMenuTable[i].depth == 0 ? 1 : 0;
        separators += isSeparator(kMenuTable[i]) ? 1 : 0;
    }
    EXPECT_EQ(topLevel, 10u);
    EXPECT_EQ(separators, 13u);
    EXPECT_EQ(kMenuTableSize, 290u);
}

TEST(MenuTable, MenuBarOrder) {
    std::string order;
    for (std::size_t i = 0; i < kMenuTableSize; ++i) {
        if (kMenuTable[i].depth == 0) {
            order += std::string(kMenuTable[i].name) + " ";
        }
    }
    EXPECT_EQ(order, "mnuFile mnuEdit mnuInsert Process mnuTools ClosPoint Gcode Mcode mnuView mnuHelp ");
}

struct MenuSpot {
    const char* name;
    int index;
    int depth;
    const char* caption;
    const char* shortcut;
    unsigned flags;
};

class MenuSpotCheck : public ::testing::TestWithParam<MenuSpot> {};

TEST_P(MenuSpotCheck, MatchesTheDesign) {
    const MenuSpot& spot = GetParam();
    const MenuItemSpec* item = findMenu(spot.name, spot.index);
    ASSERT_NE(item, nullptr) << spot.name << "(" << spot.index << ")";
    EXPECT_EQ(item->depth, spot.depth);
    EXPECT_STREQ(item->caption, spot.caption);
    if (spot.shortcut == nullptr) {
        EXPECT_EQ(item->shortcut, nullptr);
    } else {
        EXPECT_STREQ(item->shortcut, spot.shortcut);
    }
    EXPECT_EQ(item->flags, spot.flags);
}

INSTANTIATE_TEST_SUITE_P(
    MenuTable, MenuSpotCheck,
    ::testing::Values(
        MenuSpot{"mnuFileOpen", -1, 1, "Open(&O)", "Ctrl+O", 0},
        MenuSpot{"mnuFileSave", -1, 1, "Save(&S)", "Ctrl+S", kMenuDisabled},
        MenuSpot{"mnuFileSaveAs", -1, 1, "Save as(&A)...", nullptr, kMenuDisabled},
        MenuSpot{"mnuFileFont", -1, 1, "Screen Font(&F)...", "Ctrl+F", 0},
        MenuSpot{"mnuFileRecentFile", 3, 1, "RecentFile3", nullptr, kMenuHidden},
        MenuSpot{"mnuSearch", -1, 1, "", nullptr, kMenuSeparator},
        MenuSpot{"mnuSearchNextFind", -1, 1, "Next Find(&N)", "F3", kMenuDisabled},
        MenuSpot{"mnuEditPaste", -1, 1, "Paste(&P)", nullptr, kMenuDisabled},
        MenuSpot{"ProcessMT1", -1, 2, "\xEF\xBC\xAC-Tool", nullptr, 0},  // full-width L
        MenuSpot{"ProcessRoughFaceOD", -1, 2, "Face && O.D.", nullptr, 0},
        MenuSpot{"ProcessRoughID", -1, 2, "I..D.", nullptr, 0},
        MenuSpot{"SipndleTap", 2, 2, "Rigte Tap", nullptr, 0},
        MenuSpot{"ProcessMPlanetTapSide", -1, 2, "Side", nullptr, kMenuDisabled},
        MenuSpot{"ProcessMeasuerInD", -1, 3, "Dia.Measuer", nullptr, 0},
        MenuSpot{"mnuToolsAutoNo", -1, 1, "Auto Number Insert", "F1", kMenuCheckable},
        MenuSpot{"mnuToolsrpm", -1, 1, "Spindle Speed(&N)", "Ctrl+N", 0},
        MenuSpot{"mnuToolsSizeShift", -1, 1, "Size Shift(&S)", nullptr, kMenuDisabled},
        MenuSpot{"Line2Circle2", -1, 1, "2Line && 2Circle Clos point", nullptr, 0},
        MenuSpot{"mnuGcode", 14, 2, "Ｂ-Turret G14", nullptr, 0},
        MenuSpot{"GcodeSpindleSelect", 2, 2, "Sub Spindle（Ｒ） G141", nullptr, 0},
        MenuSpot{"GcodeTool", -1, 1, "Nose-R compensation ", nullptr, 0},
        MenuSpot{"mnuGcodeComp", 3, 2, "Compensation Cancel  G40", nullptr, 0},
        MenuSpot{"mnuGcodeLap", 2, 2, "Rough  condition  change  G84", nullptr, 0},
        MenuSpot{"GcodeChamfer", -1, 1, "Auto  Chamfer", nullptr, 0},
        MenuSpot{"McodeChuckInterlockSubOff", -1, 4, "OFF M246", nullptr, 0},
        MenuSpot{"McodeMspindleM", 4, 2, "Orientation M229 CB=Angle", nullptr, 0},
        MenuSpot{"mnuViewStatusBar", -1, 1, "Status bar(&B)", nullptr, kMenuCheckable | kMenuChecked},
        MenuSpot{"mnuWindowTileVertical", -1, 1, "Vertical(&V)", nullptr,
                 kMenuCheckable | kMenuChecked},
        MenuSpot{"mnuWindowCascade", -1, 1, "Cascade(&C)", nullptr, kMenuCheckable},
        MenuSpot{"mnuHelpAbout", -1, 1, "About Quillmar(&A)", nullptr, 0}));

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
    EXPECT_EQ(kToolbarButtonCount, 31u);
    EXPECT_EQ(separators, 5u);
    EXPECT_EQ(keys.size(), 26u);
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

TEST(ToolbarTable, StartUpStates) {
    std::string withoutDocument;
    std::string startsDisabled;
    for (const ToolbarButtonSpec& button : kToolbarButtons) {
        if (!(button.flags & kToolbarNeedsDocument)) {
            withoutDocument += std::to_string(button.position) + " ";
        }
        if (button.flags & kToolbarStartsDisabled) {
            startsDisabled += std::string(button.menuName) + " ";
        }
    }
    EXPECT_EQ(withoutDocument, "1 2 4 ");
    EXPECT_EQ(startsDisabled, "mnuEditUndo mnuEditRedo ");

    const ToolbarButtonSpec& autoNumber = kToolbarButtons[kAutoNumberButtonPosition - 1];
    EXPECT_STREQ(autoNumber.key, "自動シーケンス番号挿入");
    EXPECT_STREQ(autoNumber.menuName, "mnuToolsAutoNo");
    EXPECT_TRUE(autoNumber.flags & kToolbarShowsAutoNumber);
    for (const ToolbarButtonSpec& button : kToolbarButtons) {
        if (&button != &autoNumber) {
            EXPECT_FALSE(button.flags & kToolbarShowsAutoNumber) << button.position;
        }
    }
}

TEST(ToolbarTable, SpotChecks) {
    const ToolbarButtonSpec* undo = findToolbarButton("元に戻す");
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->position, 12);
    EXPECT_STREQ(undo->tooltip, "Undo");

    const ToolbarButtonSpec& lineCircle = kToolbarButtons[25 - 1];
    EXPECT_STREQ(lineCircle.key, "直線と円の交点");
    EXPECT_STREQ(lineCircle.tooltip, "Line circle ");
    EXPECT_STREQ(lineCircle.menuName, "LineCycle");

    const ToolbarButtonSpec& sizeShift = kToolbarButtons[17 - 1];
    EXPECT_STREQ(sizeShift.key, "データの計算による変更");
    EXPECT_STREQ(sizeShift.tooltip, "Date cal.");
    EXPECT_STREQ(sizeShift.menuName, "mnuToolsSizeShift");

    EXPECT_STREQ(kToolbarButtons[31 - 1].key, "XY-XC変換");
    EXPECT_STREQ(kToolbarButtons[16 - 1].tooltip, "Number arrreng");
    EXPECT_STREQ(kToolbarButtons[26 - 1].key, "1点を通り直線に接する円");
}

TEST(ToolbarTable, StatusBarPanels) {
    ASSERT_EQ(kStatusPanelCount, 7u);
    for (std::size_t i = 0; i < kStatusPanelCount; ++i) {
        EXPECT_EQ(kStatusPanels[i].position, static_cast<int>(i) + 1);
    }
    EXPECT_STREQ(kStatusPanels[1].text, "ここをクリックしても切り替えが出来ます。―→");
    EXPECT_EQ(kStatusPanels[1].key, nullptr);

    const StatusPanelSpec* caps = findStatusPanel("Caps Lock");
    ASSERT_NE(caps, nullptr);
    EXPECT_EQ(caps->position, 4);
    EXPECT_EQ(caps->kind, StatusPanelKind::CapsLock);
    EXPECT_STREQ(caps->text, "CAPS");
    EXPECT_STREQ(caps->tooltip, "大文字／小文字");

    struct Click {
        const char* key;
        int code;
    };
    for (const Click& click : {Click{"Memo", 0}, Click{"Insrt Key", 45}, Click{"Caps Lock", 20},
                               Click{"Num Lock", 144}, Click{"Date", 0}, Click{"Time", 0}}) {
        const StatusPanelSpec* panel = findStatusPanel(click.key);
        ASSERT_NE(panel, nullptr) << click.key;
        EXPECT_EQ(panel->clickKeyCode, click.code) << click.key;
    }
    EXPECT_EQ(findStatusPanel("Insert Key"), nullptr);
    EXPECT_STREQ(findStatusPanel("Num Lock")->tooltip, "テンキーON／OFF");
}

}  // namespace
}  // namespace quillmar
