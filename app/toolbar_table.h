#pragma once

#include <cstddef>
#include <string_view>

namespace quillmar {

enum ToolbarFlag : unsigned {
    kToolbarSeparator = 1u << 0,
    // Hidden while no document has been opened yet; once shown it stays shown.
    kToolbarNeedsDocument = 1u << 1,
    // Disabled at start-up; the first change of a document's text enables it.
    kToolbarStartsDisabled = 1u << 2,
    // Shown pressed while automatic numbering is on, released otherwise.
    kToolbarShowsAutoNumber = 1u << 3,
};

// One position of the main window's toolbar, in order. A keyed button runs the
// command of the menu entry `menuName`/`menuIndex` (as in kMenuTable); the toolbar
// finds that command by comparing the clicked button's key, so the key is the
// button's identity and must match exactly.
struct ToolbarButtonSpec {
    int position;          // 1-based
    const char* key;       // UTF-8; nullptr for a separator
    const char* tooltip;   // nullptr for a separator
    const char* menuName;  // nullptr for a separator
    int menuIndex;         // index within an array of menu entries, else -1
    unsigned flags;        // ToolbarFlag bits
};

inline constexpr std::size_t kToolbarButtonCount = 31;
// The buttons the main window sets by themselves.
inline constexpr int kUndoButtonPosition = 12;
inline constexpr int kRedoButtonPosition = 13;
inline constexpr int kAutoNumberButtonPosition = 15;
extern const ToolbarButtonSpec kToolbarButtons[kToolbarButtonCount];

// The keyed button whose key is exactly `key`, or nullptr (separators have no key).
const ToolbarButtonSpec* findToolbarButton(std::string_view key);

enum class StatusPanelKind {
    Text,       // fixed text set by the program
    InsertKey,  // the lock-key panels show their text dark while the key is on
    CapsLock,
    NumLock,
    Date,       // the date and the time are kept current by the status bar itself
    Time,
};

// One panel of the main window's status bar, in order. Clicking a panel that has a
// key code presses that key (a Windows virtual-key code), which toggles its state.
struct StatusPanelSpec {
    int position;          // 1-based
    StatusPanelKind kind;
    const char* key;       // UTF-8; nullptr when the panel has no key
    const char* text;      // text at start-up; nullptr where the status bar supplies it
    const char* tooltip;   // nullptr when the panel has none
    int clickKeyCode;      // 0 when a click does nothing
};

inline constexpr std::size_t kStatusPanelCount = 7;
extern const StatusPanelSpec kStatusPanels[kStatusPanelCount];

// The panel whose key is exactly `key`, or nullptr.
const StatusPanelSpec* findStatusPanel(std::string_view key);

}  // namespace quillmar
