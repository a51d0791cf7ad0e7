#pragma once

#include <cstddef>

namespace quillmar {

enum MenuFlag : unsigned {
    kMenuSeparator = 1u << 0,
    kMenuDisabled = 1u << 1,   // disabled at start-up
    kMenuHidden = 1u << 2,     // hidden at start-up
    kMenuChecked = 1u << 3,    // carries a check mark at start-up
    kMenuCheckable = 1u << 4,  // can carry a check mark
    kMenuNoCommand = 1u << 5,  // offered disabled for good: the one kind of entry without a command
};

// One entry of the main window's menu tree, in the order it appears. `depth` 0 is a
// menu of the menu bar, 1 an entry of that menu, 2 an entry of a submenu of it, ...;
// an entry is a submenu when the next entry is one level deeper.
struct MenuItemSpec {
    int depth;
    const char* name;      // object name of the entry, e.g. "mnuFileSave"
    int index;             // index within an array of entries sharing a name, else -1
    const char* caption;   // UTF-8, '&' marks the access key and "&&" is a literal '&'
    const char* shortcut;  // QKeySequence portable text such as "Ctrl+O", or nullptr
    unsigned flags;        // MenuFlag bits
};

extern const MenuItemSpec kMenuTable[];
extern const std::size_t kMenuTableSize;

// The File menu's recent-file entries, kRecentFileMenu 1 to kRecentFileCount. An entry
// not used yet is hidden and captioned kRecentFile + its number, the settings key its
// file is kept under.
inline constexpr int kRecentFileCount = 5;
inline constexpr char kRecentFileMenu[] = "mnuFileRecentFile";
inline constexpr char kRecentFile[] = "RecentFile";

}  // namespace quillmar
